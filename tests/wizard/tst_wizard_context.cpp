#include "calc/Formulas.h"
#include "wizard/WizardContext.h"

#include <QFile>
#include <QtTest>

namespace {

TCircuitOptions optionsOf(int row, const QString& tokens) {
    TCircuitOptions o;
    o.Row = row;
    for (const QString& token : tokens.split(' ', Qt::SkipEmptyParts)) {
        const bool on = token.endsWith('+');
        if (token.startsWith('R'))
            (row == 0 ? o.ReleaseValveRow0 : o.ReleaseValveRow1) = on;
        else if (token.startsWith('T'))
            (row == 1 ? o.ThrottleRow1 : o.ThrottleRow3) = on;
        else if (token.startsWith('C'))
            (row == 1 ? o.CircuitRow1 : o.CircuitRow3) = token.mid(1).toInt() - 1;
    }
    return o;
}

QString inputsOf(const TModelSelectors& s) {
    QStringList used;
    const std::pair<bool, const char*> inputs[] = {{s.Ejector, "EJ"},        {s.EjectorCount, "n"},
                                                   {s.SupplyValve, "V1"},    {s.ReleaseValve, "V2"},
                                                   {s.SwitchingValve, "V3"}, {s.Throttle, "T"},
                                                   {s.ThrottleOpening, "op"}};
    for (const auto& [on, name] : inputs) {
        if (on)
            used << name;
    }
    return used.join(' ');
}

TCalcInput withProducts() {
    TCalcInput input;
    input.PT_ID = "7";
    input.Tube_ID = "12";
    input.EJ_ID = "21";
    input.VA_Jieliu_Name = "T-1";
    input.EJ_n = 3;
    input.V = 0.25;
    input.Se = 9;
    return input;
}

} // namespace

