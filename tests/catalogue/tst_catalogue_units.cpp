#include "TestSupport.h"
#include "core/DMComm.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <set>

// The units part of the built catalogue: units and their factors, the
// parameters with their bounds and presets in every unit, the module items
// and the unit schemes. Conversion follows the unit manager: base = value *
// MultiPlier - AddNum; into a temperature unit named "F" or "degF" the fixed
// rule base * 1.8 + 32 is used instead of the table.

namespace {

struct Unit {
    int category = 0;
    int sub = 0;
    QString name;
    double multiplier = 1;
    double addNum = 0;
};

struct ParaUnit {
    int paraType = 0;
    int category = 0;
    int sub = 0;
    bool isDefault = false;
    int decimals = 0;
    double inputMin = 0;
    double inputMax = 0;
    int confine = 0;
    int lanId = 0;
    double defNum = 0;
    QList<int> sortNos;
    QList<double> presets;
};

using Para = QList<ParaUnit>; // ascending SubUnitCategoryID: index = unit index

double toBase(const Unit& u, double x) {
    return x * u.multiplier - u.addNum;
}
double fromBaseByTable(const Unit& u, double b) {
    return (b + u.addNum) / u.multiplier;
}
double fromBase(const Unit& u, double b) {
    if (u.category == 6 && (u.name == "F" || u.name == "degF"))
        return b * 1.8 + 32;
    return fromBaseByTable(u, b);
}

bool near(double actual, double expected, double tolerance) {
    return std::abs(actual - expected) <= tolerance + 1e-9 * std::max(1.0, std::abs(expected));
}

bool accepted(double v, double lo, double hi, int confine) {
    switch (confine) {
    case 0:
        return lo < v && v < hi;
    case 1:
        return lo <= v && v < hi;
    case 2:
        return lo < v && v <= hi;
    default:
        return lo <= v && v <= hi;
    }
}

QString key(int a, int b) {
    return QString::number(a) + QString::number(b);
}

} // namespace

class TestCatalogueUnits : public QObject {
    Q_OBJECT

    std::unique_ptr<TDMComm> db_;
    std::map<std::pair<int, int>, Unit> units_;
    std::map<int, Para> paras_;
    std::set<int> presetRecNumbers_;    // rows that belong to a parameter unit
    QList<int> orphanPresetRecNumbers_; // rows that no parameter unit owns

    TDataTable table(const QString& statement) {
        TDataTable t;
        if (!db_->GetDataPacket(statement, t))
            qWarning("%s: %s", qPrintable(statement), qPrintable(db_->LastError()));
        return t;
    }

    const Unit* unit(int category, int sub) const {
        const auto it = units_.find({category, sub});
        return it == units_.end() ? nullptr : &it->second;
    }
    // A unit missing from UnitCategory converts to NaN, which fails every comparison.
    const Unit& unitOf(const ParaUnit& pu) const {
        static const Unit missing{0, 0, "(missing)", std::numeric_limits<double>::quiet_NaN(), 0};
        const Unit* u = unit(pu.category, pu.sub);
        return u ? *u : missing;
    }
    const Unit* unitNamed(const QString& name) const {
        for (const auto& [id, u] : units_) {
            if (u.name == name)
                return &u;
        }
        return nullptr;
    }
    const Para* para(int id) const {
        const auto it = paras_.find(id);
        return it == paras_.end() ? nullptr : &it->second;
    }
    static int defaultIndex(const Para& p) {
        for (int i = 0; i < p.size(); ++i) {
            if (p.at(i).isDefault)
                return i;
        }
        return -1;
    }
    static const ParaUnit* defaultOf(const Para* p) {
        const int i = p ? defaultIndex(*p) : -1;
        return i < 0 ? nullptr : &p->at(i);
    }
    // A value of unit pu expressed in the default unit d, and how far rounding
    // to pu's decimals may move it there.
    double toDefault(const ParaUnit& pu, const ParaUnit& d, double x) const {
        return fromBase(unitOf(d), toBase(unitOf(pu), x));
    }
    double roundingIn(const ParaUnit& pu, const ParaUnit& d) const {
        return 0.5 * std::pow(10.0, -pu.decimals) * unitOf(pu).multiplier / unitOf(d).multiplier;
    }

