#include "controls/FrmInfoShow.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr QSize ChoiceButtonSize(200, 34);

TSkinButton* choiceButton(const char* name, const QString& caption, const QString& hint,
                          QWidget* parent) {
    auto* button = new TSkinButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetSkinButtonStyle(sbsBtn);
    button->SetCaption(caption);
    button->setToolTip(hint);
    button->setFixedSize(ChoiceButtonSize);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TFrmInfoShow::TFrmInfoShow(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmInfoShow"));
    setWindowTitle(QStringLiteral("Response time not reached"));

    LblInfo = new QLabel(
        QStringLiteral("One ejector cannot evacuate the suction pads within the required "
                       "response time.\n\nYou can go back and review the working conditions, "
                       "or continue the selection with two or more ejectors working in "
                       "parallel."),
        ClientPanel());
    LblInfo->setObjectName(QStringLiteral("LblInfo"));
    LblInfo->setWordWrap(true);
    LblInfo->setStyleSheet(QStringLiteral("color: #1d2f42; font-size: 13px;"));
    RbReturn = choiceButton("RbReturn", QStringLiteral("Review conditions"),
                            QStringLiteral("Go back to the working conditions"), ClientPanel());
    RbContinue =
        choiceButton("RbContinue", QStringLiteral("Use two or more ejectors"),
                     QStringLiteral("Continue with several ejectors in parallel"), ClientPanel());
    connect(RbReturn, &TSkinButton::clicked, this, [this] { choose(TInfoShowChoice::Return); });
    connect(RbContinue, &TSkinButton::clicked, this, [this] { choose(TInfoShowChoice::Continue); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(RbReturn);
    buttons->addWidget(RbContinue);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->setContentsMargins(24, 22, 24, 20);
    layout->setSpacing(22);
    layout->addWidget(LblInfo, 1);
    layout->addLayout(buttons);
    resize(500, 250);
    applyLanguage();
}

// The hints of the dialog's controls appear in the main window's status line.
void TFrmInfoShow::applyLanguage() {
    if (!BaseClass || !BaseClass->Lan)
        return;
    ApplyToForm(*BaseClass->Lan, this, ShowHint);
}

void TFrmInfoShow::choose(TInfoShowChoice choice) {
    choice_ = choice;
    accept();
}

void TFrmInfoShow::showEvent(QShowEvent* event) {
    TFrmShell::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

TInfoShowChoice TFrmInfoShow::Ask(QWidget* parent) {
    TFrmInfoShow dialog(parent);
    dialog.exec();
    return dialog.Choice();
}