class TestWizardContext : public QObject {
    Q_OBJECT

private slots:
    void everyCircuitChoice_data() {
        for (const char* column :
             {"row", "options", "code", "cat", "type", "filter", "picture", "inputs"})
            QTest::addColumn<QString>(column);
        QFile table(ZAVK_TEST_DATA_DIR "/circuit-choice.txt");
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            QStringList cells = line.split('|');
            for (QString& cell : cells)
                cell = cell.trimmed();
            QTest::newRow(qPrintable(cells[0] + ' ' + cells[1]))
                << cells[0] << cells[1] << cells[2] << cells[3] << cells[4] << cells[5] << cells[6]
                << cells[7];
        }
    }
    void everyCircuitChoice() {
        QFETCH(QString, row);
        QFETCH(QString, options);
        QFETCH(QString, code);
        QFETCH(QString, cat);
        QFETCH(QString, type);
        QFETCH(QString, filter);
        QFETCH(QString, picture);
        QFETCH(QString, inputs);
        TCalcInput input = withProducts();
        TWizardContext context(input);
        context.RestoredFromHistory = true;
        context.SelectRow(row.toInt());
        QCOMPARE(input.System_Cat, row.toInt() + 1); // the row's category, at once
        context.ChangeOptions(optionsOf(row.toInt(), options));
        QCOMPARE(input.CircuitNum, code);
        QVERIFY(context.UpdateSystemCategory());
        QCOMPARE(QString::number(input.System_Cat), cat);
        QCOMPARE(context.EJ_Type, type);
        QCOMPARE(context.EJ_Valve_V2, filter);
        QCOMPARE(context.PictureCode(), picture);
        QCOMPARE(inputsOf(context.ModelSelectors()), inputs);
        QCOMPARE(context.PressureInputsEnabled(), cat.toInt() >= 3);
        // The pad and the tubing fit every circuit; the ejector and valves go.
        QVERIFY(!input.PT_ID.isEmpty() && !input.Tube_ID.isEmpty());
        QVERIFY(input.EJ_ID.isEmpty() && input.VA_Jieliu_Name.isEmpty());
        QVERIFY(!context.RestoredFromHistory);
    }

    void unknownCircuitCodeChangesNoCategory() {
        TCalcInput input;
        TWizardContext context(input);
        context.SelectRow(1);
        context.UpdateSystemCategory();
        input.CircuitNum = "10";
        QVERIFY(!context.UpdateSystemCategory());
        QCOMPARE(input.System_Cat, 2);
        QCOMPARE(context.EJ_Type, QString("2"));
    }

    void fillCalcInputInSelection() {
        TCalcInput input = withProducts();
        TWizardContext context(input);
        TConditionValues values{
            .ReleaseSupply = 0.5, .PumpLevel = -80, .StandardPressure = 0.45, .PadCountText = "4"};
        QVERIFY(context.FillCalcInput(values, TOperateType::otSelect, {}));
        QCOMPARE(input.PoHuaiYaLi, 0.5);
        QCOMPARE(input.ZhenKongPengYaLi, 80.0);
        QCOMPARE(input.zhenkongyali, -1.0);
        QCOMPARE(input.BiaoZhunGongyingYaLi, 0.45);
        QCOMPARE(input.k, 1.0);
        QCOMPARE(input.n, 4.0);
        QCOMPARE(input.EJ_n, 3); // the ejector step's
        QCOMPARE(input.V, 0.25); // the tubing step's
        values.PadCountText = "four";
        QString problem;
        QVERIFY(!context.FillCalcInput(values, TOperateType::otSelect, {}, &problem));
        QCOMPARE(problem, QString("Cbxipanshuliang"));
    }

    void fillCalcInputInCalculation_data() {
        QTest::addColumn<bool>("byLength");
        QTest::addColumn<QString>("volumeText");
        QTest::addColumn<int>("volumeUnit");
        QTest::addColumn<bool>("tubeKnown");
        QTest::addColumn<double>("V");
        QTest::addColumn<double>("Se");
        QTest::newRow("length, tube known")
            << true << "" << 0 << true << TubeVolume(2, 4) << TubeEffectiveArea(2, 4);
        QTest::newRow("length, tube unknown") << true << "" << 0 << false << 0.25 << 9.0;
        QTest::newRow("volume in cm3") << false << "5" << 0 << true << 0.005 << 1.0;
        QTest::newRow("volume in dm3") << false << "5" << 1 << true << 5.0 << 1.0;
        QTest::newRow("volume in cL") << false << "5" << 2 << true << 0.05 << 1.0;
    }
    void fillCalcInputInCalculation() {
        QFETCH(bool, byLength);
        QFETCH(QString, volumeText);
        QFETCH(int, volumeUnit);
        QFETCH(bool, tubeKnown);
        QFETCH(double, V);
        QFETCH(double, Se);
        TCalcInput input = withProducts();
        TWizardContext context(input);
        TConditionValues values{.TubeLength = 2,
                                .PadCount = 6,
                                .EjectorCount = 2.7,
                                .ThrottleOpening = 50,
                                .TubeByLength = byLength,
                                .TubeVolumeText = volumeText,
                                .TubeVolumeUnit = volumeUnit,
                                .TubeConductance = 0.2};
        QStringList asked;
        auto diameter = [&](const QString& id) -> std::optional<double> {
            asked << id;
            return tubeKnown ? std::optional<double>(4) : std::nullopt;
        };
        QVERIFY(context.FillCalcInput(values, TOperateType::otCalc, diameter));
        QCOMPARE(input.EJ_n, 2);
        QCOMPARE(input.k, 0.5);
        QCOMPARE(input.n, 6.0);
        QCOMPARE(asked, byLength ? QStringList{"12"} : QStringList());
        QCOMPARE(input.V, V);
        QCOMPARE(input.Se, Se);
    }

    void pagesStepsTitlesAndHelp_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("calc");
        QTest::addColumn<bool>("named");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("help");
        QTest::newRow("conditions") << 0 << 0 << false << false << 1 << "LblTitle1.Caption"
                                    << "9-2-1.htm";
        QTest::newRow("conditions, calc") << 0 << 0 << true << true << 1 << "LblTitle1.Caption"
                                          << "FileMenu.html";
        QTest::newRow("pads") << 1 << 1 << false << true << 2 << "LblTitle2.Caption"
                              << "Welcome.html";
        QTest::newRow("ejector") << 1 << 3 << false << false << 4 << "LblTitle4.Caption"
                                 << "9-2-4.htm";
        QTest::newRow("vacuum unit") << 2 << 3 << false << true << 4 << "LblTitle7.Caption"
                                     << "AboutYourCompany.html";
        QTest::newRow("valves") << 1 << 4 << false << false << 5 << "LblTitle5.Caption"
                                << "9-2-6.htm";
        QTest::newRow("valves, pump") << 3 << 4 << false << true << 4 << "LblTitle5.Caption"
                                      << "seleccion-de-valvula.html";
        QTest::newRow("result") << 1 << 5 << false << false << 0 << "LblTitle6.Caption"
                                << "";
    }
    void pagesStepsTitlesAndHelp() {
        QFETCH(int, row);
        QFETCH(int, page);
        QFETCH(bool, calc);
        QFETCH(bool, named);
        QFETCH(int, step);
        QFETCH(QString, title);
        QFETCH(QString, help);
        TCalcInput input;
        TWizardContext context(input);
        context.SelectRow(row);
        QCOMPARE(context.FlowStep(page), step);
        QCOMPARE(context.TitleKey(page), title);
        const auto mode = calc ? TOperateType::otCalc : TOperateType::otSelect;
        QCOMPARE(context.HelpTopic(page, mode, named), help);
    }

    void navigationAndHintsByCategory_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("afterTube");
        QTest::addColumn<bool>("resultAfterEjector");
        QTest::addColumn<int>("beforeValves");
        QTest::addColumn<QString>("hints");
        QTest::newRow("1") << 0 << 3 << true << 2 << "SkbNext_Tube.Hint SkbNext_EJ2.Hint -";
        QTest::newRow("2") << 1 << 3 << false << 3
                           << "SkbNext_Tube.Hint SkbNext_EJ.Hint SkbReturn_VA.Hint";
        QTest::newRow("3") << 2 << 3 << true << 2 << "SkbNext_Tube2.Hint SkbNext_EJ2.Hint -";
        QTest::newRow("4") << 3 << 4 << true << 2 << "SkbNext_Tube3.Hint - SkbReturn_VA2.Hint";
    }
    void navigationAndHintsByCategory() {
        QFETCH(int, row);
        QFETCH(int, afterTube);
        QFETCH(bool, resultAfterEjector);
        QFETCH(int, beforeValves);
        QFETCH(QString, hints);
        TCalcInput input;
        TWizardContext context(input);
        context.SelectRow(row);
        QCOMPARE(context.PageAfterTube(), afterTube);
        QCOMPARE(context.ResultAfterEjector(), resultAfterEjector);
        QCOMPARE(context.PageBeforeValves(), beforeValves);
        QStringList keys;
        for (const QString& key : {context.NextTubeHintKey(), context.NextEjectorHintKey(),
                                   context.ReturnValvesHintKey()})
            keys << (key.isEmpty() ? QString("-") : key);
        QCOMPARE(keys.join(' '), hints);
    }

    void standardPressureOfTheRadios() {
        QCOMPARE(TWizardContext::SelectedStandardPressure(true, true, true), 0.5);
        QCOMPARE(TWizardContext::SelectedStandardPressure(false, true, true), 0.45);
        QCOMPARE(TWizardContext::SelectedStandardPressure(false, false, true), 0.4);
        QCOMPARE(TWizardContext::SelectedStandardPressure(false, false, false), 0.35);
    }
};

QTEST_GUILESS_MAIN(TestWizardContext)
#include "tst_wizard_context.moc"
