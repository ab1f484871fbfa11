#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QStackedWidget;
class TBaseClass;

// The main window. Its creation does the program's real initialisation: the
// catalogue connection, removal of leftover update files, the settings object
// and the language. The start page offers the two modes and the program's
// commands; the work page will host the selection wizard.
class TFrmMainShell : public QWidget {
    Q_OBJECT
public:
    explicit TFrmMainShell(QWidget* parent = nullptr);
    ~TFrmMainShell() override;

    bool CloseConfirmed() const { return closeConfirmed_; }
    const QString& MainTitle() const { return mainTitle_; }

    // Shows the hint of the control under the mouse in the status line.
    void ShowControlHint(const QString& hint, QWidget* control);

signals:
    void shown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void applyLanguage();
    void setOperateType(bool select);

    QWidget* panTop;
    QLabel* labMainTitle;
    QStackedWidget* nbMainShell;
    QPushButton* skbActuatorSelect;
    QPushButton* skbActuatorCalc;
    QPushButton* skbNew;
    QPushButton* skbHistory;
    QPushButton* skbOtherSet;
    QPushButton* sbkHelp;
    QPushButton* skbUpdate;
    QPushButton* sbExit;
    QLabel* LblSelect;
    QLabel* LblCalculat;
    QLabel* labHint;
    QLabel* labVersion;

    QString mainTitle_;
    // The settings object, unless one was installed before the window (tests).
    std::unique_ptr<TBaseClass> ownBaseClass_;
    bool closeConfirmed_ = false;
};

extern TFrmMainShell* FrmMainShell;
