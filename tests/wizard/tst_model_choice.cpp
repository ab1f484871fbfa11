#include "TestSupport.h"
#include "calc/CalcCircuit.h"
#include "core/DMComm.h"
#include "results/HistoryFile.h"
#include "wizard/ModelChoice.h"
#include "wizard/WizardContext.h"

#include <QtTest>

namespace {

TModelChoiceRequest request(int kind, const QString& circuit, int systemCat = 1,
                            const QString& type = "1", const QString& valves = {}) {
    TModelChoiceRequest r;
    r.Kind = kind;
    r.Circuit = circuit;
    r.SystemCat = systemCat;
    r.TypeFilter = type;
    r.ValveFilter = valves;
    r.Region = "ASIA";
    return r;
}

QStringList keysOf(const QList<TListRow>& rows) {
    QStringList keys;
    for (const TListRow& row : rows)
        keys << row.Key;
    return keys;
}

QStringList textsOf(const QList<TModelListRow>& rows) {
    QStringList texts;
    for (const TModelListRow& row : rows)
        texts << row.Text;
    return texts;
}

} // namespace

class TestModelChoice : public QObject {
    Q_OBJECT

    TDMComm db;

private slots:
    void initTestCase() { QVERIFY(ConnectBuiltCatalogue(db)); }

    // The statements as the catalogue expects them, "." in numbers whatever the locale.
    void statementsAreWrittenAsGiven() {
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(ModelSeriesSql(request(mkPad, "1")).value(),
                 QString("SELECT DISTINCT(P.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,"
                         "S.ID AS ID FROM SERIES AS S,M_PT AS P WHERE S.SERIESID = P.SERIESID  "
                         "AND (S.ASIA<>0) AND (P.ASIA<>0) ORDER BY P.SERIESID"));
        QCOMPARE(ModelSeriesSql(request(mkEjector, "2", 1, "1", "Valve_V2=1")).value(),
                 QString("SELECT DISTINCT(E.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,"
                         "S.ID AS ID FROM SERIES AS S,M_EJ AS E WHERE S.SERIESID = E.SERIESID AND "
                         "E.System_Cat=1 AND E.Type=1 AND Valve_V2=1 AND (S.ASIA<>0) AND "
                         "(E.ASIA<>0) ORDER BY E.SERIESID"));
        QCOMPARE(
            ModelListSql(request(mkEjector, "1"), "EVA", true, TEjectorFilter{"S", 0.45}).value(),
            QString("SELECT ID,M_Name,M_Name1,Stand_Pressure,Flow_Type FROM M_EJ AS E WHERE "
                    "SERIESID='EVA' AND E.System_Cat=1  AND Flow_Type='S'  AND "
                    "Stand_Pressure=0.45 AND E.Type=1 AND E.ASIA<>0 ORDER BY id"));
        QCOMPARE(ModelListSql(request(mkReleaseValve, "3"), "VSA", true, {}).value(),
                 QString("SELECT ID,M_Name,C1to2 FROM M_VA WHERE USE=0 AND (Port=2 OR Port=3) AND "
                         "SeriesID='VSA' AND ASIA<>0 ORDER BY C1to2 ASC"));
        QLocale::setDefault(QLocale::c());
    }

