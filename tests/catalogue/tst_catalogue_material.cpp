#include "TestSupport.h"
#include "core/DMComm.h"

#include <QHash>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// The pad sizes of the leakage dialog, smallest first, as the pad table names them.
const QStringList Pads = {"VPF-10", "VPF-20", "VPF-40", "VPF-63"};
const QList<int> Shapes = {0, 1};          // flat, bellows
const QList<int> PadMaterials = {0, 1, 2}; // NBR, silicone, fluororubber
const QStringList Levels = {"LOW", "HIGH"};

// Workpiece materials in the dialog's row order; each has a P_ (vacuum reached,
// kPa) and an L_ (leakage, L/min ANR) column.
const QStringList Workpieces = {
    "STEEL",        "S_WOOD",      "C_WOOD",    "S_CONCRETE", "C_CONCRETE", "CIRCUIT",
    "ST_CARDBOARD", "T_CARDBOARD", "CARDBOARD", "NEWS",       "COPY",       "VINYL",
    "S_STYROFOAM",  "C_STYROFOAM", "CD",        "S_MARBLE",   "C_MARBLE"};

struct Combination {
    QString pad;
    int shape;
    int material;
};

// Deliberate irregularities of the catalogue, which the dialog has to show:
// one combination measured in the low condition only, one whose two
// conditions read the same.
const Combination LowOnly{"VPF-63", 1, 2};
const Combination EqualReadings{"VPF-10", 1, 1};

QString comboKey(const QString& pad, int shape, int material, const QString& level) {
    return QString("%1/%2/%3/%4").arg(pad).arg(shape).arg(material).arg(level);
}

struct Reading {
    QString pad;
    int shape = 0;
    int material = 0;
    QString level;
    QHash<QString, QString> text; // value column -> text as stored

    QString key() const { return comboKey(pad, shape, material, level); }
    double p(const QString& workpiece) const { return text.value("P_" + workpiece).toDouble(); }
    double l(const QString& workpiece) const { return text.value("L_" + workpiece).toDouble(); }
};

QStringList valueColumns() {
    QStringList columns;
    for (const QString& workpiece : Workpieces)
        columns << "P_" + workpiece << "L_" + workpiece;
    return columns;
}

// The statement the leakage dialog builds for one cell: "FROM" for the low
// condition, "FRoM" for the high one.
QString dialogStatement(const QString& fromWord, const QString& pad, int shape, int material,
                        const QString& level) {
    return "SELECT * " + fromWord + " Material WHERE SK_PAD='" + pad + "'" +
           " AND SHAPE_Type=" + QString::number(shape) +
           " AND MATERIA_Type=" + QString::number(material) + " AND PRESSTURE='" + level + "'";
}

} // namespace

class TestCatalogue_material : public QObject {
    Q_OBJECT

    std::unique_ptr<TDMComm> db_;
    QList<Reading> readings_;
    QHash<QString, const Reading*> byKey_;

    const Reading* find(const QString& pad, int shape, int material, const QString& level) const {
        return byKey_.value(comboKey(pad, shape, material, level));
    }

    // Adds one data row per workpiece material.
    static void workpieceRows(bool withSteel) {
        QTest::addColumn<QString>("workpiece");
        for (const QString& workpiece : Workpieces) {
            if (withSteel || workpiece != "STEEL")
                QTest::newRow(qPrintable(workpiece)) << workpiece;
        }
    }

private slots:
    void initTestCase() {
        db_ = std::make_unique<TDMComm>();
        QVERIFY2(ConnectBuiltCatalogue(*db_), qPrintable(db_->LastError()));

        TDataTable table;
        QVERIFY2(db_->GetDataPacket("SELECT * FROM Material", table), qPrintable(db_->LastError()));
        for (table.First(); !table.Eof(); table.Next()) {
            Reading reading;
            reading.pad = table.AsString("SK_PAD");
            reading.shape = table.AsInteger("SHAPE_Type");
            reading.material = table.AsInteger("MATERIA_Type");
            reading.level = table.AsString("PRESSTURE");
            for (const QString& column : valueColumns()) {
                QVERIFY2(table.HasField(column), qPrintable(column));
                reading.text.insert(column, table.AsString(column));
            }
            readings_.append(reading);
        }
        for (const Reading& reading : std::as_const(readings_))
            byKey_.insert(reading.key(), &reading);
    }
    void cleanupTestCase() { db_.reset(); }

