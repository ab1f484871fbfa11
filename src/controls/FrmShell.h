#pragma once

#include "controls/WindowDrag.h"

#include <QDialog>

class QLabel;
class QRegion;
class TSkinButton;

// The region of a window of that size with its corners rounded to the radius:
// the window mask of the program's frameless windows.
QRegion RoundedWindowRegion(QSize size, qreal radius);

// A push button of a dialog's button row, 110 × 34 pixels.
TSkinButton* DialogButton(const char* name, const QString& caption, QWidget* parent);
// A named label of a dialog's field, its caption until the language file gives one.
QLabel* DialogLabel(const char* name, const char* caption, QWidget* parent);

// The common frame of the program's dialogs: a borderless window with rounded
// corners, a dark caption bar showing the window title, a skinned close button and
// an optional help button. Dragging the caption bar moves the dialog. Derived
// dialogs put their content into ClientPanel().
class TFrmShell : public QDialog {
    Q_OBJECT
public:
    explicit TFrmShell(QWidget* parent = nullptr);

    QWidget* ClientPanel() const { return panClient; }
    TSkinButton* CloseButton() const { return sbClose; }
    TSkinButton* HelpButton() const { return sbHelp; }
    // The help button sits left of the close button; it is hidden at first.
    void SetHelpButtonVisible(bool visible);
    virtual void SetCloseHint(const QString& hint);

    static constexpr int CaptionHeight = 35;
    static constexpr int BottomHeight = 22;
    static constexpr int SideWidth = 6;
    static constexpr int CornerRadius = 11;

protected:
    // Called on every mouse movement over the close button.
    virtual void CloseButtonHovered() {}
    // Shows the help at the current topic.
    virtual void HelpButtonClicked();

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* panTop;
    QLabel* labTitle;
    QWidget* panClient;

private:
    void buildFrame();
    void createCaptionButtons();
    void placeCaptionButtons();
    void renewOutline();
    bool handleCaptionMouse(QEvent* event);

    TSkinButton* sbClose;
    TSkinButton* sbHelp;
    QWidget* outline_;
    TWindowDrag drag_;
};