    // A value that is not one of the catalogue's forms never reaches a statement.
    void foreignValuesAreNeverPasted_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("region") << "region"
                                << "ASIA<>0 OR 1";
        QTest::newRow("series") << "series"
                                << "EVA' OR '1'='1";
        QTest::newRow("type") << "type"
                              << "1 OR 1=1";
        QTest::newRow("valves") << "valves"
                                << "Valve_V2=1; DROP TABLE M_EJ";
        QTest::newRow("flow type") << "flow"
                                   << "S' OR '1'='1";
    }
    void foreignValuesAreNeverPasted() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        TModelChoiceRequest r = request(mkEjector, "1");
        QString series = "EVA";
        TEjectorFilter filter{"S", 0.4};
        QString* target[] = {&r.Region, &r.TypeFilter, &r.ValveFilter, &series, &filter.FlowType};
        *target[QStringList({"region", "type", "valves", "series", "flow"}).indexOf(field)] = value;
        QVERIFY(!ModelListSql(r, series, true, filter));
        QVERIFY(ModelListRows(db, r, series, true, filter).isEmpty());
    }

    // On the shipped catalogue.
    void listsFollowTheKindAndCircuit() {
        // A switching valve for "3b" has 3 ports and use 0 or 1.
        QCOMPARE(keysOf(ModelSeriesRows(db, request(mkSwitchingValve, "3b", 2, "2"))),
                 QStringList({"VSB", "VSC"}));
        QCOMPARE(keysOf(ModelSeriesRows(db, request(mkSwitchingValve, "1"))), QStringList());
        // VSC's 2-port valve cannot switch in "3b".
        QCOMPARE(ModelListRows(db, request(mkSwitchingValve, "3b", 2, "2"), "VSC", true, {}).size(),
                 4);
        // Without release valve the ejector is named by its second name.
        QCOMPARE(textsOf(ModelListRows(db, request(mkEjector, "2"), "EVA", true,
                                       TEjectorFilter{"S", 0.4}))
                     .first(),
                 QString("EVA-05S-40-N"));
        // Vacuum units by ID, whatever the ejector radios say.
        QCOMPARE(textsOf(ModelListRows(db, request(mkEjector, "6", 3), "VUP", true,
                                       TEjectorFilter{"L", 0.35})),
                 QStringList({"VUP-06", "VUP-12", "VUP-24", "VUP-40"}));
        // A pressure the series lacks leaves no model.
        QVERIFY(ModelListRows(db, request(mkEjector, "1"), "EVA", true, TEjectorFilter{"S", 0.35})
                    .isEmpty());
        const TStandardPressures evb =
            EjectorChoices(ModelListRows(db, request(mkEjector, "1"), "EVB", true, {}));
        QVERIFY(evb.Offered[0] && !evb.Offered[1] && evb.Offered[2] && evb.Offered[3]);
        QVERIFY(evb.Standard && evb.Large);
    }

    // Each kind names its own fields of the record, and only those.
    void aChoiceGoesToTheFieldsOfItsKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("pad") << int(mkPad) << "PT_";
        QTest::newRow("tubing") << int(mkTube) << "Tube_";
        QTest::newRow("ejector") << int(mkEjector) << "EJ_";
        QTest::newRow("V1") << int(mkSupplyValve) << "VA_Gongying_";
        QTest::newRow("V3") << int(mkSwitchingValve) << "VA_QieHuan_";
        QTest::newRow("V2") << int(mkReleaseValve) << "VA_Pohuai_";
        QTest::newRow("throttle") << int(mkThrottle) << "VA_Jieliu_";
    }
    void aChoiceGoesToTheFieldsOfItsKind() {
        QFETCH(int, kind);
        QFETCH(QString, prefix);
        TCalcInput input;
        TWizardContext context(input);
        context.TakeModelChoice(kind, "S1", "7", "M-7");
        const auto fields = CalcInputFields(input);
        const auto blank = CalcInputFields(TCalcInput{});
        QStringList changed;
        for (int i = 0; i < fields.size(); ++i) {
            if (fields[i].second != blank[i].second)
                changed << fields[i].first;
        }
        QCOMPARE(changed, QStringList({prefix + "Series_ID", prefix + "ID", prefix + "Name"}));
        const TModelChoiceRequest again = context.ModelChoiceRequest(kind);
        QCOMPARE(again.SeriesId + again.ModelId, QString("S17"));
    }

    // Every circuit calculates from the first model the dialog lists for each
    // product the circuit uses.
    void everyCircuitCalculatesFromListedModels_data() {
        QTest::addColumn<QString>("circuit");
        for (const char* code :
             {"1", "2", "3", "4", "3b", "4b", "5", "6", "7", "8", "7b", "8b", "9", "9b"})
            QTest::newRow(code) << code;
    }
    void everyCircuitCalculatesFromListedModels() {
        QFETCH(QString, circuit);
        TCalcInput input;
        TWizardContext context(input);
        context.SetRegion(0);
        context.ChangeOptions(OptionsOfCircuit(circuit).value());
        QVERIFY(context.UpdateSystemCategory());
        const TModelSelectors used = context.ModelSelectors();
        const bool kinds[] = {true,
                              true,
                              used.Ejector,
                              used.SupplyValve,
                              used.SwitchingValve,
                              used.ReleaseValve,
                              used.Throttle};
        for (int kind = mkPad; kind <= mkThrottle; ++kind) {
            if (!kinds[kind - 1])
                continue;
            const TModelChoiceRequest r = context.ModelChoiceRequest(kind);
            const QList<TListRow> series = ModelSeriesRows(db, r);
            QVERIFY2(!series.isEmpty(), qPrintable(QString::number(kind)));
            QList<TModelListRow> models = ModelListRows(db, r, series[0].Key, true, {});
            if (kind == mkEjector && input.System_Cat <= 2) {
                const TStandardPressures offered = EjectorChoices(models);
                const double pressures[] = {0.35, 0.4, 0.45, 0.5};
                models = ModelListRows(
                    db, r, series[0].Key, true,
                    TEjectorFilter{offered.Standard ? "S" : "L", pressures[offered.Lowest()]});
            }
            QVERIFY2(!models.isEmpty(), qPrintable(QString::number(kind)));
            context.TakeModelChoice(kind, series[0].Key, models[0].Id, models[0].Text);
        }
        TConditionValues values;
        values.ReleaseSupply = 0.4;
        values.PumpLevel = 80;
        values.Mass = 0.1;
        values.TubeLength = 1;
        values.Leakage = 0.1;
        values.PadCount = 1;
        values.EjectorCount = 1;
        values.ThrottleOpening = 100;
        TCalcOutput output;
        TCalcSession session;
        const TStepOutcome outcome = context.LeaveEquipmentPanel(db, values, output, session);
        QVERIFY2(outcome.Proceed, qPrintable(outcome.MessageKey));
        QVERIFY(output.xizhuoyingdashijian > 0 && output.anquanlv > 0);
    }

    // Leaving page 0 in calculation mode.
    void leavingTheEquipmentPanel() {
        TCalcInput input;
        TWizardContext context(input);
        context.SetRegion(0);
        context.SelectRow(2); // a vacuum pump with a vacuum unit
        QVERIFY(context.UpdateSystemCategory());
        context.TakeModelChoice(mkEjector, "VUP", "3201", "VUP-06");
        TCalcOutput output;
        TCalcSession session;
        TConditionValues values;
        values.ReleaseSupply = 0.2;
        const TStepOutcome outcome = context.LeaveEquipmentPanel(db, values, output, session);
        QCOMPARE(outcome.MessageKey, QString("MSGZK2MIN"));
        QVERIFY(input.EJ_ID.isEmpty() && input.EJ_Name.isEmpty());
        // An ejector is calculated at its own standard supply pressure.
        context.SelectRow(0);
        QVERIFY(context.UpdateSystemCategory());
        context.TakeModelChoice(mkEjector, "EVA", "2102", "EVA-05S-50-R");
        values.StandardPressure = 0.35;
        context.FillPanelInput(db, values);
        QCOMPARE(input.BiaoZhunGongyingYaLi, 0.5);
    }
};

QTEST_GUILESS_MAIN(TestModelChoice)
#include "tst_model_choice.moc"
