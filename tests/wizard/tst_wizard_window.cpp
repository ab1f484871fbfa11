#include "../shell/MessageRecorder.h"
#include "TestSupport.h"
#include "app/AppStartup.h"
#include "calc/CalcCircuit.h"
#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/Globals.h"
#include "lang/XMLLan.h"
#include "reports/FrmPrint.h"
#include "reports/FrmSelectDir.h"
#include "results/HistoryWriter.h"
#include "settings/BaseClass.h"
#include "shell/FrmMainShell.h"
#include "shell/FrmSplash.h"
#include "wizard/FlowStrip.h"
#include "wizard/FrmActuatorSelection.h"
#include "wizard/FrmModelSel.h"
#include "wizard/RememberedUnits.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

// The program with its catalogue, languages and pictures, a run started in a mode.
struct WizardRun {
    TempProgramFolder folder;
    MessageRecorder messages;
    TFrmSplash splash;
    std::unique_ptr<TApplicationObjects> objects;
    TFrmActuatorSelection* wizard = nullptr;

    explicit WizardRun(TOperateType mode) {
        folder.copyCatalogue();
        folder.copyLanguages();
        folder.copyPictures();
        objects = CreateApplicationObjects(splash);
        FrmMainShell->show();
        FrmMainShell->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FrmMainShell));
        const char* modeButton =
            mode == TOperateType::otSelect ? "skbActuatorSelect" : "skbActuatorCalc";
        QVERIFY(FrmMainShell->findChild<TSkinButton*>(modeButton)->Click());
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click());
        wizard = FrmMainShell->WorkForm();
        QVERIFY(wizard && wizard->isVisible());
    }
    template <typename T = QWidget> T* child(const char* name) const {
        return wizard->findChild<T*>(QLatin1String(name));
    }
    // A click of the wizard's button, the window active again after a dialog.
    bool click(const char* name) const {
        FrmMainShell->activateWindow();
        return QTest::qWaitForWindowActive(FrmMainShell) && child<TSkinButton>(name)->Click();
    }
    void choose(const char* radio) const { child<QRadioButton>(radio)->click(); }
    void selectRow(int row) const {
        auto* grid = child<QTableWidget>("Sghuilu");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, 1)).center());
    }
    // The diagram shown on page 0 is the picture file of that name.
    bool showsDiagram(const QString& name) const {
        const QImage shown = child<QLabel>("Image1")->pixmap().toImage();
        return shown == QImage(folder.file("Img/" + name + ".bmp")).convertToFormat(shown.format());
    }
    QString mainTitle() const { return FrmMainShell->findChild<QLabel*>("labMainTitle")->text(); }
};

void typeInto(QComboBox* box, const QString& keys) {
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, keys);
}

// Acts on the modal dialog of that class once it shows and has the focus (its
// buttons take a click only then).
template <typename T> void whenShown(const std::function<void(T&)>& act) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->activateWindow();
        if (!dialog->isActiveWindow())
            return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start(5);
}

// The model dialog's answer: OK on the row it preselects, unless told otherwise.
void whenModelDialogShows(const std::function<void(TFrmModelSel&)>& act = {}) {
    whenShown<TFrmModelSel>([act](TFrmModelSel& dialog) {
        if (act)
            act(dialog);
        else
            dialog.findChild<TSkinButton*>("btnOk")->Click();
    });
}

// The choose buttons of the equipment panel, in kind order.
const char* const ChooseButtons[] = {"BtnPTsel",         "BtnTubesel",      "BtnEJsel",
                                     "BtnGongyingVAsel", "BtnQiehuanVAsel", "BtnPohuaiVAsel",
                                     "BtnjieliuVAsel"};

} // namespace

