#include "SamplePictures.h"
#include "TestSupport.h"
#include "controls/FrmDebugInfo.h"
#include "controls/FrmInfoShow.h"
#include "controls/FrmShell.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/Globals.h"
#include "units/UnitManager.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

QImage face(const QString& name) {
    const QImage image(QStringLiteral(ZAVK_PROGRAM_DIR "/Img/Skin/") + name + ".png");
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage render(const TSkinButtonLook& look) {
    QImage image(look.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintSkinButton(painter, look);
    return image;
}

// The faces drawn one over the other, as a pressed button shows them.
QImage layered(const QImage& bottom, const QImage& top) {
    QImage image = bottom;
    QPainter painter(&image);
    painter.drawImage(0, 0, top);
    return image;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos,
               Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Moves the mouse onto the button, presses and releases the left button there.
void clickSkinButton(QWidget* button) {
    const QPoint centre = button->rect().center();
    sendMouse(button, QEvent::MouseMove, centre, Qt::NoButton);
    sendMouse(button, QEvent::MouseButtonPress, centre);
    sendMouse(button, QEvent::MouseButtonRelease, centre);
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QRgb darkestPixel(const QImage& image) {
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255 && qGray(image.pixel(x, y)) < qGray(darkest))
                darkest = image.pixel(x, y);
    return darkest;
}

// A caption whose strokes are wider than a pixel, so some pixels show the pure text colour.
void setBoldCaption(TSkinButton& button) {
    QFont font = button.font();
    font.setPixelSize(22);
    font.setBold(true);
    button.setFont(font);
    button.SetCaption(QStringLiteral("MWMW"));
}

TFrmInfoShow* activeInfoShow() {
    return qobject_cast<TFrmInfoShow*>(QApplication::activeModalWidget());
}

// Answers the next modal question by clicking the named button.
void clickInNextDialog(const QString& buttonName) {
    QTimer::singleShot(0, [buttonName] {
        TFrmInfoShow* dialog = activeInfoShow();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* button = dialog->findChild<TSkinButton*>(buttonName);
        QVERIFY(button);
        clickSkinButton(button);
        if (dialog->isVisible()) // keep the test from hanging on a failed click
            dialog->reject();
    });
}

class CountingShell : public TFrmShell {
public:
    int closeHovers = 0;

protected:
    void CloseButtonHovered() override { ++closeHovers; }
};

// A parameter whose unit i has the default value 10·i + 0.5.
TSinglePara paraWithUnitDefaults() {
    TSinglePara para;
    for (int i = 0; i < 4; ++i) {
        TSinglePop unit;
        unit.DefNum = 10.0 * i + 0.5;
        para.Pops.append(unit);
    }
    return para;
}

} // namespace

class TestSkinControls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        previousAppPath_ = AppPath;
        AppPath = QStringLiteral(ZAVK_PROGRAM_DIR "/");
        QVERIFY2(!face("fbCloseMove").isNull(), "the button faces were not built");
    }

    void cleanupTestCase() { AppPath = previousAppPath_; }

    void newButtonShowsTheCloseFacesAtTheHoverFaceSize() {
        TSkinButton button;
        QCOMPARE(button.SkinButtonStyle(), sbsClose);
        QCOMPARE(button.size(), face("fbCloseMove").size());
        QCOMPARE(render(button.Look()), face("fbClose"));
    }

    void styleChangeLoadsTheFacesAndSizesCaptionButtonsOnly() {
        TSkinButton button;
        button.resize(50, 50);
        button.SetSkinButtonStyle(sbsHelp);
        QCOMPARE(button.size(), face("fbHelpMove").size());
        QCOMPARE(render(button.Look()), face("fbHelp"));

        button.resize(40, 40);
        button.SetSkinButtonStyle(sbsHelp); // the same style again changes nothing
        QCOMPARE(button.size(), QSize(40, 40));

        button.SetSkinButtonStyle(sbsBtn);
        QCOMPARE(button.size(), QSize(40, 40));
        button.resize(face("btnUp").size());
        QCOMPARE(render(button.Look()), face("btnUp"));
    }

    void maximizeButtonSwapsAfterEachClickAndTheHandlerSeesTheClickedStyle() {
        QWidget window;
        auto* button = new TSkinButton(&window);
        button->SetSkinButtonStyle(sbsMax);
        QList<TSkinButtonStyle> seen;
        connect(button, &TSkinButton::clicked, [&] { seen.append(button->SkinButtonStyle()); });
        showActive(window);

        clickSkinButton(button);
        QCOMPARE(button->SkinButtonStyle(), sbsNormal);
        clickSkinButton(button);
        QCOMPARE(button->SkinButtonStyle(), sbsMax);
        QCOMPARE(seen, QList<TSkinButtonStyle>({sbsMax, sbsNormal}));

        // Released away from the button: no click, and the window did not change.
        sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5));
        sendMouse(button, QEvent::MouseButtonRelease, QPoint(-20, 5));
        QCOMPARE(button->SkinButtonStyle(), sbsMax);
        QCOMPARE(seen.size(), 2);
        // Only the left button presses it.
        sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
        QVERIFY(!button->Pressed());
    }

    void clickTakesTheFocusBeforeTheHandlerRuns() {
        QWidget window;
        auto* edit = new QLineEdit(&window);
        auto* button = new TSkinButton(&window);
        button->move(0, 40);
        QStringList order;
        connect(edit, &QLineEdit::editingFinished, [&] { order << "edit finished"; });
        connect(button, &TSkinButton::clicked, [&] { order << "click"; });
        showActive(window);
        edit->setFocus();
        QTest::keyClicks(edit, "12");

        clickSkinButton(button);
        QVERIFY(button->hasFocus());
        QCOMPARE(order, QStringList({"edit finished", "click"}));
    }

    void captionButtonShowsHoverAndPressedFacesWhileTheMouseIsOverIt() {
        TSkinButton button;
        sendMouse(&button, QEvent::MouseMove, QPoint(8, 8), Qt::NoButton);
        QVERIFY(button.Hovering());
        QCOMPARE(render(button.Look()), face("fbCloseMove"));

        sendMouse(&button, QEvent::MouseButtonPress, QPoint(8, 8));
        QCOMPARE(render(button.Look()), layered(face("fbCloseMove"), face("fbCloseDown")));

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QVERIFY(button.Pressed());
        QCOMPARE(render(button.Look()), face("fbClose"));
    }

    void pushButtonShowsItsPressedFaceWhenPressedOverItOrDownIn() {
        TSkinButton button;
        button.SetSkinButtonStyle(sbsBtn);
        button.resize(face("btnUp").size());
        QSignalSpy moves(&button, &TSkinButton::mouseMoved);

        sendMouse(&button, QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(render(button.Look()), face("btnMove"));
        sendMouse(&button, QEvent::MouseButtonPress, QPoint(10, 10));
        QCOMPARE(render(button.Look()), layered(face("btnMove"), face("btnDown")));
        sendMouse(&button, QEvent::MouseMove, QPoint(300, 10), Qt::NoButton);
        QCOMPARE(render(button.Look()), face("btnUp"));

        TSkinButton toggle;
        toggle.SetSkinButtonStyle(sbsBtn);
        toggle.resize(face("btnUp").size());
        toggle.SetDownIn(true);
        QCOMPARE(render(toggle.Look()), layered(face("btnUp"), face("btnDown")));
    }

    void stretchedPushButtonKeepsTheLeftTenColumnsOfItsFace() {
        const QImage up = face("btnUp");
        TSkinButton button;
        button.SetSkinButtonStyle(sbsBtn);
        button.resize(3 * up.width(), up.height());
        const QImage image = render(button.Look());
        const QImage plainlyScaled =
            up.scaled(button.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

        QCOMPARE(image.copy(0, 0, 10, up.height()), up.copy(0, 0, 10, up.height()));
        QVERIFY(plainlyScaled.copy(0, 0, 10, up.height()) != up.copy(0, 0, 10, up.height()));
        const QRect rest(10, 0, button.width() - 10, up.height());
        QCOMPARE(image.copy(rest), plainlyScaled.copy(rest));
    }

    void captionIsBlackWhenEnabledAndGreyWhenDisabled() {
        TSkinButton button;
        button.SetSkinButtonStyle(sbsBtn);
        button.resize(180, 34);
        setBoldCaption(button);
        QCOMPARE(darkestPixel(render(button.Look())), qRgb(0, 0, 0));
        button.setEnabled(false);
        QCOMPARE(darkestPixel(render(button.Look())), qRgb(128, 128, 128));
    }

    void captionAndPictureAreCentredWithHalvesRoundedToEven() {
        TSkinButton button;
        button.SetSkinButtonStyle(sbsBtn);
        button.SetCaption(QStringLiteral("Go"));
        const QFontMetrics metrics(button.font());
        const int textWidth = metrics.horizontalAdvance(button.Caption());
        const int textHeight = metrics.height();
        auto layout = [&](int width, int height) {
            button.resize(width, height);
            return LayoutSkinButton(button.Look(), metrics);
        };

        QCOMPARE(layout(textWidth + 41, textHeight + 13).caption, QPoint(20, 6));
        QCOMPARE(layout(textWidth + 43, textHeight + 15).caption, QPoint(22, 8));
        button.SetAlignment(Qt::AlignRight);
        QCOMPARE(layout(textWidth + 43, textHeight + 15).caption, QPoint(22, 8));
        button.SetAlignment(Qt::AlignLeft);
        QCOMPARE(layout(textWidth + 43, textHeight + 15).caption, QPoint(25, 8));

        button.SetPicture(documentPicture());       // 20 x 22
        QVERIFY(layout(200, 34).picture.isEmpty()); // not drawn without HavePicture
        button.SetHavePicture(true);
        const TSkinButtonLayout withPicture = layout(textWidth + 20 + 10 + 41, 34);
        QCOMPARE(withPicture.picture, QRect(20, 4, 20, 22));
        QCOMPARE(withPicture.caption.x(), 20 + 20 + 10);
        QCOMPARE(layout(textWidth + 20 + 10 + 43, 34).picture.topLeft(), QPoint(22, 4));
    }

    void pictureMagentaIsTransparent() {
        TSkinButton button;
        button.SetSkinButtonStyle(sbsBtn);
        button.resize(160, 34);
        const QImage bare = render(button.Look());
        button.SetPicture(documentPicture());
        button.SetHavePicture(true);
        const QImage image = render(button.Look());
        const QPoint origin =
            LayoutSkinButton(button.Look(), QFontMetrics(button.font())).picture.topLeft();

        QCOMPARE(image.pixel(origin + QPoint(0, 0)), bare.pixel(origin)); // magenta corner
        QCOMPARE(image.pixel(origin + QPoint(3, 1)), qRgb(0x14, 0x5d, 0x8c));
        QCOMPARE(image.pixel(origin + QPoint(5, 3)), qRgb(255, 255, 255));
        QCOMPARE(button.Picture().toImage().pixel(0, 0), qRgb(255, 0, 255)); // kept as given
    }

    void missingFacesPaintAPlainButton() {
        TempProgramFolder emptyFolder;
        TSkinButton caption;
        QCOMPARE(caption.size(), QSize(17, 17));
        QVERIFY(!caption.grab().isNull());
        TSkinButton push;
        push.SetSkinButtonStyle(sbsBtn);
        setBoldCaption(push);
        push.resize(120, 34);
        const QImage image = render(push.Look());
        QCOMPARE(qAlpha(image.pixel(60, 2)), 255);
        QCOMPARE(darkestPixel(image), qRgb(0, 0, 0));
    }

    void captionBarDragMovesTheDialogAndLeavesItsContent() {
        TFrmShell shell;
        shell.resize(420, 260);
        shell.move(100, 120);
        showActive(shell);
        auto* panTop = shell.findChild<QWidget*>("panTop");
        QVERIFY(panTop);
        const QRect clientBefore = shell.ClientPanel()->geometry();

        const QPoint grip(60, 12);
        sendMouse(panTop, QEvent::MouseButtonPress, grip);
        QMouseEvent drag(QEvent::MouseMove, grip, panTop->mapToGlobal(grip) + QPoint(35, 48),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panTop, &drag);
        sendMouse(panTop, QEvent::MouseButtonRelease, grip);
        QCOMPARE(shell.pos(), QPoint(135, 168));
        QCOMPARE(shell.ClientPanel()->geometry(), clientBefore);

        // Without a press on the caption bar, the mouse moves nothing.
        QApplication::sendEvent(panTop, &drag);
        QCOMPARE(shell.pos(), QPoint(135, 168));
    }

    void frameFollowsTheSizeAndCloseButtonClosesAndReportsHovers() {
        CountingShell shell;
        shell.setWindowTitle(QStringLiteral("Settings"));
        shell.resize(420, 260);
        showActive(shell);
        TSkinButton* close = shell.CloseButton();
        QCOMPARE(close->objectName(), QString("sbClose"));
        QCOMPARE(close->x(), 420 - 28);
        QCOMPARE(close->y() * 2 + close->height(), TFrmShell::CaptionHeight); // centred
        QVERIFY(!shell.mask().contains(QPoint(0, 0)));
        QVERIFY(shell.mask().contains(QPoint(210, 130)));
        QCOMPARE(shell.findChild<QLabel*>("labTitle")->text(), QString("Settings"));
        QVERIFY(!shell.HelpButton()->isVisibleTo(&shell));
        shell.SetHelpButtonVisible(true);
        QVERIFY(shell.HelpButton()->isVisibleTo(&shell));
        QCOMPARE(shell.HelpButton()->SkinButtonStyle(), sbsHelp);

        shell.resize(600, 300);
        QCOMPARE(close->x(), 600 - 28);
        QVERIFY(shell.HelpButton()->x() + shell.HelpButton()->width() <= close->x());
        QVERIFY(shell.mask().contains(QPoint(590, 150)));
        QVERIFY(!shell.mask().contains(QPoint(599, 299)));

        shell.SetCloseHint(QStringLiteral("Close the settings"));
        QCOMPARE(close->toolTip(), QString("Close the settings"));
        sendMouse(close, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton);
        QCOMPARE(shell.closeHovers, 1);
        clickSkinButton(close);
        QVERIFY(!shell.isVisible());
        QCOMPARE(shell.result(), int(QDialog::Rejected));
    }

    void infoShowAnswersReturnContinueAndReturnWhenClosed() {
        clickInNextDialog(QStringLiteral("RbContinue"));
        QCOMPARE(TFrmInfoShow::Ask(), TInfoShowChoice::Continue);
        clickInNextDialog(QStringLiteral("RbReturn"));
        QCOMPARE(TFrmInfoShow::Ask(), TInfoShowChoice::Return);
        clickInNextDialog(QStringLiteral("sbClose"));
        QCOMPARE(TFrmInfoShow::Ask(), TInfoShowChoice::Return);
    }

    void debugInfoShowsTheTraceBesideTheOtherWindowsAndCopiesIt() {
        TFrmDebugInfo debugInfo;
        debugInfo.ShowTrace({"T1 = 0.25", "C1 = 3"});
        QVERIFY(debugInfo.isVisible());
        QVERIFY(!debugInfo.isModal());
        auto* memo = debugInfo.findChild<QPlainTextEdit*>("MemDebug");
        QVERIFY(memo && memo->isReadOnly());
        QCOMPARE(memo->toPlainText(), QString("T1 = 0.25\nC1 = 3"));
        showActive(debugInfo);

        clickSkinButton(debugInfo.findChild<TSkinButton*>("BtnCopy"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("T1 = 0.25\nC1 = 3"));
        clickSkinButton(debugInfo.findChild<TSkinButton*>("Button1"));
        QVERIFY(!debugInfo.isVisible());
    }

    void unboundValueButtonKeepsItsDefaults() {
        TSpeedButtonEx button;
        button.setText(QStringLiteral("mm"));
        QCOMPARE(button.text(), QString("mm"));
        QVERIFY(button.autoRaise());
        QCOMPARE(button.CurNum(), 0.0);
        QCOMPARE(button.ItemIndex(), 0);
        QCOMPARE(button.DefaultItemIndex(), 0);
        QVERIFY(button.ItemNums().isEmpty());
        QVERIFY(!button.Para() && !button.LinkedCombo() && !button.LinkedEdit());
        QCOMPARE(button.DefaultValueOfShownUnit(), std::nullopt);

        button.SetItemNums({"10", "20", "10", "5"});
        QCOMPARE(button.ItemNums(), QStringList({"10", "20", "5"}));
    }

    void pairedComboTakesTheDefaultOfTheUnitItsButtonShows() {
        QWidget owner;
        auto* combo = new QComboBox(&owner);
        combo->setEditable(true);
        auto* button = new TSpeedButtonEx(&owner);
        combo->setProperty("tag", owner.findChildren<QWidget*>().indexOf(button));
        TSinglePara para = paraWithUnitDefaults();
        button->SetPara(&para);
        button->SetItemIndex(2);

        EnableInput(combo, false, &owner, true);
        QVERIFY(!button->isEnabled());
        EnableInput(combo, true, &owner, false);
        QVERIFY(button->isEnabled());
        QCOMPARE(combo->currentText(), QString("20.5"));
    }

private:
    QString previousAppPath_;
};

QTEST_MAIN(TestSkinControls)
#include "tst_skin_controls.moc"