    void addParameterRows() {
        QTest::addColumn<int>("paraId");
        for (const auto& [id, p] : paras_)
            QTest::addRow("%d", id) << id;
    }

private slots:
    void initTestCase() {
        db_ = std::make_unique<TDMComm>();
        QVERIFY2(ConnectBuiltCatalogue(*db_), qPrintable(db_->LastError()));

        TDataTable u = table("SELECT * FROM UnitCategory");
        for (u.First(); !u.Eof(); u.Next()) {
            const Unit one{u.AsInteger("UnitCategoryID"), u.AsInteger("SubUnitCategoryID"),
                           u.AsString("UnitName"), u.AsFloat("MultiPlier"), u.AsFloat("AddNum")};
            units_[{one.category, one.sub}] = one;
        }
        TDataTable p = table("SELECT * FROM ParaInfo ORDER BY ParaID, SubUnitCategoryID, LanId");
        for (p.First(); !p.Eof(); p.Next()) {
            ParaUnit pu;
            pu.paraType = p.AsInteger("ParaType");
            pu.category = p.AsInteger("UnitCategoryID");
            pu.sub = p.AsInteger("SubUnitCategoryID");
            pu.isDefault = p.AsInteger("IsDefaultUnit") == 1;
            pu.decimals = p.AsInteger("Avail_DecPoint");
            pu.inputMin = p.AsFloat("InputMin");
            pu.inputMax = p.AsFloat("InputMax");
            pu.confine = p.AsInteger("Confine");
            pu.lanId = p.AsInteger("LanId");
            pu.defNum = p.AsFloat("DefNum");
            paras_[p.AsInteger("ParaID")].append(pu);
        }
        TDataTable c = table("SELECT * FROM CommonValue ORDER BY ParaID, UnitCategoryID, "
                             "SubUnitCategoryID, SortNo, NumPopData");
        QVERIFY(!units_.empty() && !paras_.empty() && !c.IsEmpty());
        for (c.First(); !c.Eof(); c.Next()) {
            ParaUnit* owner = nullptr;
            if (auto it = paras_.find(c.AsInteger("ParaID")); it != paras_.end()) {
                for (ParaUnit& pu : it->second) {
                    if (pu.paraType == 0 && pu.category == c.AsInteger("UnitCategoryID") &&
                        pu.sub == c.AsInteger("SubUnitCategoryID") &&
                        pu.lanId == c.AsInteger("LanId"))
                        owner = &pu;
                }
            }
            if (!owner) {
                orphanPresetRecNumbers_.append(c.AsInteger("RecNumber"));
                continue;
            }
            owner->sortNos.append(c.AsInteger("SortNo"));
            owner->presets.append(c.AsFloat("NumPopData"));
            presetRecNumbers_.insert(c.AsInteger("RecNumber"));
        }
    }
    void cleanupTestCase() { db_.reset(); }

    void captionKeysAreUniqueAndEveryCategoryStartsAtItsBaseUnit() {
        std::set<QString> keys;
        std::set<int> categories;
        for (const auto& [id, u] : units_) {
            QVERIFY2(keys.insert(key(u.category, u.sub)).second,
                     qPrintable("caption key taken twice: " + key(u.category, u.sub)));
            QVERIFY2(u.multiplier > 0, qPrintable(u.name));
            if (categories.insert(u.category).second) // the category's lowest unit
                QVERIFY2(u.multiplier == 1 && u.addNum == 0, qPrintable(u.name));
        }
        QCOMPARE(int(categories.size()), 11);
    }

