#pragma once

#include "controls/WindowDrag.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;
class QScrollArea;
class QStackedWidget;
class TBaseClass;
class TFrmActuatorSelection;
class TSkinButton;

// The main window: a frameless, skinned window with its own caption bar (title,
// help, minimize, maximize / restore and close buttons), status bar (hint,
// version, size grip), side borders and rounded outline. Its creation does the
// program's real initialisation: the catalogue connection, removal of leftover
// update files, the settings object and the language. The start page offers the
// two modes and the program's commands; the work page hosts the selection wizard.
class TFrmMainShell : public QWidget {
    Q_OBJECT
public:
    explicit TFrmMainShell(QWidget* parent = nullptr);
    ~TFrmMainShell() override;

    bool CloseConfirmed() const { return closeConfirmed_; }
    const QString& MainTitle() const { return mainTitle_; }

    // Shows a control's hint in the status bar; nothing for a disabled control,
    // or for a wizard's selection label whose button is disabled.
    void ShowControlHint(const QString& hint, QWidget* control);
    // Back to the start page (the wizard's cancel): the title and the mode buttons
    // show the current mode again.
    void ShowMainPage();
    // The wizard of the run shown, or nullptr.
    TFrmActuatorSelection* WorkForm() const;
    // The online update wizard (also what "ZAVK --update" opens); when it has
    // downloaded the program, asks whether to restart into it now.
    void RunUpdateWizard();

    static constexpr int CaptionHeight = 47;
    static constexpr int StatusHeight = 21;
    static constexpr int SideWidth = 4;
    static constexpr int CornerEllipse = 11;
    static constexpr QSize DesignSize{1024, 738};
    static constexpr QSize MinimumSize{1015, 700};
    // Left edges of the caption-bar buttons, counted back from the caption bar's width.
    static constexpr int CloseFromRight = 24;
    static constexpr int MaxFromRight = 41;
    static constexpr int MinFromRight = 58;
    static constexpr int HelpFromRight = 75;
    static constexpr int CaptionButtonTop = 9;
    static constexpr int VersionFromGrip = 95;

signals:
    void shown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildStartPage();
    QWidget* buildButtonColumn(QWidget* parent);
    void createCaptionButtons();
    void connectButtons();
    void placeFrame();
    void renewOutline();
    void applyLanguage();
    void setOperateType(bool select);
    void startRun();
    void showModeTitle();
    void openHistory();
    void showSettings();
    void freeWizard();
    bool handleGripMouse(QEvent* event);

    QWidget* panTop;
    QLabel* imaTopL;
    QLabel* imaTopC;
    QLabel* imaTopR;
    QLabel* labMainTitle;
    TSkinButton* sbClose;
    TSkinButton* sbMax;
    TSkinButton* sbMin;
    TSkinButton* sbHelp;
    QWidget* panDown;
    QLabel* imaDownL;
    QLabel* imaDownC;
    QLabel* imaDownR;
    QLabel* labHint;
    QLabel* labVersion;
    QLabel* imaLeft;
    QLabel* imaRight;
    QScrollArea* scbMain;
    QStackedWidget* nbMainShell;
    QWidget* panCenter;
    QLabel* ImgMain;
    QProgressBar* Gue1;
    TSkinButton* skbNew;
    TSkinButton* skbHistory;
    TSkinButton* skbActuatorSelect;
    TSkinButton* skbActuatorCalc;
    QLabel* LblSelect;
    QLabel* LblCalculat;
    TSkinButton* skbOtherSet;
    TSkinButton* sbkHelp;
    TSkinButton* skbUpdate;
    TSkinButton* sbExit;
    QWidget* panWorkPage;

    QString mainTitle_;
    // The settings object, unless one was installed before the window (tests).
    std::unique_ptr<TBaseClass> ownBaseClass_;
    bool closeConfirmed_ = false;
    TWindowDrag drag_;
    QPointer<TFrmActuatorSelection> workForm_;
};

extern TFrmMainShell* FrmMainShell;