    void eachCombinationHasAtMostOneRowPerLevel() {
        QHash<QString, int> rows;
        for (const Reading& reading : std::as_const(readings_))
            ++rows[reading.key()];
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(it.key() + " appears more than once"));
    }

    void everyCombinationHasBothLevelsExceptTheLowOnlyOne() {
        QStringList expected;
        for (const QString& pad : Pads)
            for (int shape : Shapes)
                for (int material : PadMaterials)
                    for (const QString& level : Levels) {
                        if (pad == LowOnly.pad && shape == LowOnly.shape &&
                            material == LowOnly.material && level == "HIGH")
                            continue;
                        expected << comboKey(pad, shape, material, level);
                    }
        QStringList actual;
        for (const Reading& reading : std::as_const(readings_))
            actual << reading.key();
        expected.sort();
        actual.sort();
        QCOMPARE(actual, expected); // also no stray pad name, shape, material or level
    }

    void padDesignationsAreModelsOfThePadTable() {
        for (const QString& pad : Pads) {
            TDataTable pads;
            QVERIFY2(db_->GetDataPacket("SELECT * FROM M_PT WHERE M_NAME='" + pad + "'", pads),
                     qPrintable(db_->LastError()));
            QVERIFY2(pads.RecordCount() == 1, qPrintable(pad + " is no single pad model"));
        }
    }

    void specialCombinationsAreAsDocumented() {
        QVERIFY(find(LowOnly.pad, LowOnly.shape, LowOnly.material, "LOW"));
        QVERIFY(!find(LowOnly.pad, LowOnly.shape, LowOnly.material, "HIGH"));

        const Reading* low =
            find(EqualReadings.pad, EqualReadings.shape, EqualReadings.material, "LOW");
        const Reading* high =
            find(EqualReadings.pad, EqualReadings.shape, EqualReadings.material, "HIGH");
        QVERIFY(low && high);
        QCOMPARE(high->text, low->text);
        QCOMPARE(low->text.value("L_STEEL"), QString("0"));
    }

    // The dialog shows P texts as stored: a negative whole number of kPa. L texts
    // are plain decimals without trailing zeros, "0" for no leakage.
    void valueTextsAreNumbersInTheShownForm_data() {
        QTest::addColumn<QString>("column");
        for (const QString& column : valueColumns())
            QTest::newRow(qPrintable(column)) << column;
    }
    void valueTextsAreNumbersInTheShownForm() {
        QFETCH(QString, column);
        const bool pressure = column.startsWith("P_");
        const QRegularExpression form(pressure ? R"(^-[1-9][0-9]*$)"
                                               : R"(^(0|[1-9][0-9]*|[0-9]+\.[0-9]*[1-9])$)");
        for (const Reading& reading : std::as_const(readings_)) {
            const QString text = reading.text.value(column);
            const QString where = reading.key() + " " + column + "='" + text + "'";
            QVERIFY2(form.match(text).hasMatch(), qPrintable(where));
            bool ok = false;
            const double value = text.toDouble(&ok);
            QVERIFY2(ok, qPrintable(where));
            if (pressure) // between atmosphere and absolute vacuum
                QVERIFY2(value < 0 && value > -101.3, qPrintable(where));
            else // no more than the flow of a measuring source
                QVERIFY2(value >= 0 && value <= 100, qPrintable(where));
        }
    }

    void steelDoesNotLeak() {
        for (const Reading& reading : std::as_const(readings_))
            QVERIFY2(reading.text.value("L_STEEL") == "0", qPrintable(reading.key()));
    }

    // Ties are allowed only where rounding makes two readings equal.
    void vacuumDropsAsLeakageGrows() {
        for (const Reading& reading : std::as_const(readings_)) {
            for (const QString& a : Workpieces)
                for (const QString& b : Workpieces) {
                    if (reading.l(a) > reading.l(b))
                        QVERIFY2(reading.p(a) >= reading.p(b),
                                 qPrintable(reading.key() + ": " + a + " leaks more than " + b +
                                            " but holds a deeper vacuum"));
                }
        }
    }

    void leakageGrowsWithPadSize_data() { workpieceRows(false); }
    void leakageGrowsWithPadSize() {
        QFETCH(QString, workpiece);
        for (int shape : Shapes)
            for (int material : PadMaterials)
                for (const QString& level : Levels)
                    for (int i = 1; i < Pads.size(); ++i) {
                        const Reading* smaller = find(Pads[i - 1], shape, material, level);
                        const Reading* larger = find(Pads[i], shape, material, level);
                        if (!smaller || !larger)
                            continue;
                        QVERIFY2(larger->l(workpiece) > smaller->l(workpiece),
                                 qPrintable(larger->key() + " against " + smaller->key()));
                    }
    }

    void highConditionLeaksAtLeastAsMuchAsLow_data() { workpieceRows(true); }
    void highConditionLeaksAtLeastAsMuchAsLow() {
        QFETCH(QString, workpiece);
        int compared = 0;
        for (const QString& pad : Pads)
            for (int shape : Shapes)
                for (int material : PadMaterials) {
                    const Reading* low = find(pad, shape, material, "LOW");
                    const Reading* high = find(pad, shape, material, "HIGH");
                    if (!low || !high)
                        continue;
                    ++compared;
                    QVERIFY2(high->l(workpiece) >= low->l(workpiece), qPrintable(high->key()));
                }
        QVERIFY(compared > 0);
    }

    void coarseSurfaceLeaksMoreThanSmooth_data() {
        QTest::addColumn<QString>("smooth");
        QTest::addColumn<QString>("coarse");
        QTest::newRow("wood") << "S_WOOD"
                              << "C_WOOD";
        QTest::newRow("concrete") << "S_CONCRETE"
                                  << "C_CONCRETE";
        QTest::newRow("styrofoam") << "S_STYROFOAM"
                                   << "C_STYROFOAM";
        QTest::newRow("marble") << "S_MARBLE"
                                << "C_MARBLE";
    }
    void coarseSurfaceLeaksMoreThanSmooth() {
        QFETCH(QString, smooth);
        QFETCH(QString, coarse);
        for (const Reading& reading : std::as_const(readings_))
            QVERIFY2(reading.l(coarse) > reading.l(smooth), qPrintable(reading.key()));
    }

    // Every choice the dialog offers gives one row per condition, however the
    // pad name is spelt; the low-only combination gives none for 'HIGH'.
    void dialogStatementsFindOneRow_data() {
        QTest::addColumn<QString>("fromWord");
        QTest::addColumn<bool>("lowerCasePad");
        QTest::newRow("FROM, pad as listed") << "FROM" << false;
        QTest::newRow("FRoM, pad as listed") << "FRoM" << false;
        QTest::newRow("FROM, pad in lower case") << "FROM" << true;
        QTest::newRow("FRoM, pad in lower case") << "FRoM" << true;
    }
    void dialogStatementsFindOneRow() {
        QFETCH(QString, fromWord);
        QFETCH(bool, lowerCasePad);
        for (const QString& pad : Pads)
            for (int shape : Shapes)
                for (int material : PadMaterials)
                    for (const QString& level : Levels) {
                        const QString statement = dialogStatement(
                            fromWord, lowerCasePad ? pad.toLower() : pad, shape, material, level);
                        const bool lowOnly = pad == LowOnly.pad && shape == LowOnly.shape &&
                                             material == LowOnly.material && level == "HIGH";
                        QVERIFY2(db_->OpenSQL(statement), qPrintable(statement));
                        int rows = 0;
                        for (; !db_->QComm.Eof(); db_->QComm.Next()) {
                            ++rows;
                            QVERIFY2(!db_->QComm.AsString("P_S_WOOD").isEmpty(),
                                     qPrintable(statement));
                        }
                        db_->QComm.Close();
                        QVERIFY2(rows == (lowOnly ? 0 : 1), qPrintable(statement));
                    }
    }
};

QTEST_GUILESS_MAIN(TestCatalogue_material)
#include "tst_catalogue_material.moc"