class TestWizardWindow : public QObject {
    Q_OBJECT

private slots:
    void newRunOpensPageZeroOfItsMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("help");
        QTest::newRow("selection")
            << int(TOperateType::otSelect) << "ZAVK - Vacuum circuit design-Equipment selection"
            << "9-2-1.htm";
        QTest::newRow("calculation") << int(TOperateType::otCalc)
                                     << "ZAVK - Vacuum circuit design-Characteristic calculation"
                                     << "10-2-1.htm";
    }
    void newRunOpensPageZeroOfItsMode() {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, help);
        WizardRun run{TOperateType(mode)};
        const bool select = mode == int(TOperateType::otSelect);
        QCOMPARE(run.mainTitle(), title);
        QCOMPARE(BaseClass->HelpTopic, help);
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpHuilu));
        QCOMPARE(run.child<QLabel>("LblTitle")->text(), QString("Circuit and working conditions"));
        QCOMPARE(run.wizard->FlowStrip()->isVisibleTo(run.wizard), select);
        QVERIFY(run.wizard->FlowStrip()->Step(0, 1)->Current());
        QCOMPARE(run.child("sbjiqi")->isVisibleTo(run.wizard), !select);
        QCOMPARE(run.child("Cbyingdashijian")->isVisibleTo(run.wizard), select);
        QCOMPARE(run.wizard->Context().Input.CircuitNum, QString("1"));
        QVERIFY(run.showsDiagram("00"));
        QVERIFY(run.messages.requests.isEmpty());

        QVERIFY(run.click("SkbCancel_huilu"));
        auto* pages = FrmMainShell->findChild<QStackedWidget*>("nbMainShell");
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(run.mainTitle(), QString("ZAVK - Vacuum circuit design"));
        QCOMPARE(BaseClass->HelpTopic, QString("4.htm"));
    }

    void circuitChoiceFollowsTheControls_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("radios");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("diagram");
        QTest::addColumn<bool>("circuitGroupShown");
        QTest::newRow("ejector, no release") << 0 << QStringList{"Rbpohuai_bushiyoug1"} << "2"
                                             << "01" << true;
        QTest::newRow("V1 and V3, no throttle")
            << 1 << QStringList{"Rbhuilu2_2", "Rbjeliu_bushiyoug1"} << "4b"
            << "1011" << true;
        QTest::newRow("no release valve")
            << 1 << QStringList{"Rbhuilu2_3", "Rbpohuai_bushiyoug2"} << "5"
            << "11" << false;
        QTest::newRow("vacuum unit") << 2 << QStringList{} << "6"
                                     << "2" << true;
        QTest::newRow("pump, V3 alone") << 3 << QStringList{"Rbhuilu4_2"} << "7b"
                                        << "310" << true;
    }
    void circuitChoiceFollowsTheControls() {
        QFETCH(int, row);
        QFETCH(QStringList, radios);
        QFETCH(QString, code);
        QFETCH(QString, diagram);
        QFETCH(bool, circuitGroupShown);
        WizardRun run(TOperateType::otSelect);
        run.selectRow(row);
        QCOMPARE(run.child<QStackedWidget>("Notebook2")->currentIndex(), row);
        QCOMPARE(run.wizard->Context().Input.System_Cat, row + 1);
        QCOMPARE(run.wizard->FlowStrip()->currentIndex(), row);
        for (const QString& radio : radios)
            run.choose(qPrintable(radio));
        QCOMPARE(run.wizard->Context().Input.CircuitNum, code);
        QVERIFY(run.showsDiagram(diagram));
        if (row == 1)
            QCOMPARE(run.child("panHuilu2")->isVisibleTo(run.wizard), circuitGroupShown);
        const bool pressures = row >= 2;
        QCOMPARE(run.child("CbZhenKongPengYaLi")->isEnabled(), pressures);
        QCOMPARE(run.child("BtnGongYingYaLi")->isEnabled(), pressures);
        QVERIFY(run.messages.requests.isEmpty());
    }

    void equipmentPanelFollowsTheCircuit() {
        WizardRun run(TOperateType::otCalc);
        run.selectRow(2); // vacuum unit: no ejector count, no valves, an opening
        for (const char* on : {"BtnEJsel", "EdtEJsel", "cbjieliuVAKaidu", "BtnPTsel"})
            QVERIFY2(run.child(on)->isEnabled(), on);
        for (const char* off : {"cbEJCount", "BtnGongyingVAsel", "BtnPohuaiVAsel",
                                "BtnQiehuanVAsel", "BtnjieliuVAsel"})
            QVERIFY2(!run.child(off)->isEnabled(), off);
        QCOMPARE(run.child<QLabel>("LblEJsel")->text(), QString("Vacuum unit"));

        // Pointing at a product shows its part in the diagram.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(run.child("BtnEJsel"), &enter);
        QVERIFY(run.showsDiagram("2_EJ"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(run.child("BtnEJsel"), &leave);
        QVERIFY(run.showsDiagram("2"));

        run.child<QLineEdit>("EdtTubesel")->setText("TU-1");
        run.wizard->Context().Input.Tube_ID = "12";
        run.choose("rbTubeRongji_calc");
        QVERIFY(!run.child("EdtTubesel")->isEnabled() &&
                !run.child("CbTubeLength_calc")->isEnabled());
        QVERIFY(run.child("CbTubeRongji_calc")->isEnabled());
        QVERIFY(run.child<QLineEdit>("EdtTubesel")->text().isEmpty());
        QVERIFY(run.wizard->Context().Input.Tube_ID.isEmpty());

        QVERIFY(run.click("SkbNext_huilu")); // no models chosen
        QCOMPARE(run.messages.texts().value(0),
                 BaseClass->Lan->GetMessageText("MSGPLEASEINPUTMODELNO"));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpHuilu));
    }

    void conditionsTakeTypedValues() {
        WizardRun run(TOperateType::otSelect);
        auto* attitude = run.child<QComboBox>("CbAnZhuangZiShi");
        attitude->setCurrentIndex(1);
        QCOMPARE(run.child<QComboBox>("CbAnquanlv")->currentText(), QString("8"));
        QCOMPARE(run.child<TSpeedButtonEx>("BtnAnquanlv")->CurNum(), 8.0);
        attitude->setCurrentIndex(0);
        QCOMPARE(run.child<QComboBox>("CbAnquanlv")->currentText(), QString("4"));

        auto* mass = run.child<QComboBox>("Cbgongjianzhiliang");
        typeInto(mass, "-2.5.1");
        QCOMPARE(mass->currentText(), QString("2.51")); // no sign, one separator
        QCOMPARE(run.child<TSpeedButtonEx>("Btngongjianzhiliang")->CurNum(), 2.51);
        auto* vacuum = run.child<QComboBox>("CbZhenKongYaLi");
        typeInto(vacuum, "-6-5");
        QCOMPARE(vacuum->currentText(), QString("-65"));

        typeInto(mass, "5000");
        run.child("Cbyingdashijian")->setFocus(); // leaving the box checks its range
        QTRY_COMPARE(run.messages.requests.size(), 1);
        QVERIFY(run.messages.texts().first().startsWith(
            BaseClass->Lan->GetMessageText("MSG0017").left(20)));
    }

    void navigationMovesBetweenPages() {
        WizardRun run(TOperateType::otSelect);
        run.selectRow(1);
        QVERIFY(run.click("SkbNext_huilu"));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpPT));
        QCOMPARE(run.child<QLabel>("LblTitle")->text(), QString("Suction pad"));
        QVERIFY(run.wizard->FlowStrip()->Step(1, 2)->Current());
        QVERIFY(!run.wizard->FlowStrip()->Step(1, 1)->Current());
        QCOMPARE(BaseClass->HelpTopic, QString("9-2-2.htm"));
        QCOMPARE(run.wizard->Context().EJ_Type, QString("2"));
        QVERIFY(run.click("SkbReturn_PT"));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpHuilu));
        run.wizard->ShowPage(wpVa);
        QVERIFY(run.click("SkbReturn_VA")); // category 2: back to the ejector
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpEJ));
    }

    // The unit chosen last comes back in the next wizard of the same mode only; the
    // first wizard, without any memory, is complete all the same.
    void unitsAreRememberedPerMode() {
        WizardRun run{TOperateType::otSelect};
        QCOMPARE(run.child<QRadioButton>("RbGyyldot5")->text(), QString("0.5MPa"));
        run.child<TSpeedButtonEx>("Btngongjianzhiliang")->click(); // kg to g
        QVERIFY(run.click("SkbCancel_huilu"));
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click());
        TFrmActuatorSelection* again = FrmMainShell->WorkForm();
        auto* mass = again->findChild<TSpeedButtonEx*>("Btngongjianzhiliang");
        QCOMPARE(mass->ItemIndex(), 1);
        QCOMPARE(mass->text(), QString("g"));
        QCOMPARE(again->findChild<QComboBox*>("Cbgongjianzhiliang")->currentText(), QString("100"));
        QCOMPARE(mass->CurNum(), 0.1);
        QVERIFY(again->findChild<TSkinButton*>("SkbCancel_huilu")->Click());
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbActuatorCalc")->Click());
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click());
        QCOMPARE(FrmMainShell->WorkForm()
                     ->findChild<TSpeedButtonEx*>("Btngongjianzhiliang")
                     ->ItemIndex(),
                 0);
        // A unit the parameter does not have is ignored for that button alone.
        QVERIFY(FrmMainShell->WorkForm()->findChild<TSkinButton*>("SkbCancel_huilu")->Click());
        QFile memory(UnitIniPath());
        QVERIFY(memory.open(QIODevice::WriteOnly | QIODevice::Truncate));
        memory.write(
            "[Cacl]\r\nBtngongjianzhiliang.ItemIndex=9\r\nBtngongjianzhiliang.Caption=zz\r\n"
            "BtnGongYingYaLi.ItemIndex=1\r\n");
        memory.close();
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click());
        auto* kept = FrmMainShell->WorkForm()->findChild<TSpeedButtonEx*>("Btngongjianzhiliang");
        QCOMPARE(kept->ItemIndex(), 0);
        QCOMPARE(kept->text(), QString("kg"));
        QCOMPARE(
            FrmMainShell->WorkForm()->findChild<TSpeedButtonEx*>("BtnGongYingYaLi")->ItemIndex(),
            1);
        OperateType = TOperateType::otSelect;
    }

    // The pad page lists the series and pads for the conditions and is left for the
    // tubing once the vacuum source holds the vacuum; the tubing page for the ejector.
    void padPageOffersPadsAndLeadsOn() {
        WizardRun run{TOperateType::otSelect};
        QVERIFY(run.click("SkbNext_huilu"));
        auto* series = run.child<QTableWidget>("SgPTSeries");
        auto* models = run.child<QTableWidget>("SgPThinban");
        QVERIFY(series->rowCount() > 0);
        QCOMPARE(models->rowCount(), 2); // automatic: the smallest pad that holds the load
        QCOMPARE(models->item(0, 0)->text(), QString("Model"));
        QVERIFY(!run.child<QPlainTextEdit>("Memxipannote")->toPlainText().isEmpty());
        run.choose("Rbzhiding");
        QVERIFY(!run.child("CbZhenKongYaLi")->isEnabled());
        QVERIFY(models->rowCount() > 2);
        QVERIFY(run.click("SkbNext_PT")); // the smallest pad needs more vacuum than any ejector
        QCOMPARE(run.messages.texts().value(0), BaseClass->Lan->GetMessageText("MSG001"));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpPT));
        models->selectRow(models->rowCount() - 1); // the largest
        QVERIFY(run.click("SkbNext_PT"));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpTube));
        QVERIFY(!run.wizard->Context().EJCandidateFilter.isEmpty());
        QCOMPARE(run.messages.requests.size(), 1);

        QVERIFY(run.child<QTableWidget>("SgTubeSeries")->rowCount() > 0);
        QVERIFY(run.click("SkbNext_Tube")); // the thinnest tube that passes the flow
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpEJ));
        QVERIFY(!run.wizard->Context().Input.Tube_ID.isEmpty());
        QVERIFY(run.wizard->Context().Tube_QMax > 0);
    }

    // Through every page by clicks to the result, and the command line's run of
    // the same inputs: the same products and the same calculation record.
    void fullSelectionMatchesTheCommandLine_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QStringList>("nexts");
        QTest::newRow("ejector") << 0 << "1"
                                 << QStringList{"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube",
                                                "SkbNext_EJ"};
        QTest::newRow("ejector, valves") << 1 << "3"
                                         << QStringList{"SkbNext_huilu", "SkbNext_PT",
                                                        "SkbNext_Tube", "SkbNext_EJ", "SkbNext_VA"};
        QTest::newRow("vacuum unit")
            << 2 << "6" << QStringList{"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", "SkbNext_EJ"};
        QTest::newRow("pump, valves")
            << 3 << "7" << QStringList{"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", "SkbNext_VA"};
    }
    void fullSelectionMatchesTheCommandLine() {
        QFETCH(int, row);
        QFETCH(QString, circuit);
        QFETCH(QStringList, nexts);
        CalcInput = TCalcInput{}; // as in a program just started
        WizardRun run{TOperateType::otSelect};
        run.selectRow(row);
        for (const QString& next : nexts)
            QVERIFY2(run.click(qPrintable(next)), qPrintable(next));
        QVERIFY2(run.messages.texts().isEmpty(), qPrintable(run.messages.texts().join('|')));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpResult));

        const Run cli = RunProgram(ZAVK_PROGRAM_DIR "/zavk-cli",
                                   {"select", "--json", "--db", run.folder.file("Data/MORELDB.db"),
                                    "--region", "0", "--circuit", circuit, "--mass", "0.1"});
        QCOMPARE(cli.exitCode, 0);
        const QJsonObject selected = QJsonDocument::fromJson(cli.out.toUtf8()).object();
        const QJsonObject record = selected.value("CalcInput").toObject();
        for (const auto& [name, value] : CalcInputFields(run.wizard->Context().Input))
            QVERIFY2(QJsonValue::fromVariant(value) == record.value(name), qPrintable(name));
        QCOMPARE(selected.value("Tube_QMax").toDouble(), run.wizard->Context().Tube_QMax);
    }

    // Saved from the result page and opened from the start page, under either
    // decimal separator, a run shows the same result again: a selection, or the
    // same selection carried into calculation mode and calculated there.
    void savedRunReopensToTheSameResult_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("nexts");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("calculation");
        const QStringList toEjector{"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", "SkbNext_EJ"};
        const QStringList toValves{"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", "SkbNext_VA"};
        const QStringList throughAll = toEjector + QStringList{"SkbNext_VA"};
        QTest::newRow("ejector, point") << 0 << toEjector << "C" << false;
        QTest::newRow("ejector, valves, comma") << 1 << throughAll << "de_DE" << false;
        QTest::newRow("vacuum unit, comma") << 2 << toEjector << "de_DE" << false;
        QTest::newRow("pump, valves, point") << 3 << toValves << "C" << false;
        QTest::newRow("calculation: ejector, comma") << 0 << toEjector << "de_DE" << true;
        QTest::newRow("calculation: ejector, valves, point") << 1 << throughAll << "C" << true;
        QTest::newRow("calculation: vacuum unit, point") << 2 << toEjector << "C" << true;
        QTest::newRow("calculation: pump, valves, comma") << 3 << toValves << "de_DE" << true;
    }
    void savedRunReopensToTheSameResult() {
        QFETCH(int, row);
        QFETCH(QStringList, nexts);
        QFETCH(QString, locale);
        QFETCH(bool, calculation);
        QLocale::setDefault(QLocale(locale));
        WizardRun run{TOperateType::otSelect};
        run.selectRow(row);
        for (const QString& next : nexts)
            QVERIFY(run.click(qPrintable(next)));
        if (calculation) {
            run.messages.answer = mrYes;
            QVERIFY(run.click("SkbCacl_Result"));
            QVERIFY(run.click("SkbNext_huilu"));
            run.messages.requests.clear();
        }
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpResult));
        const TCalcInput input = CalcInput;
        const TCalcOutput output = CalcOutput;
        const QString path = run.folder.file(calculation ? "run.CAL" : "run.SEL");
        SetFileChooser([path](const QString&) { return std::optional<QString>(path); });
        QVERIFY(run.click("SkbSave_Result"));
        QVERIFY(run.click("SkbCancel_Result"));
        QLocale::setDefault(QLocale(locale == "C" ? "de_DE" : "C")); // opened under the other
        CalcInput = TCalcInput{};
        CalcOutput = TCalcOutput{};
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbHistory")->Click());
        SetFileChooser({});
        QLocale::setDefault(QLocale::c());
        const TOperateType reopenedMode = std::exchange(OperateType, TOperateType::otSelect);
        QCOMPARE(reopenedMode, calculation ? TOperateType::otCalc : TOperateType::otSelect);
        TFrmActuatorSelection* reopened = FrmMainShell->WorkForm();
        QVERIFY2(run.messages.texts().isEmpty(), qPrintable(run.messages.texts().join('|')));
        QCOMPARE(reopened->Pages()->currentIndex(), int(wpResult));
        // The file keeps 15 significant digits.
        auto near = [](double a, double b) { return qAbs(a - b) <= 1e-12 * qMax(1.0, qAbs(b)); };
        const auto reread = CalcInputFields(CalcInput);
        for (int i = 0; i < reread.size(); ++i) {
            const QVariant& was = CalcInputFields(input)[i].second;
            const QVariant& is = reread[i].second;
            QVERIFY2(was.typeId() == QMetaType::Double ? near(is.toDouble(), was.toDouble())
                                                       : is == was,
                     qPrintable(reread[i].first + ": " + is.toString() + " vs " + was.toString()));
        }
        QVERIFY(near(CalcOutput.xizhuoyingdashijian, output.xizhuoyingdashijian));
        QVERIFY(near(CalcOutput.anquanlv, output.anquanlv));
    }

    // The result page's states by clicks: an edited working vacuum empties the
    // outputs and keeps Save and Print off until the recalculation; the initial
    // result comes back with its axes.
    void resultPageStatesFollowTheButtons() {
        WizardRun run{TOperateType::otSelect};
        for (const char* next : {"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", "SkbNext_EJ"})
            QVERIFY(run.click(next));
        auto* save = run.child<TSkinButton>("SkbSave_Result");
        auto* print = run.child<TSkinButton>("SkbPrint_Result");
        auto* recalculate = run.child<TSkinButton>("Btnzaijisuan");
        auto* time = run.child<QLineEdit>("Edtxizhuoyingdashijian_out");
        const QString initialTime = time->text();
        const TChartData initialChart = run.wizard->Session().Chart;
        QVERIFY(save->isEnabled() && print->isEnabled() && !recalculate->isEnabled());
        QVERIFY(!initialTime.isEmpty());
        QVERIFY(!run.child("EdtCaclResultMsg")->isVisible()); // no evaluation at first
        typeInto(run.child<QComboBox>("CBzhenkongyl_out"), "-50");
        QVERIFY(!save->isEnabled() && !print->isEnabled() && recalculate->isEnabled());
        QVERIFY(time->text().isEmpty());
        QVERIFY(run.click("Btnzaijisuan"));
        QVERIFY(save->isEnabled() && print->isEnabled() && !time->text().isEmpty() &&
                time->text() != initialTime);
        QCOMPARE(run.wizard->Session().Chart.Left.Minimum, initialChart.Left.Minimum);
        QCOMPARE(run.wizard->Session().Chart.Series[TheoreticalCurve],
                 initialChart.Series[TheoreticalCurve]);
        QVERIFY(run.click("BtnqichuResult"));
        QCOMPARE(time->text(), initialTime);
        QVERIFY(run.child<TSkinButton>("BtnqichuResult")->DownIn());
    }

    // Carried over into calculation mode, the selection's products and values give
    // the same result there.
    void selectionCarriedIntoCalculationGivesTheSameResult() {
        WizardRun run{TOperateType::otSelect};
        run.selectRow(1); // separate valves: every kind of product named
        for (const char* next :
             {"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", "SkbNext_EJ", "SkbNext_VA"})
            QVERIFY(run.click(next));
        const TCalcOutput selected = CalcOutput;
        run.messages.answer = mrYes;
        QVERIFY(run.click("SkbCacl_Result"));
        QCOMPARE(OperateType, TOperateType::otCalc);
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpHuilu));
        QCOMPARE(run.child<QLineEdit>("EdtEJsel")->text(),
                 run.child<QLineEdit>("EdtSelectET")->text());
        QVERIFY(run.click("SkbNext_huilu"));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpResult));
        QVERIFY(qAbs(CalcOutput.xizhuoyingdashijian - selected.xizhuoyingdashijian) < 1e-9);
        QVERIFY(qAbs(CalcOutput.anquanlv - selected.anquanlv) < 1e-9);
        OperateType = TOperateType::otSelect;
    }

    // Every product named through the model dialog by clicks, calculated, saved:
    // the command line calculates the saved file alike.
    void productsNamedInTheDialogCalculate_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("circuit");
        QTest::newRow("ejector") << 0 << "1";
        QTest::newRow("ejector, valves") << 1 << "3";
        QTest::newRow("vacuum unit") << 2 << "6";
        QTest::newRow("pump, valves") << 3 << "7";
    }
    void productsNamedInTheDialogCalculate() {
        QFETCH(int, row);
        QFETCH(QString, circuit);
        WizardRun run{TOperateType::otCalc};
        run.selectRow(row);
        for (const char* button : ChooseButtons) {
            if (!run.child(button)->isEnabled())
                continue;
            whenModelDialogShows();
            QVERIFY2(run.click(button), button);
        }
        QVERIFY(run.click("SkbNext_huilu"));
        QVERIFY2(run.messages.texts().isEmpty(), qPrintable(run.messages.texts().join('|')));
        QCOMPARE(run.wizard->Pages()->currentIndex(), int(wpResult));
        QCOMPARE(CalcInput.CircuitNum, circuit);
        const QString path = run.folder.file("named.CAL");
        SetFileChooser([path](const QString&) { return std::optional<QString>(path); });
        QVERIFY(run.click("SkbSave_Result"));
        SetFileChooser({});
        const Run cli =
            RunProgram(ZAVK_PROGRAM_DIR "/zavk-cli",
                       {"calc", "--json", "--db", run.folder.file("Data/MORELDB.db"), path});
        QCOMPARE(cli.exitCode, 0);
        const QJsonObject printed = QJsonDocument::fromJson(cli.out.toUtf8()).object();
        for (const auto& [name, value] :
             {std::pair{"xizhuoyingdashijian", CalcOutput.xizhuoyingdashijian},
              std::pair{"anquanlv", CalcOutput.anquanlv},
              std::pair{"zuidazhenkongyali", CalcOutput.zuidazhenkongyali}})
            QVERIFY2(qAbs(printed.value(name).toDouble() - value) <= 1e-9 * qMax(1.0, qAbs(value)),
                     name);
        OperateType = TOperateType::otSelect;
    }

    // The dialog: Cancel changes nothing, reopening preselects the product named,
    // and a circuit change keeps the pad and the tubing in box and record alike.
    void modelDialogKeepsBoxAndRecordTogether() {
        WizardRun run{TOperateType::otCalc};
        run.selectRow(1);
        whenModelDialogShows([](TFrmModelSel& dialog) {
            auto* series = dialog.findChild<QTableWidget*>("sgSeries");
            series->setCurrentCell(series->rowCount() - 1, 0);
            auto* models = dialog.findChild<QTableWidget*>("sgModelNo");
            models->setCurrentCell(1, 0);
            dialog.findChild<TSkinButton*>("btnOk")->Click();
        });
        QVERIFY(run.click("BtnPTsel"));
        const QString pad = run.child<QLineEdit>("EdtPTsel")->text();
        QVERIFY(!pad.isEmpty());
        QCOMPARE(CalcInput.PT_Name, pad);
        QString preselected;
        whenModelDialogShows([&preselected](TFrmModelSel& dialog) {
            auto* models = dialog.findChild<QTableWidget*>("sgModelNo");
            preselected = models->item(models->currentRow(), 0)->text();
            dialog.findChild<TSkinButton*>("btnCancel")->Click();
        });
        QVERIFY(run.click("BtnPTsel"));
        QCOMPARE(preselected, pad);
        QCOMPARE(run.child<QLineEdit>("EdtPTsel")->text(), pad);
        whenModelDialogShows();
        QVERIFY(run.click("BtnEJsel"));
        QVERIFY(!CalcInput.EJ_ID.isEmpty());
        run.selectRow(0);
        QCOMPARE(run.child<QLineEdit>("EdtPTsel")->text(), pad);
        QCOMPARE(CalcInput.PT_Name, pad);
        QVERIFY(run.child<QLineEdit>("EdtEJsel")->text().isEmpty() && CalcInput.EJ_ID.isEmpty());
        // The volume radio lets the tubing go from box and record together.
        whenModelDialogShows();
        QVERIFY(run.click("BtnTubesel"));
        run.choose("rbTubeRongji_calc");
        QVERIFY(run.child<QLineEdit>("EdtTubesel")->text().isEmpty() &&
                CalcInput.Tube_ID.isEmpty());
        OperateType = TOperateType::otSelect;
    }

    // The dialog's inputs and columns by kind: the buffer for pads, the ejector
    // radios except with a vacuum pump, a second column for area or conductance.
    void modelDialogLayoutFollowsTheKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("systemCat");
        QTest::addColumn<QString>("inputs"); // the input page shown, or none
        QTest::addColumn<int>("columns");
        QTest::newRow("pad") << int(mkPad) << 1 << "PT" << 2;
        QTest::newRow("tubing") << int(mkTube) << 1 << "" << 1;
        QTest::newRow("ejector") << int(mkEjector) << 2 << "EJ" << 1;
        QTest::newRow("vacuum unit") << int(mkEjector) << 3 << "" << 1;
        QTest::newRow("throttle") << int(mkThrottle) << 4 << "" << 2;
    }
    void modelDialogLayoutFollowsTheKind() {
        QFETCH(int, kind);
        QFETCH(int, systemCat);
        QFETCH(QString, inputs);
        QFETCH(int, columns);
        WizardRun run{TOperateType::otCalc};
        FrmModelSel->Prepare({kind, "3", systemCat, "2", {}, "ASIA", {}, {}}, "kind");
        const auto* pages = FrmModelSel->findChild<QStackedWidget*>("NbInput");
        QCOMPARE(pages->isVisibleTo(FrmModelSel) ? pages->currentWidget()->objectName() : "",
                 inputs);
        QCOMPARE(FrmModelSel->findChild<QTableWidget*>("sgModelNo")->columnCount(), columns);
        QCOMPARE(FrmModelSel->findChild<QLabel*>("LblModelNoTitle2")->isVisibleTo(FrmModelSel),
                 columns == 2);
        OperateType = TOperateType::otSelect;
    }

    // With no model listed, OK keeps the dialog open and names nothing.
    void okOnAnEmptyListStaysOpen() {
        WizardRun run{TOperateType::otCalc};
        bool stayedOpen = false;
        whenShown<TFrmModelSel>([&stayedOpen](TFrmModelSel& dialog) {
            QVERIFY(dialog.findChild<TSkinButton*>("btnOk")->Click());
            stayedOpen = dialog.isVisible();
            dialog.CloseButton()->Click(); // then closed by the caption bar
        });
        QVERIFY(!FrmModelSel->Choose({mkSwitchingValve, "1", 1, "1", {}, "ASIA", {}, {}}, "V3"));
        QVERIFY(stayedOpen);
        OperateType = TOperateType::otSelect;
    }

    // The report shows what the result page shows, by mode and category, and
    // exports as a one-page PDF.
    void reportFollowsTheResultPage_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("calculation");
        QTest::newRow("ejector") << 0 << false;
        QTest::newRow("ejector, valves") << 1 << false;
        QTest::newRow("pump, valves") << 3 << false;
        QTest::newRow("calculation: ejector, valves") << 1 << true;
        QTest::newRow("calculation: vacuum unit") << 2 << true;
    }
    void reportFollowsTheResultPage() {
        QFETCH(int, row);
        QFETCH(bool, calculation);
        WizardRun run{TOperateType::otSelect};
        run.selectRow(row);
        const char* toValves = row == 3 ? "SkbNext_VA" : "SkbNext_EJ";
        for (const char* next : {"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", toValves})
            QVERIFY(run.click(next));
        if (row == 1)
            QVERIFY(run.click("SkbNext_VA")); // the ejector's valves
        if (calculation) {
            run.messages.answer = mrYes;
            QVERIFY(run.click("SkbCacl_Result"));
            QVERIFY(run.click("SkbNext_huilu"));
        }
        TFrmPrint dialog(run.wizard->ReportSource());
        dialog.ediTitle->setText("Line 4");
        dialog.memComment->setPlainText("first\nsecond");
        const TReportContent report = dialog.FillReport();
        auto text = [&run](const char* name) { return run.child<QLineEdit>(name)->text(); };
        QCOMPARE(report.Products[2].Model, text("EdtSelectET"));
        QCOMPARE(report.Outputs[1].Value, text("Edtanquanlv_out"));
        QVERIFY(report.Outputs[0].Value.startsWith(text("Edtxizhuoyingdashijian_out") + ' '));
        const bool pump = row >= 2;
        QCOMPARE(report.Outputs[4].Value.startsWith(
                     text(pump ? "Edtbiyaozhenkongbengliuliang_out" : "EdtBiaoZhunYaLI_out")),
                 true);
        QCOMPARE(report.Outputs[5].Label.isEmpty(), pump);
        QCOMPARE(report.Outputs[6].Value, QString()); // no working vacuum entered
        QCOMPARE(report.Inputs[8].Label.isEmpty(), calculation);
        QCOMPARE(report.CircuitNote.isEmpty(), row % 2 == 1); // shown with categories 1 and 3
        QVERIFY(report.PrintTitle.endsWith(" : Line 4"));
        QCOMPARE(report.Comment, QStringList({"first", "second"}));
        const QString pdf = run.folder.file("report.pdf");
        SetFileChooser([pdf](const QString&) { return std::optional<QString>(pdf); });
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.findChild<TSkinButton*>("btnPdf")->Click());
        SetFileChooser({});
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("/Type /Page\n"), 1);
        // The HTML export into a folder the chooser names; the second time it asks
        // before replacing the page, and No keeps the chooser open.
        for (const int answer : {mrYes, mrNo}) {
            run.messages.requests.clear();
            run.messages.answer = answer;
            whenShown<TFrmSelectDir>([&run, answer](TFrmSelectDir& chooser) {
                chooser.ediPath->setText(run.folder.file(""));
                chooser.ediDir->setText("export");
                chooser.ediFileName->setText("line4");
                QVERIFY(chooser.findChild<TSkinButton*>("btnOk")->Click());
                if (answer == mrNo)
                    QVERIFY(chooser.findChild<TSkinButton*>("btnCancel")->Click());
            });
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QVERIFY(dialog.findChild<TSkinButton*>("btnSave")->Click());
            QVERIFY(!dialog.isVisible());
            QCOMPARE(run.messages.requests.size(), answer == mrNo ? 1 : 0);
        }
        QVERIFY(QFile::exists(run.folder.file("export/line4.html_QRImage1.jpg")));
        OperateType = TOperateType::otSelect;
    }

    // A run the command line saved opens in the wizard to the result it printed.
    void commandLineRunOpensToItsResult() {
        WizardRun run{TOperateType::otSelect};
        const QString path = run.folder.file("cli.SEL");
        const Run cli =
            RunProgram(ZAVK_PROGRAM_DIR "/zavk-cli",
                       {"select", "--json", "--db", run.folder.file("Data/MORELDB.db"), "--circuit",
                        "3b", "--mass", "2", "--flow", "L", "--save", path});
        QCOMPARE(cli.exitCode, 0);
        const QJsonObject printed = QJsonDocument::fromJson(cli.out.toUtf8()).object();
        QVERIFY(run.click("SkbCancel_huilu"));
        SetFileChooser([path](const QString&) { return std::optional<QString>(path); });
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbHistory")->Click());
        SetFileChooser({});
        QCOMPARE(FrmMainShell->WorkForm()->Pages()->currentIndex(), int(wpResult));
        QCOMPARE(CalcInput.EJ_ID, printed.value("CalcInput").toObject().value("EJ_ID").toString());
        QVERIFY(qAbs(CalcOutput.xizhuoyingdashijian -
                     printed.value("xizhuoyingdashijian").toDouble()) < 1e-12);
        QVERIFY(qAbs(CalcOutput.anquanlv - printed.value("anquanlv").toDouble()) < 1e-12);
    }
};

QTEST_MAIN(TestWizardWindow)
#include "tst_wizard_window.moc"
