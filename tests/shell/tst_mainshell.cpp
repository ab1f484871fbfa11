#include "MessageRecorder.h"
#include "TestSupport.h"
#include "controls/SkinButton.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "settings/FrmAllSetting.h"
#include "shell/FrmMainShell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// A program folder with languages and pictures and the main window on it, shown.
struct ShownMainWindow {
    TempProgramFolder folder;
    MessageRecorder messages;
    std::unique_ptr<TFrmMainShell> window;

    explicit ShownMainWindow(const QByteArray& systemIni = "[System]\n") {
        folder.copyLanguages();
        folder.copyPictures();
        QDir().mkpath(folder.file("HELP"));
        for (const char* help : {"HELP/English.qch", "HELP/Spanish.qch"})
            QFile::copy(ZAVK_PROGRAM_DIR "/HELP/English.qch", folder.file(help));
        folder.writeFile("System.ini", systemIni);
        OperateType = TOperateType::otSelect;
        window = std::make_unique<TFrmMainShell>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T = QWidget> T* child(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    TSkinButton* button(const char* name) const { return child<TSkinButton>(name); }
    QString hintLine() const { return child<QLabel>("labHint")->text(); }
};

void sendMouse(QWidget* target, QEvent::Type type, QPoint global) {
    QMouseEvent event(
        type, target->mapFromGlobal(global), target->mapFromGlobal(global), global, Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Presses the left button on target, moves the mouse by offset and lets it go.
void dragBy(QWidget* target, QPoint offset) {
    const QPoint start = target->mapToGlobal(target->rect().center());
    sendMouse(target, QEvent::MouseButtonPress, start);
    sendMouse(target, QEvent::MouseMove, start + offset);
    sendMouse(target, QEvent::MouseButtonRelease, start + offset);
}

void sendHover(QWidget* control, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(control, &event);
}

} // namespace

class TestMainShell : public QObject {
    Q_OBJECT

private slots:
    void captionButtonsSitAtTheirPlacesWithTheirHints_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fromRight");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("hint");
        QTest::newRow("close") << "sbClose" << 24 << int(sbsClose) << "Close";
        QTest::newRow("maximize") << "sbMax" << 41 << int(sbsMax) << "";
        QTest::newRow("minimize") << "sbMin" << 58 << int(sbsMin) << "Minimize";
        QTest::newRow("help") << "sbHelp" << 75 << int(sbsHelp) << "Help";
    }
    void captionButtonsSitAtTheirPlacesWithTheirHints() {
        QFETCH(QString, name);
        QFETCH(int, fromRight);
        QFETCH(int, style);
        QFETCH(QString, hint);
        ShownMainWindow shown;
        for (const int width : {1024, 1300}) {
            shown.window->resize(width, 738);
            const TSkinButton* button = shown.button(name.toLatin1());
            QCOMPARE(button->pos(), QPoint(width - fromRight, 9));
            QCOMPARE(int(button->SkinButtonStyle()), style);
            QCOMPARE(button->toolTip(), hint);
        }
    }

    void maximizeButtonSwapsAndTheFrameFollowsTheState() {
        ShownMainWindow shown;
        TFrmMainShell& window = *shown.window;
        TSkinButton* maximize = shown.button("sbMax");
        QWidget* caption = shown.child("imaTopC");
        QWidget* grip = shown.child("imaDownR");

        const QPoint before = window.pos();
        dragBy(caption, {30, 20});
        QCOMPARE(window.pos(), before + QPoint(30, 20));
        dragBy(grip, {40, 10});
        QCOMPARE(window.size(), QSize(1064, 748));
        QCOMPARE(grip->cursor().shape(), Qt::SizeFDiagCursor);

        QTest::mouseClick(maximize, Qt::LeftButton);
        QTRY_VERIFY(window.isMaximized());
        QTest::qWait(0);
        QCOMPARE(maximize->SkinButtonStyle(), sbsNormal);
        const QRect maximized = window.geometry();
        dragBy(caption, {30, 20});
        dragBy(grip, {-40, -10});
        sendMouse(grip, QEvent::MouseMove, grip->mapToGlobal(QPoint(2, 2)));
        QCOMPARE(window.geometry(), maximized);
        QCOMPARE(grip->cursor().shape(), Qt::ArrowCursor);

        QTest::mouseClick(maximize, Qt::LeftButton);
        QTRY_VERIFY(!window.isMaximized());
        QTest::qWait(0);
        QCOMPARE(maximize->SkinButtonStyle(), sbsMax);
        window.showMaximized(); // by the window manager, say: the button follows
        QTRY_COMPARE(maximize->SkinButtonStyle(), sbsNormal);
    }

    void windowKeepsItsSizeLimits() {
        ShownMainWindow shown;
        TFrmMainShell& window = *shown.window;
        QCOMPARE(window.size(), QSize(1024, 738));
        window.resize(400, 300);
        QCOMPARE(window.size(), QSize(1015, 700));
        window.resize(100000, 100000);
        QCOMPARE(window.size(), window.screen()->availableGeometry().size());
        QVERIFY(window.mask().contains(QPoint(20, 0)));
        QVERIFY(!window.mask().contains(QPoint(0, 0))); // the rounded corner
    }

    void modeButtonsSetTheModeAndTheHintOfNew_data() {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("newHint");
        QTest::newRow("calculation") << "skbActuatorCalc" << int(TOperateType::otCalc)
                                     << "Start a new characteristic calculation";
        QTest::newRow("selection")
            << "skbActuatorSelect" << int(TOperateType::otSelect) << "Start a new selection";
    }
    void modeButtonsSetTheModeAndTheHintOfNew() {
        QFETCH(QString, pressed);
        QFETCH(int, mode);
        QFETCH(QString, newHint);
        ShownMainWindow shown;
        QVERIFY(shown.button("skbActuatorSelect")->DownIn());
        for (int click = 0; click < 2; ++click) { // a pressed mode stays pressed
            QVERIFY(shown.button(pressed.toLatin1())->Click());
            QCOMPARE(int(OperateType), mode);
            QCOMPARE(shown.button("skbActuatorSelect")->DownIn(), mode == 0);
            QCOMPARE(shown.button("skbActuatorCalc")->DownIn(), mode == 1);
            QCOMPARE(shown.button("skbNew")->toolTip(), newHint);
        }
    }

    void hintLineFollowsThePointer() {
        ShownMainWindow shown;
        TSkinButton* help = shown.button("sbkHelp");
        sendHover(help, QEvent::Enter);
        QCOMPARE(shown.hintLine(), QString("Open the help"));
        sendHover(help, QEvent::Leave);
        QCOMPARE(shown.hintLine(), QString());
        TSkinButton* update = shown.button("skbUpdate");
        QVERIFY(!update->isEnabled());
        sendHover(update, QEvent::Enter);
        QCOMPARE(shown.hintLine(), QString()); // a disabled button offers nothing
        for (TSkinButton* button : {update, help}) {
            QHelpEvent tooltip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(button, &tooltip);
            QCOMPARE(QToolTip::isVisible(), button == help);
        }

        // A wizard's selection label is silent while its button is disabled.
        QLabel label(shown.child("panWorkPage"));
        label.setObjectName("LblTubesel");
        QWidget button(shown.child("panWorkPage"));
        button.setObjectName("BtnTubesel");
        button.setEnabled(false);
        shown.window->ShowControlHint("Choose the tubing", &label);
        QCOMPARE(shown.hintLine(), QString());
        button.setEnabled(true);
        shown.window->ShowControlHint("Choose the tubing", &label);
        QCOMPARE(shown.hintLine(), QString("Choose the tubing"));
    }

    void helpTopicsFollowTheLanguage_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("menuTopic");
        QTest::addColumn<QString>("termsTopic");
        QTest::newRow("numbered") << QByteArray("English") << "4.htm"
                                  << "1.htm";
        QTest::newRow("named") << QByteArray("Spanish") << "pantalla-de-menu.html"
                               << "acuerdo-de-licencia-del-programa.html";
    }
    void helpTopicsFollowTheLanguage() {
        QFETCH(QByteArray, language);
        QFETCH(QString, menuTopic);
        QFETCH(QString, termsTopic);
        ShownMainWindow shown("[System]\nDefaultLanguage=" + language + "\n");
        QStringList topics;
        TBaseClass::SetHelpViewer(
            [&topics](const QString&, const QString& topic) { topics.append(topic); });
        QTest::keyClick(shown.window.get(), Qt::Key_F1);
        QVERIFY(shown.button("sbHelp")->Click());
        QVERIFY(shown.button("sbkHelp")->Click());
        TBaseClass::SetHelpViewer({});
        QCOMPARE(topics, QStringList({menuTopic, menuTopic, termsTopic}));
    }

    void historyButtonChecksTheChosenFile_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("chosen"); // "-" cancels the dialog
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("filter");
        const QByteArray ours = "[History]\nSoftName=ZAVK1\n";
        QTest::newRow("cancelled") << 0 << "-" << ours << ""
                                   << "*.SEL (*.SEL *.sel)";
        QTest::newRow("blank name") << 1 << "  " << QByteArray() << "MSG0031"
                                    << "*.CAL (*.CAL *.cal)";
        QTest::newRow("missing file") << 0 << "gone.SEL" << QByteArray() << "MSG0032"
                                      << "";
        QTest::newRow("other program")
            << 0 << "x.SEL" << QByteArray("[History]\nSoftName=ZAVK2\n") << "MSG0032"
            << "";
        QTest::newRow("no section") << 0 << "x.SEL" << QByteArray("SoftName=ZAVK1\n") << "MSG0032"
                                    << "";
        // Ours, but without a record: the message names the key, the start page stays.
        QTest::newRow("ours, incomplete")
            << 0 << "x.SEL" << ours << "x.SEL: key CalcInput.System_Cat is missing"
            << "";
    }
    void historyButtonChecksTheChosenFile() {
        QFETCH(int, mode);
        QFETCH(QString, chosen);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QString, filter);
        ShownMainWindow shown;
        if (!content.isEmpty())
            shown.folder.writeFile(chosen.trimmed(), content);
        QVERIFY(shown.button(mode == 0 ? "skbActuatorSelect" : "skbActuatorCalc")->Click());
        QString askedFilter;
        SetFileChooser([&](const QString& filterAsked) -> std::optional<QString> {
            askedFilter = filterAsked;
            if (chosen == "-")
                return std::nullopt;
            return chosen.trimmed().isEmpty() ? chosen : shown.folder.file(chosen);
        });
        QVERIFY(shown.button("skbHistory")->Click());
        SetFileChooser({});
        if (!filter.isEmpty())
            QCOMPARE(askedFilter, filter);
        const QStringList texts = shown.messages.texts();
        QCOMPARE(texts.size(), message.isEmpty() ? 0 : 1);
        if (message.startsWith("MSG")) {
            QCOMPARE(texts.first(), BaseClass->Lan->GetMessageText(message));
            QCOMPARE(shown.messages.requests.first().kind, TMsgDlgType::mtWarning);
        } else if (!message.isEmpty()) {
            QVERIFY2(texts.first().contains(message), qPrintable(texts.first()));
        }
        QVERIFY(!shown.window->WorkForm()); // no wizard half restored
    }

    void closeQuestionNoKeepsTheWindowYesClosesIt() {
        ShownMainWindow shown;
        TFrmMainShell& window = *shown.window;
        shown.messages.answer = mrNo;
        QVERIFY(shown.button("sbExit")->Click());
        QVERIFY(window.isVisible() && !window.CloseConfirmed());
        const TMessageRequest question = shown.messages.requests.value(0);
        QCOMPARE(question.text,
                 QString("Do you want to quit ZAVK?\rResults that were not saved are lost."));
        QCOMPARE(question.buttons, mbYes | mbNo);
        QCOMPARE(question.captions, QString("Yes;No;OK;Cancel"));

        shown.messages.answer = mrYes;
        QVERIFY(shown.button("sbClose")->Click());
        QVERIFY(!window.isVisible() && window.CloseConfirmed());
        window.show();
        QVERIFY(window.close()); // confirmed once: no second question
        QCOMPARE(shown.messages.requests.size(), 2);
    }

    // The real message box: the same size and place at every opening, its text in
    // the font of its buttons.
    void quitQuestionLooksTheSameEveryTime() {
        ShownMainWindow shown("[System]\nDefaultLanguage=Japanese\n");
        SetMessageHandler({});
        QList<QRect> places;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, [&places] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                const auto* text = box->findChild<QLabel*>("qt_msgbox_label");
                QCOMPARE(text->font().family(), box->buttons().first()->font().family());
                places.append(box->frameGeometry());
                box->button(QMessageBox::No)->click();
            });
            QVERIFY(!shown.window->close());
        }
        QCOMPARE(places.size(), 2);
        QCOMPARE(places.last(), places.first());
    }

    void languageSettingSwitchesTheWindowAndIsKept() {
        ShownMainWindow shown("[System]\r\nDefaultLanguage=English\r\n");
        shown.messages.answer = mrYes;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<TFrmAllSetting*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            emit dialog->findChild<TSkinButton*>("BitBtnLanguage")->clicked();
            auto* languages = dialog->findChild<QTreeWidget*>("lvLanguage");
            languages->setCurrentItem(languages->topLevelItem(6)); // German
            dialog->findChild<QCheckBox*>("cbDefault")->setChecked(true);
            dialog->accept();
        });
        QVERIFY(shown.button("skbOtherSet")->Click());
        QCOMPARE(shown.button("sbExit")->Caption(), QString("Beenden"));
        QCOMPARE(shown.window->MainTitle(), QString("ZAVK - Auslegung von Vakuumkreisen"));
        QCOMPARE(IniFile(shown.folder.file("System.ini")).readString("System", "DefaultLanguage"),
                 QString("German"));
        QCOMPARE(shown.messages.requests.size(), 1); // the save question alone
    }
};

QTEST_MAIN(TestMainShell)
#include "tst_mainshell.moc"