    void unitsConvertWithExactFactors_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("to");
        QTest::addColumn<double>("expected");
        QTest::newRow("kPa to MPa") << "kPa" << 250.0 << "MPa" << 0.25;
        QTest::newRow("MPa to kPa") << "MPa" << 0.25 << "kPa" << 250.0;
        QTest::newRow("bar") << "bar" << 1.0 << "kPa" << 100.0;
        QTest::newRow("psi") << "psi" << 1.0 << "kPa" << 6.894757293168;
        QTest::newRow("inHg") << "inHg" << 1.0 << "kPa" << 3.386389;
        QTest::newRow("mmHg") << "mmHg" << 1.0 << "kPa" << 0.133322387415;
        QTest::newRow("Torr: 760 is one atmosphere") << "Torr" << 760.0 << "kPa" << 101.325;
        QTest::newRow("psi to bar") << "psi" << 14.5 << "bar" << 14.5 * 0.06894757293168;
        QTest::newRow("ms") << "ms" << 1500.0 << "s" << 1.5;
        QTest::newRow("min") << "min" << 2.0 << "s" << 120.0;
        QTest::newRow("m³/h") << "m³/h (ANR)" << 3.6 << "L/min (ANR)" << 60.0;
        QTest::newRow("ft³/min") << "ft³/min (ANR)" << 1.0 << "L/min (ANR)" << 28.316846592;
        QTest::newRow("mm") << "mm" << 1500.0 << "m" << 1.5;
        QTest::newRow("ft") << "ft" << 1.0 << "m" << 0.3048;
        QTest::newRow("in") << "in" << 12.0 << "ft" << 1.0;
        QTest::newRow("g") << "g" << 250.0 << "kg" << 0.25;
        QTest::newRow("lb") << "lb" << 1.0 << "kg" << 0.45359237;
        QTest::newRow("dm³") << "dm³" << 1.0 << "cm³" << 1000.0;
        QTest::newRow("cL") << "cL" << 1.0 << "cm³" << 10.0;
        QTest::newRow("212 degF") << "degF" << 212.0 << "degC" << 100.0;
        QTest::newRow("100 degC") << "degC" << 100.0 << "degF" << 212.0;
        QTest::newRow("-40 degF") << "degF" << -40.0 << "degC" << -40.0;
        QTest::newRow("0 degC in degF") << "degC" << 0.0 << "degF" << 32.0;
        QTest::newRow("K") << "K" << 273.15 << "degC" << 0.0;
        QTest::newRow("K to degF") << "K" << 373.15 << "degF" << 212.0;
    }
    void unitsConvertWithExactFactors() {
        QFETCH(QString, from);
        QFETCH(double, value);
        QFETCH(QString, to);
        QFETCH(double, expected);
        const Unit* a = unitNamed(from);
        const Unit* b = unitNamed(to);
        QVERIFY2(a && b, "unit missing");
        QCOMPARE(a->category, b->category);
        const double base = toBase(*a, value);
        QVERIFY2(near(fromBase(*b, base), expected, 1e-12),
                 qPrintable(QString::number(fromBase(*b, base), 'g', 17)));
        // The fixed Fahrenheit rule and the table's own factors must agree, so
        // that a value converted out of a unit and back stays the same.
        QVERIFY(near(fromBaseByTable(*b, base), expected, 1e-12));
        QVERIFY(near(toBase(*b, fromBase(*b, base)), base, 1e-12));
    }

    void parameterIsWellFormed_data() { addParameterRows(); }
    void parameterIsWellFormed() {
        QFETCH(int, paraId);
        const Para& p = *para(paraId);
        int defaults = 0;
        for (const ParaUnit& pu : p) {
            const QString where = QString("unit %1.%2").arg(pu.category).arg(pu.sub);
            // The preset editor lists a parameter's units without regard to
            // language; a row of another language would show its unit twice.
            QVERIFY2(pu.lanId == 1033, qPrintable(where));
            QVERIFY2(unit(pu.category, pu.sub), qPrintable(where + " is not in UnitCategory"));
            QCOMPARE(pu.category, p.first().category);
            QCOMPARE(pu.paraType, p.first().paraType);
            QVERIFY2(pu.paraType == 0 || pu.paraType == 1, qPrintable(where));
            QVERIFY2(pu.confine >= 0 && pu.confine <= 3, qPrintable(where));
            QCOMPARE(pu.confine, p.first().confine);
            QVERIFY2(pu.decimals >= 0 && pu.decimals <= 6, qPrintable(where));
            // A unit of a preset parameter without presets is not loaded at all.
            if (pu.paraType == 0)
                QVERIFY2(!pu.presets.isEmpty(), qPrintable(where + " has no presets"));
            defaults += pu.isDefault ? 1 : 0;
        }
        QCOMPARE(defaults, 1);
        // Unit index 0 is taken as the base unit by the conversions.
        const Unit& first = unitOf(p.first());
        QVERIFY2(first.multiplier == 1 && first.addNum == 0, qPrintable(first.name));
    }

    void boundsAndDefaultAgreeInEveryUnit_data() { addParameterRows(); }
    void boundsAndDefaultAgreeInEveryUnit() {
        QFETCH(int, paraId);
        const Para& p = *para(paraId);
        const ParaUnit* def = defaultOf(&p);
        QVERIFY2(def, "no default unit");
        const ParaUnit& d = *def;
        for (const ParaUnit& pu : p) {
            const QString where = unitOf(pu).name;
            QVERIFY2(pu.inputMin < pu.inputMax, qPrintable(where));
            QVERIFY2(accepted(pu.defNum, pu.inputMin, pu.inputMax, pu.confine), qPrintable(where));
            const double slack = roundingIn(pu, d);
            QVERIFY2(near(toDefault(pu, d, pu.inputMin), d.inputMin, slack), qPrintable(where));
            QVERIFY2(near(toDefault(pu, d, pu.inputMax), d.inputMax, slack), qPrintable(where));
            QVERIFY2(near(toDefault(pu, d, pu.defNum), d.defNum, slack), qPrintable(where));
        }
    }

    void presetsAgreeInEveryUnit_data() { addParameterRows(); }
    void presetsAgreeInEveryUnit() {
        QFETCH(int, paraId);
        const Para& p = *para(paraId);
        const ParaUnit* def = defaultOf(&p);
        QVERIFY2(def, "no default unit");
        const ParaUnit& d = *def;
        for (const ParaUnit& pu : p) {
            const QString where = unitOf(pu).name;
            if (pu.paraType == 1) {
                QVERIFY2(pu.presets.isEmpty(), qPrintable(where + ": presets are never loaded"));
                continue;
            }
            QCOMPARE(pu.presets.size(), d.presets.size());
            for (int i = 0; i < pu.presets.size(); ++i) {
                const double v = pu.presets.at(i);
                const QString at = where + " preset " + QString::number(v);
                if (i > 0) { // a tie in SortNo leaves the order to the values
                    QVERIFY2(pu.sortNos.at(i) > pu.sortNos.at(i - 1), qPrintable(at));
                    QVERIFY2(!pu.presets.mid(0, i).contains(v), qPrintable(at + " twice"));
                }
                QVERIFY2(pu.sortNos.at(i) >= 0 && pu.sortNos.at(i) <= 10000, qPrintable(at));
                QVERIFY2(accepted(v, pu.inputMin, pu.inputMax, pu.confine), qPrintable(at));
                QVERIFY2(near(toDefault(pu, d, v), d.presets.at(i), roundingIn(pu, d)),
                         qPrintable(at));
            }
        }
    }

    void boundParameterHasItsCalculationUnitAndPreselection_data() {
        const double none = std::numeric_limits<double>::quiet_NaN();
        QTest::addColumn<int>("paraId");
        QTest::addColumn<int>("paraType");
        QTest::addColumn<QString>("defaultUnit");
        QTest::addColumn<int>("preselected"); // preset the wizard selects by position
        QTest::addColumn<double>("defaultValue");
        QTest::newRow("100 response time") << 100 << 0 << "s" << -1 << none;
        QTest::newRow("101 required vacuum") << 101 << 0 << "kPa" << 0 << none;
        QTest::newRow("102 leakage: the wizard writes 0.1")
            << 102 << 0 << "L/min (ANR)" << -1 << 0.1;
        QTest::newRow("105 pads") << 105 << 0 << "pcs" << 0 << 1.0;
        QTest::newRow("106 tubing length") << 106 << 0 << "m" << 1 << none;
        QTest::newRow("107 tubing volume") << 107 << 0 << "dm³" << 2 << none;
        QTest::newRow("108 conductance") << 108 << 0 << "dm³/(s·bar)" << 0 << none;
        QTest::newRow("109 ejectors") << 109 << 0 << "pcs" << 0 << 1.0;
        QTest::newRow("110 throttle fully open") << 110 << 0 << "%" << 4 << 100.0;
        QTest::newRow("111 supply pressure") << 111 << 0 << "MPa" << 2 << none;
        QTest::newRow("112 pump pressure") << 112 << 0 << "kPa" << 2 << none;
        QTest::newRow("113 mass") << 113 << 0 << "kg" << 0 << none;
        QTest::newRow("114 maximum vacuum") << 114 << 1 << "kPa" << -1 << none;
        QTest::newRow("115 adsorption time") << 115 << 1 << "s" << -1 << none;
        QTest::newRow("116 release time") << 116 << 1 << "s" << -1 << none;
        QTest::newRow("117 air consumption") << 117 << 1 << "L/min (ANR)" << -1 << none;
        QTest::newRow("118 working vacuum") << 118 << 0 << "kPa" << -1 << none;
        QTest::newRow("121 standard pressure") << 121 << 1 << "MPa" << -1 << none;
        QTest::newRow("123 pump flow") << 123 << 1 << "L/min (ANR)" << -1 << none;
        QTest::newRow("1000 safety factor: horizontal attitude") << 1000 << 0 << "-" << 0 << 4.0;
    }
    void boundParameterHasItsCalculationUnitAndPreselection() {
        QFETCH(int, paraId);
        QFETCH(int, paraType);
        QFETCH(QString, defaultUnit);
        QFETCH(int, preselected);
        QFETCH(double, defaultValue);
        const Para* p = para(paraId);
        QVERIFY2(p, "parameter missing");
        QCOMPARE(p->first().paraType, paraType);
        const ParaUnit* d = defaultOf(p);
        QVERIFY2(d, "no default unit");
        QCOMPARE(unitOf(*d).name, defaultUnit);
        if (!std::isnan(defaultValue))
            QCOMPARE(d->defNum, defaultValue);
        if (preselected < 0)
            return;
        // Refreshing a button in a remembered unit shows DefNum; it must be the
        // value the wizard preselects, in every unit.
        for (const ParaUnit& pu : *p) {
            QVERIFY2(pu.presets.size() > preselected, qPrintable(unitOf(pu).name));
            QVERIFY2(near(pu.defNum, pu.presets.at(preselected), 0), qPrintable(unitOf(pu).name));
        }
    }

    void typedTubingVolumeMeansTheSameInTheVolumeUnits_data() {
        // The wizard reads a typed volume by unit position: /1000, as is, /100.
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("dm3PerUnit");
        QTest::newRow("index 0") << 0 << 0.001;
        QTest::newRow("index 1") << 1 << 1.0;
        QTest::newRow("index 2") << 2 << 0.01;
    }
    void typedTubingVolumeMeansTheSameInTheVolumeUnits() {
        QFETCH(int, index);
        QFETCH(double, dm3PerUnit);
        const Para* p = para(107);
        QVERIFY(p && p->size() > index);
        QCOMPARE(defaultIndex(*p), 1);
        QVERIFY(near(toDefault(p->at(index), p->at(1), 5), 5 * dm3PerUnit, 1e-15));
    }

    void moduleItemsNameParametersInTheirDefaultUnit() {
        TDataTable models = table("SELECT ModelID FROM ModelMaster ORDER BY ModelID");
        QList<int> modelIds;
        for (models.First(); !models.Eof(); models.Next())
            modelIds.append(models.AsInteger("ModelID"));
        QCOMPARE(modelIds, QList<int>({1, 2}));

        TDataTable items = table("SELECT * FROM ModelDetail");
        QVERIFY(!items.IsEmpty());
        std::set<int> itemParas;
        std::set<QString> nameKeys;
        for (items.First(); !items.Eof(); items.Next()) {
            const int model = items.AsInteger("ModelID");
            const int paraId = items.AsInteger("ParaID");
            const QString where = QString("item %1.%2").arg(model).arg(items.AsInteger("ItemID"));
            QVERIFY2(modelIds.contains(model), qPrintable(where));
            QVERIFY2(nameKeys.insert(key(model, items.AsInteger("ItemID"))).second,
                     qPrintable(where + ": name key taken twice"));
            // A scheme is looked up through a parameter's first item only.
            QVERIFY2(itemParas.insert(paraId).second, qPrintable(where + ": second item"));
            const Para* p = para(paraId);
            const ParaUnit* def = defaultOf(p);
            QVERIFY2(def, qPrintable(where + ": no such parameter or no default unit"));
            const ParaUnit& d = *def;
            QCOMPARE(items.AsInteger("DefUnitCategoryID"), d.category);
            QCOMPARE(items.AsInteger("DefSubUnitCategoryID"), d.sub);
            // The preset page edits the presets of the items marked as inputs.
            if (items.AsInteger("InputFlag") == 1)
                QVERIFY2(d.paraType == 0, qPrintable(where + ": no presets to edit"));
            // The scheme editor offers every unit of the item's category.
            for (const auto& [id, u] : units_) {
                if (u.category != d.category)
                    continue;
                const bool offered = std::any_of(
                    p->begin(), p->end(), [&](const ParaUnit& pu) { return pu.sub == u.sub; });
                QVERIFY2(offered, qPrintable(where + " lacks " + u.name));
            }
        }
        // Every parameter has an item, so that the unit schemes reach it.
        for (const auto& [id, p] : paras_)
            QVERIFY2(itemParas.count(id) == 1, qPrintable(QString::number(id)));
    }

    void everySchemeGivesEveryItemAUnitOfItsParameter() {
        std::map<std::pair<int, int>, std::pair<int, int>> defaults; // item -> default unit
        std::map<std::pair<int, int>, int> itemParas;
        TDataTable items = table("SELECT * FROM ModelDetail");
        for (items.First(); !items.Eof(); items.Next()) {
            const std::pair item{items.AsInteger("ModelID"), items.AsInteger("ItemID")};
            defaults[item] = {items.AsInteger("DefUnitCategoryID"),
                              items.AsInteger("DefSubUnitCategoryID")};
            itemParas[item] = items.AsInteger("ParaID");
        }
        std::set<int> schemes;
        TDataTable master = table("SELECT SchemeID FROM UnitSchemeMaster");
        for (master.First(); !master.Eof(); master.Next())
            schemes.insert(master.AsInteger("SchemeID"));
        QVERIFY2(schemes.count(1) == 1, "scheme 1 has no master row");

        std::map<int, std::map<std::pair<int, int>, std::pair<int, int>>> chosen;
        TDataTable detail = table("SELECT * FROM UnitSchemeDetail");
        for (detail.First(); !detail.Eof(); detail.Next()) {
            const int scheme = detail.AsInteger("SchemeID");
            const std::pair item{detail.AsInteger("ModelID"), detail.AsInteger("ItemID")};
            const QString where =
                QString("scheme %1 item %2.%3").arg(scheme).arg(item.first).arg(item.second);
            QVERIFY2(schemes.count(scheme) == 1, qPrintable(where + ": no master row"));
            QVERIFY2(itemParas.count(item) == 1, qPrintable(where + ": no such item"));
            const std::pair u{detail.AsInteger("UnitCategoryID"),
                              detail.AsInteger("SubUnitCategoryID")};
            const Para* p = para(itemParas.at(item));
            QVERIFY2(p, qPrintable(where + ": no such parameter"));
            const bool ofParameter = std::any_of(p->begin(), p->end(), [&](const ParaUnit& pu) {
                return pu.category == u.first && pu.sub == u.second;
            });
            QVERIFY2(ofParameter, qPrintable(where + ": not a unit of the parameter"));
            chosen[scheme][item] = u;
        }
        for (int scheme : schemes) {
            // An item without a row would start in its first unit, not its default.
            QCOMPARE(chosen[scheme].size(), defaults.size());
        }
        QVERIFY(chosen[1] == defaults); // the fixed scheme: the calculation units
    }

    void presetRowsBelongToParameterUnitsAndProtectedRowsExist() {
        QVERIFY2(orphanPresetRecNumbers_.isEmpty(),
                 qPrintable(QString("presets without a preset unit, first RecNumber %1")
                                .arg(orphanPresetRecNumbers_.value(0))));
        for (int first : {104, 652}) {
            for (int rec = first; rec < first + 6; ++rec)
                QVERIFY2(presetRecNumbers_.count(rec) == 1, qPrintable(QString::number(rec)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogueUnits)
#include "tst_catalogue_units.moc"
