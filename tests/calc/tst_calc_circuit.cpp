#include "CalcFixtures.h"
#include "MemoryProductLookup.h"
#include "calc/CalcCircuit.h"
#include "calc/CalcRecords.h"
#include "calc/CalcStatus.h"
#include "calc/ChartData.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QtTest>

#include <cmath>
#include <functional>
#include <random>
#include <utility>

// Expected figures were worked out from the model (flow law with b = 0.5, series
// conductances, the 1 ms release integration and the 2.7182 curve) in double
// precision, separately from the engine. Where a count of 1 ms steps is expected,
// the figures were checked to lie well clear of the step where it would change.

namespace {

constexpr double Atmosphere = 101.13;
// Written into outputs and charts before a call, to see what the call left alone.
constexpr double Untouched = -777.25;
const QString PreviousTrace = "trace of the previous calculation";

struct TExpectedCircuit {
    double C1 = 0, C2 = 0, C3 = 0, pp = 0, Pmax = 0, Q = 0, T1 = 0, T = 0;
    double Release = 0, Safety = 0, Air = 0;
    int ReleasePoints = 0, AdsorptionPoints = 0;
};

using TSetup = std::function<void(TCalcInput&, TMemoryProductLookup&)>;

} // namespace

Q_DECLARE_METATYPE(TExpectedCircuit)
Q_DECLARE_METATYPE(TSetup)

namespace {

TCalcOutput untouchedOutput() {
    return {Untouched, Untouched, Untouched, Untouched, Untouched, Untouched};
}

// A session whose chart and trace show whether a call touched them.
TCalcSession untouchedSession() {
    TCalcSession session;
    for (auto& series : session.Chart.Series)
        series.push_back({Untouched, Untouched});
    session.Chart.Left = {Untouched, Untouched, Untouched};
    session.Chart.Bottom = {Untouched, Untouched, Untouched};
    session.Trace = QStringList{PreviousTrace};
    return session;
}

bool sameAxis(const TChartAxis& a, const TChartAxis& b) {
    return a.Minimum == b.Minimum && a.Maximum == b.Maximum && a.Increment == b.Increment;
}

bool sameChart(const TChartData& a, const TChartData& b) {
    return a.Series == b.Series && sameAxis(a.Left, b.Left) && sameAxis(a.Bottom, b.Bottom);
}

bool closeTo(double actual, double expected, double relativeTolerance) {
    return std::abs(actual - expected) <= relativeTolerance * std::max(1.0, std::abs(expected));
}

QByteArray mismatch(const char* what, double actual, double expected) {
    return QByteArray(what) + ": got " + QByteArray::number(actual, 'g', 17) + ", expected " +
           QByteArray::number(expected, 'g', 17);
}

#define CHECK_CLOSE(what, actual, expected, tolerance)                                             \
    QVERIFY2(closeTo((actual), (expected), (tolerance)), mismatch((what), (actual), (expected)))

// Names the first value of the call's results that is not a finite number.
QByteArray firstNonFinite(const TCalcOutput& output, const TCalcSession& session) {
    const std::pair<const char*, double> values[] = {
        {"zuidazhenkongyali", output.zuidazhenkongyali},
        {"kongqixiaofeiliang", output.kongqixiaofeiliang},
        {"anquanlv", output.anquanlv},
        {"xizhuoyingdashijian", output.xizhuoyingdashijian},
        {"pohuaiyingdashijian", output.pohuaiyingdashijian},
        {"biyaozhenkongbengliuliang", output.biyaozhenkongbengliuliang},
        {"pp", session.Details.pp},
        {"C1", session.Details.C1},
        {"C2", session.Details.C2},
        {"C3", session.Details.C3},
        {"T1", session.Details.T1},
        {"Q", session.Details.Q},
        {"QL", session.Details.QL},
        {"left axis minimum", session.Chart.Left.Minimum},
        {"left axis maximum", session.Chart.Left.Maximum},
        {"left axis increment", session.Chart.Left.Increment},
        {"bottom axis minimum", session.Chart.Bottom.Minimum},
        {"bottom axis maximum", session.Chart.Bottom.Maximum},
        {"bottom axis increment", session.Chart.Bottom.Increment},
    };
    for (const auto& [name, value] : values)
        if (!std::isfinite(value))
            return name;
    for (int s = 0; s < ChartSeriesCount; ++s)
        for (const TChartPoint& point : session.Chart.Series[s])
            if (!std::isfinite(point.X) || !std::isfinite(point.Y))
                return "a point of series " + QByteArray::number(s);
    return {};
}

// Time of step i when 0.001 s is added i times, as the chart and the release do.
std::vector<double> accumulatedTimes(double limit) {
    std::vector<double> times;
    for (double t = 0; t < limit; t += 0.001)
        times.push_back(t);
    return times;
}

double curveVacuum(double t, double t1, double pmax) {
    return (1 - std::pow(2.7182, -t / t1)) * pmax;
}

// Checks a trace line that carries a computed number: the prefix, the number in
// the general format with 15 significant digits, and its value.
QByteArray numberLineProblem(const QString& line, const QString& prefix, double expected) {
    if (!line.startsWith(prefix))
        return ("\"" + line + "\" does not start with \"" + prefix + "\"").toUtf8();
    const QString text = line.mid(prefix.size());
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return ("\"" + line + "\" carries no number").toUtf8();
    if (text != QString::number(value, 'g', 15))
        return ("\"" + line + "\" is not in the 15-digit general format").toUtf8();
    if (!closeTo(value, expected, 1e-12))
        return mismatch(qPrintable(prefix), value, expected);
    return {};
}

QString lineStartingWith(const QStringList& lines, const QString& prefix) {
    for (const QString& line : lines)
        if (line.startsWith(prefix))
            return line;
    return {};
}

} // namespace

class TestCalcCircuit : public QObject {
    Q_OBJECT

private slots:
    void categoriesOfCircuitCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("category");
        for (const char* code : {"1", "2"})
            QTest::newRow(code) << QString(code) << 1;
        for (const char* code : {"3", "3b", "4", "4b", "5", "9", "9b"})
            QTest::newRow(code) << QString(code) << 2;
        QTest::newRow("6") << QString("6") << 3;
        for (const char* code : {"7", "7b", "8", "8b"})
            QTest::newRow(code) << QString(code) << 4;
        QTest::newRow("unknown") << QString("10") << 0;
        QTest::newRow("empty") << QString() << 0;
    }
    void categoriesOfCircuitCodes() {
        QFETCH(QString, code);
        QFETCH(int, category);
        QCOMPARE(SystemCategoryOfCircuit(code), category);
    }

    void statusMessages() {
        QCOMPARE(CalcStatusMessageKey(CalcDone), QString());
        QCOMPARE(CalcStatusMessageKey(CalcSourceFlowTooSmall), QString("QLError1"));
        QCOMPARE(CalcStatusMessageKey(CalcNoVacuum), QString("QLError2"));
        QStringList descriptions;
        for (int status = CalcSourceFlowTooSmall; status <= CalcNotFinite; ++status) {
            if (status == 1)
                continue;
            const QString description = CalcStatusDescription(status);
            QVERIFY2(!description.trimmed().isEmpty(), qPrintable(QString::number(status)));
            QVERIFY2(!descriptions.contains(description), qPrintable(description));
            descriptions << description;
        }
    }

    // Every circuit code with its own products; C1 and C2 include
    // the tubing (halved, then in series with Se/10).
    void circuits_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<QString>("switchingValve");
        QTest::addColumn<double>("se");
        QTest::addColumn<int>("ejectorCount");
        QTest::addColumn<TExpectedCircuit>("expected");
        QTest::newRow("1, straight line") << "1"
                                          << "11"
                                          << "42" << 6.0 << 1
                                          << TExpectedCircuit{.C1 = 0.22283440581246222,
                                                              .C2 = 0.12237255246720063,
                                                              .C3 = 1.2,
                                                              .pp = 29.129999999999995,
                                                              .Pmax = 70.94046695740253,
                                                              .Q = 20.0,
                                                              .T1 = 0.6,
                                                              .T = 1.7974393641323954,
                                                              .Release = 0.06400000000000004,
                                                              .Safety = 7.0940466957402535,
                                                              .Air = 65.0,
                                                              .ReleasePoints = 65,
                                                              .AdsorptionPoints = 1978};
        QTest::newRow("1, knee") << "1"
                                 << "12"
                                 << "42" << 6.0 << 1
                                 << TExpectedCircuit{.C1 = 0.28235294117647064,
                                                     .C2 = 0.16799999999999998,
                                                     .C3 = 1.2,
                                                     .pp = 21.510952380952375,
                                                     .Pmax = 78.18423446041714,
                                                     .Q = 30.0,
                                                     .T1 = 0.3272727272727272,
                                                     .T = 0.980421471344942,
                                                     .Release = 0.05600000000000004,
                                                     .Safety = 7.818423446041714,
                                                     .Air = 95.0,
                                                     .ReleasePoints = 57,
                                                     .AdsorptionPoints = 1079};
        QTest::newRow("1, choked line") << "1"
                                        << "11"
                                        << "42" << 1.0 << 1
                                        << TExpectedCircuit{.C1 = 0.09230769230769231,
                                                            .C2 = 0.07808688094430304,
                                                            .C3 = 0.2,
                                                            .pp = 29.129999999999995,
                                                            .Pmax = 34.463333333333324,
                                                            .Q = 12.0,
                                                            .T1 = 1.7999999999999998,
                                                            .T = 5.392318092397177,
                                                            .Release = 0.07500000000000005,
                                                            .Safety = 3.4463333333333326,
                                                            .Air = 65.0,
                                                            .ReleasePoints = 76,
                                                            .AdsorptionPoints = 5932};
        QTest::newRow("2") << "2"
                           << "11"
                           << "42" << 6.0 << 1
                           << TExpectedCircuit{.C1 = 0.0,
                                               .C2 = 0.12237255246720063,
                                               .C3 = 1.2,
                                               .pp = 29.129999999999995,
                                               .Pmax = 70.94046695740253,
                                               .Q = 20.0,
                                               .T1 = 0.6,
                                               .T = 1.7974393641323954,
                                               .Release = 0.9670000000000007,
                                               .Safety = 7.0940466957402535,
                                               .Air = 65.0,
                                               .ReleasePoints = 968,
                                               .AdsorptionPoints = 1978};
        QTest::newRow("3, straight line") << "3"
                                          << "21"
                                          << "42" << 6.0 << 1
                                          << TExpectedCircuit{.C1 = 0.2554782217979278,
                                                              .C2 = 0.14552137502179976,
                                                              .C3 = 1.2,
                                                              .pp = 28.89,
                                                              .Pmax = 71.1716650214308,
                                                              .Q = 25.0,
                                                              .T1 = 0.4235294117647058,
                                                              .T = 1.2687807276228662,
                                                              .Release = 0.05600000000000004,
                                                              .Safety = 7.11716650214308,
                                                              .Air = 80.0,
                                                              .ReleasePoints = 57,
                                                              .AdsorptionPoints = 1396};
        QTest::newRow("3, knee") << "3"
                                 << "22"
                                 << "42" << 6.0 << 1
                                 << TExpectedCircuit{.C1 = 0.2554782217979278,
                                                     .C2 = 0.18973665961010275,
                                                     .C3 = 1.2,
                                                     .pp = 16.17,
                                                     .Pmax = 83.05126793253777,
                                                     .Q = 35.0,
                                                     .T1 = 0.26666666666666666,
                                                     .T = 0.7988619396143973,
                                                     .Release = 0.06600000000000004,
                                                     .Safety = 8.305126793253777,
                                                     .Air = 120.0,
                                                     .ReleasePoints = 67,
                                                     .AdsorptionPoints = 879};
        QTest::newRow("3b") << "3b"
                            << "22"
                            << "42" << 6.0 << 1
                            << TExpectedCircuit{.C1 = 0.26424731910469534,
                                                .C2 = 0.0,
                                                .C3 = 0.8108695542208155,
                                                .pp = 16.17,
                                                .Pmax = 80.77971902580586,
                                                .Q = 35.0,
                                                .T1 = 0.26666666666666666,
                                                .T = 0.7988619396143973,
                                                .Release = 0.06200000000000005,
                                                .Safety = 8.077971902580586,
                                                .Air = 120.0,
                                                .ReleasePoints = 63,
                                                .AdsorptionPoints = 879};
        QTest::newRow("4") << "4"
                           << "21"
                           << "42" << 6.0 << 1
                           << TExpectedCircuit{.C1 = 0.4242640687119285,
                                               .C2 = 0.14552137502179976,
                                               .C3 = 1.2,
                                               .pp = 28.89,
                                               .Pmax = 71.1716650214308,
                                               .Q = 25.0,
                                               .T1 = 0.4235294117647058,
                                               .T = 1.2687807276228662,
                                               .Release = 0.03400000000000002,
                                               .Safety = 7.11716650214308,
                                               .Air = 80.0,
                                               .ReleasePoints = 35,
                                               .AdsorptionPoints = 1396};
        QTest::newRow("4b") << "4b"
                            << "21"
                            << "42" << 6.0 << 1
                            << TExpectedCircuit{.C1 = 0.46852128566581813,
                                                .C2 = 0.0,
                                                .C3 = 0.8108695542208155,
                                                .pp = 28.89,
                                                .Pmax = 69.90025810478646,
                                                .Q = 25.0,
                                                .T1 = 0.4235294117647058,
                                                .T = 1.268780727622867,
                                                .Release = 0.03000000000000002,
                                                .Safety = 6.990025810478645,
                                                .Air = 80.0,
                                                .ReleasePoints = 31,
                                                .AdsorptionPoints = 1396};
        QTest::newRow("5, three ejectors limited by the line")
            << "5"
            << "22"
            << "42" << 6.0 << 3
            << TExpectedCircuit{.C1 = 0.0,
                                .C2 = 0.18973665961010275,
                                .C3 = 1.2,
                                .pp = 16.17,
                                .Pmax = 83.05126793253777,
                                .Q = 72.0,
                                .T1 = 0.11249999999999999,
                                .T = 0.33701988077482387,
                                .Release = 0.6990000000000005,
                                .Safety = 8.305126793253777,
                                .Air = 120.0,
                                .ReleasePoints = 700,
                                .AdsorptionPoints = 371};
        QTest::newRow("6") << "6"
                           << "31"
                           << "42" << 6.0 << 1
                           << TExpectedCircuit{.C1 = 0.2537312791986743,
                                               .C2 = 0.0,
                                               .C3 = 0.7200000000000001,
                                               .pp = 16.129999999999995,
                                               .Pmax = 79.68481822503544,
                                               .Q = 27.0,
                                               .T1 = 0.3789473684210526,
                                               .T = 1.1352248615573013,
                                               .Release = 0.07600000000000005,
                                               .Safety = 7.968481822503545,
                                               .Air = 0.0,
                                               .ReleasePoints = 77,
                                               .AdsorptionPoints = 1249};
        QTest::newRow("7, V3 port 1") << "7"
                                      << "21"
                                      << "42" << 6.0 << 1
                                      << TExpectedCircuit{.C1 = 0.2554782217979278,
                                                          .C2 = 0.0,
                                                          .C3 = 0.8108695542208155,
                                                          .pp = 16.129999999999995,
                                                          .Pmax = 80.80935255097836,
                                                          .Q = 45.0,
                                                          .T1 = 0.19459459459459458,
                                                          .T = 0.5829533072861818,
                                                          .Release = 0.07600000000000005,
                                                          .Safety = 8.080935255097836,
                                                          .Air = 0.0,
                                                          .ReleasePoints = 77,
                                                          .AdsorptionPoints = 642};
        QTest::newRow("7, V3 port 2") << "7"
                                      << "21"
                                      << "43" << 6.0 << 1
                                      << TExpectedCircuit{.C1 = 0.2554782217979278,
                                                          .C2 = 0.0,
                                                          .C3 = 0.911107922838356,
                                                          .pp = 16.129999999999995,
                                                          .Pmax = 81.68072321808336,
                                                          .Q = 42.0,
                                                          .T1 = 0.2117647058823529,
                                                          .T = 0.6343903638114327,
                                                          .Release = 0.07700000000000005,
                                                          .Safety = 8.168072321808337,
                                                          .Air = 0.0,
                                                          .ReleasePoints = 78,
                                                          .AdsorptionPoints = 698};
        QTest::newRow("7b") << "7b"
                            << "21"
                            << "42" << 6.0 << 1
                            << TExpectedCircuit{.C1 = 0.26424731910469534,
                                                .C2 = 0.0,
                                                .C3 = 0.8108695542208155,
                                                .pp = 16.129999999999995,
                                                .Pmax = 80.80935255097836,
                                                .Q = 45.0,
                                                .T1 = 0.19459459459459458,
                                                .T = 0.5829533072861818,
                                                .Release = 0.07400000000000005,
                                                .Safety = 8.080935255097836,
                                                .Air = 0.0,
                                                .ReleasePoints = 75,
                                                .AdsorptionPoints = 642};
        QTest::newRow("8, V3 port 1") << "8"
                                      << "21"
                                      << "42" << 6.0 << 1
                                      << TExpectedCircuit{.C1 = 0.4242640687119285,
                                                          .C2 = 0.0,
                                                          .C3 = 0.8108695542208155,
                                                          .pp = 16.129999999999995,
                                                          .Pmax = 80.80935255097836,
                                                          .Q = 45.0,
                                                          .T1 = 0.19459459459459458,
                                                          .T = 0.5829533072861818,
                                                          .Release = 0.046000000000000034,
                                                          .Safety = 8.080935255097836,
                                                          .Air = 0.0,
                                                          .ReleasePoints = 47,
                                                          .AdsorptionPoints = 642};
        QTest::newRow("8, V3 port 2") << "8"
                                      << "21"
                                      << "43" << 6.0 << 1
                                      << TExpectedCircuit{.C1 = 0.4242640687119285,
                                                          .C2 = 0.0,
                                                          .C3 = 0.911107922838356,
                                                          .pp = 16.129999999999995,
                                                          .Pmax = 81.68072321808336,
                                                          .Q = 42.0,
                                                          .T1 = 0.2117647058823529,
                                                          .T = 0.6343903638114327,
                                                          .Release = 0.047000000000000035,
                                                          .Safety = 8.168072321808337,
                                                          .Air = 0.0,
                                                          .ReleasePoints = 48,
                                                          .AdsorptionPoints = 698};
        QTest::newRow("8b") << "8b"
                            << "21"
                            << "42" << 6.0 << 1
                            << TExpectedCircuit{.C1 = 0.46852128566581813,
                                                .C2 = 0.0,
                                                .C3 = 0.8108695542208155,
                                                .pp = 16.129999999999995,
                                                .Pmax = 80.80935255097836,
                                                .Q = 45.0,
                                                .T1 = 0.19459459459459458,
                                                .T = 0.5829533072861818,
                                                .Release = 0.04200000000000003,
                                                .Safety = 8.080935255097836,
                                                .Air = 0.0,
                                                .ReleasePoints = 43,
                                                .AdsorptionPoints = 642};
        QTest::newRow("9") << "9"
                           << "21"
                           << "42" << 6.0 << 1
                           << TExpectedCircuit{.C1 = 0.25118661469344705,
                                               .C2 = 0.14552137502179976,
                                               .C3 = 1.2,
                                               .pp = 28.89,
                                               .Pmax = 71.1716650214308,
                                               .Q = 25.0,
                                               .T1 = 0.4235294117647058,
                                               .T = 1.2687807276228662,
                                               .Release = 0.057000000000000044,
                                               .Safety = 7.11716650214308,
                                               .Air = 80.0,
                                               .ReleasePoints = 58,
                                               .AdsorptionPoints = 1396};
        QTest::newRow("9b") << "9b"
                            << "22"
                            << "42" << 6.0 << 1
                            << TExpectedCircuit{.C1 = 0.40543477711040776,
                                                .C2 = 0.18973665961010275,
                                                .C3 = 1.2,
                                                .pp = 16.17,
                                                .Pmax = 83.05126793253777,
                                                .Q = 35.0,
                                                .T1 = 0.26666666666666666,
                                                .T = 0.7988619396143973,
                                                .Release = 0.04200000000000003,
                                                .Safety = 8.305126793253777,
                                                .Air = 120.0,
                                                .ReleasePoints = 43,
                                                .AdsorptionPoints = 879};
    }
    void circuits() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(QString, switchingValve);
        QFETCH(double, se);
        QFETCH(int, ejectorCount);
        QFETCH(TExpectedCircuit, expected);
        TCalcInput input = circuitInput(circuit, ejector, switchingValve);
        input.Se = se;
        input.EJ_n = ejectorCount;
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session;

        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));

        const double tolerance = 1e-9;
        const TCalcDetails& details = session.Details;
        CHECK_CLOSE("C1", details.C1, expected.C1, tolerance);
        CHECK_CLOSE("C2", details.C2, expected.C2, tolerance);
        CHECK_CLOSE("C3", details.C3, expected.C3, tolerance);
        CHECK_CLOSE("pp", details.pp, expected.pp, tolerance);
        CHECK_CLOSE("QL", details.QL, 8.0, tolerance);
        CHECK_CLOSE("Q", details.Q, expected.Q, tolerance);
        CHECK_CLOSE("T1", details.T1, expected.T1, tolerance);
        CHECK_CLOSE("maximum vacuum", output.zuidazhenkongyali, expected.Pmax, tolerance);
        CHECK_CLOSE("adsorption time", output.xizhuoyingdashijian, expected.T, tolerance);
        // The automatic working vacuum, 95 % of the maximum, takes ln 20 time constants.
        CHECK_CLOSE("T / T1", output.xizhuoyingdashijian / details.T1, std::log(20.0), 1e-12);
        CHECK_CLOSE("release time", output.pohuaiyingdashijian, expected.Release, tolerance);
        CHECK_CLOSE("safety factor", output.anquanlv, expected.Safety, tolerance);
        CHECK_CLOSE("air consumption", output.kongqixiaofeiliang, expected.Air, tolerance);
        CHECK_CLOSE("required pump flow", output.biyaozhenkongbengliuliang, 120 * expected.C3,
                    tolerance);

        const auto& series = session.Chart.Series;
        QCOMPARE(int(series[ReleaseCurve].size()), expected.ReleasePoints);
        QCOMPARE(int(series[AdsorptionCurve].size()), expected.AdsorptionPoints);
        QCOMPARE(int(series[TheoreticalCurve].size()), expected.AdsorptionPoints);
        QCOMPARE(int(series[WorkingMarker].size()), 1);
        QVERIFY2(firstNonFinite(output, session).isEmpty(), firstNonFinite(output, session));
    }

    // The products a circuit does not use are not looked up: references to rows
    // that do not exist change nothing (a row that is looked up and missing would
    // end the calculation early).
    void unusedProductsAreNotLookedUp_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<QStringList>("unused");
        const QStringList noValves{"V2", "V3", "throttle"};
        QTest::newRow("1") << "1"
                           << "11" << noValves;
        QTest::newRow("2") << "2"
                           << "11" << noValves;
        QTest::newRow("3") << "3"
                           << "21" << QStringList{"V3"};
        QTest::newRow("3b") << "3b"
                            << "21" << QStringList{"V2"};
        QTest::newRow("4") << "4"
                           << "21" << QStringList{"V3", "throttle"};
        QTest::newRow("4b") << "4b"
                            << "21" << QStringList{"V2", "throttle"};
        QTest::newRow("5") << "5"
                           << "21" << noValves;
        QTest::newRow("6") << "6"
                           << "31" << noValves;
        QTest::newRow("7") << "7"
                           << "21" << QStringList{"ejector"};
        QTest::newRow("7b") << "7b"
                            << "21" << QStringList{"ejector", "V2"};
        QTest::newRow("8") << "8"
                           << "21" << QStringList{"ejector", "throttle"};
        QTest::newRow("8b") << "8b"
                            << "21" << QStringList{"ejector", "V2", "throttle"};
        QTest::newRow("9") << "9"
                           << "21" << QStringList{"V2"};
        QTest::newRow("9b") << "9b"
                            << "21" << QStringList{"V2", "throttle"};
    }
    void unusedProductsAreNotLookedUp() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(QStringList, unused);
        TCalcInput input = circuitInput(circuit, ejector);
        TMemoryProductLookup products = catalogue();
        TCalcOutput reference = untouchedOutput();
        TCalcSession referenceSession;
        QCOMPARE(CalcCircuit(input, reference, products, referenceSession), int(CalcDone));

        const QString missing = "999";
        if (unused.contains("ejector"))
            input.EJ_ID = missing;
        if (unused.contains("V2"))
            input.VA_Pohuai_ID = missing;
        if (unused.contains("V3"))
            input.VA_QieHuan_ID = missing;
        if (unused.contains("throttle"))
            input.VA_Jieliu_ID = missing;
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        QCOMPARE(output.zuidazhenkongyali, reference.zuidazhenkongyali);
        QCOMPARE(output.xizhuoyingdashijian, reference.xizhuoyingdashijian);
        QCOMPARE(output.anquanlv, reference.anquanlv);
        QCOMPARE(output.kongqixiaofeiliang, reference.kongqixiaofeiliang);
        QCOMPARE(output.pohuaiyingdashijian, reference.pohuaiyingdashijian);
        QCOMPARE(output.biyaozhenkongbengliuliang, reference.biyaozhenkongbengliuliang);
        QCOMPARE(session.Chart.Series[ReleaseCurve].size(),
                 referenceSession.Chart.Series[ReleaseCurve].size());
    }

    void workingVacuum_data() {
        QTest::addColumn<double>("workingVacuum");
        QTest::addColumn<double>("adsorptionTime");
        QTest::addColumn<double>("safety");
        QTest::addColumn<double>("releaseTime");
        QTest::addColumn<int>("releasePoints");
        QTest::addColumn<int>("adsorptionPoints");
        QTest::addColumn<int>("markerStep"); // -1: no marker
        QTest::addColumn<double>("timeIncrement");
        // Circuit 1 with the straight-line ejector: Pmax 70.94 kPa, T1 0.6 s.
        QTest::newRow("automatic") << -1.0 << 1.7974393641323954 << 7.0940466957402535
                                   << 0.06400000000000004 << 65 << 1978 << 1798 << 0.3;
        QTest::newRow("any negative value is automatic")
            << -0.5 << 1.7974393641323954 << 7.0940466957402535 << 0.06400000000000004 << 65 << 1978
            << 1798 << 0.3;
        QTest::newRow("50 kPa") << 50.0 << 0.7320945160662304 << 5.0 << 0.04500000000000003 << 46
                                << 806 << 733 << 0.1;
        QTest::newRow("35 kPa") << 35.0 << 0.40798629467207626 << 3.5 << 0.03200000000000002 << 33
                                << 449 << 408 << 0.1;
        QTest::newRow("0 kPa is a working vacuum, not automatic")
            << 0.0 << 0.0 << 0.0 << 0.0 << 1 << 0 << -1 << 0.01;
    }
    void workingVacuum() {
        QFETCH(double, workingVacuum);
        QFETCH(double, adsorptionTime);
        QFETCH(double, safety);
        QFETCH(double, releaseTime);
        QFETCH(int, releasePoints);
        QFETCH(int, adsorptionPoints);
        QFETCH(int, markerStep);
        QFETCH(double, timeIncrement);
        TCalcInput input = circuitInput("1");
        input.zhenkongyali = workingVacuum;
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));

        const double pmax = 70.94046695740253;
        CHECK_CLOSE("maximum vacuum", output.zuidazhenkongyali, pmax, 1e-9);
        CHECK_CLOSE("adsorption time", output.xizhuoyingdashijian, adsorptionTime, 1e-9);
        CHECK_CLOSE("safety factor", output.anquanlv, safety, 1e-9);
        CHECK_CLOSE("release time", output.pohuaiyingdashijian, releaseTime, 1e-9);

        const auto& series = session.Chart.Series;
        QCOMPARE(int(series[ReleaseCurve].size()), releasePoints);
        // The release starts at the working vacuum, or at Pmax when it is automatic.
        const double start = workingVacuum >= 0 ? -workingVacuum : -pmax;
        CHECK_CLOSE("release start", series[ReleaseCurve].front().Y, start, 1e-9);
        QCOMPARE(series[ReleaseCurve].front().X, 0.0);
        QCOMPARE(int(series[AdsorptionCurve].size()), adsorptionPoints);
        QCOMPARE(int(series[TheoreticalCurve].size()), adsorptionPoints);
        CHECK_CLOSE("time axis", session.Chart.Bottom.Maximum, 1.1 * adsorptionTime, 1e-9);
        CHECK_CLOSE("time increment", session.Chart.Bottom.Increment, timeIncrement, 1e-12);
        if (markerStep < 0) {
            QVERIFY(series[WorkingMarker].empty());
            QVERIFY(series[HorizontalGuide].empty());
            QVERIFY(series[VerticalGuide].empty());
        } else {
            QCOMPARE(int(series[WorkingMarker].size()), 1);
            const TChartPoint marker = series[AdsorptionCurve][markerStep];
            QCOMPARE(series[WorkingMarker].front(), marker);
        }
    }

    // Circuit 1 with the straight-line ejector, automatic working vacuum, in detail.
    void chartContents() {
        TCalcInput input = circuitInput("1");
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session = untouchedSession();
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));

        const double pmax = 70.94046695740253, t1 = 0.6, t = 1.7974393641323954;
        const TChartData& chart = session.Chart;
        QCOMPARE(chart.Left.Maximum, 0.0);
        CHECK_CLOSE("left minimum", chart.Left.Minimum, -1.1 * pmax, 1e-12);
        CHECK_CLOSE("left increment", chart.Left.Increment, 0.1, 1e-12);
        QCOMPARE(chart.Bottom.Minimum, 0.0);
        CHECK_CLOSE("bottom maximum", chart.Bottom.Maximum, 1.1 * t, 1e-12);
        // 1.1 × T = 1.977 s: the increment reaches 0.25000000000000006 and rounds up.
        CHECK_CLOSE("bottom increment", chart.Bottom.Increment, 0.3, 1e-12);

        // Release: from (0, Pr − 101.13) every 1 ms until the pads reach atmosphere.
        const auto& release = chart.Series[ReleaseCurve];
        QCOMPARE(int(release.size()), 65);
        CHECK_CLOSE("release start", release.front().Y, -pmax, 1e-9);
        double step = 0;
        for (size_t i = 0; i < release.size(); ++i) {
            CHECK_CLOSE("release time axis", release[i].X, step, 1e-12);
            if (i > 0)
                QVERIFY(release[i].Y > release[i - 1].Y);
            step += 0.001;
        }
        QVERIFY(release.back().Y >= 0);
        QVERIFY(release[release.size() - 2].Y < 0);
        QCOMPARE(release.back().X, output.pohuaiyingdashijian);

        // Adsorption: the 2.7182 curve while t < 1.1 × T, t accumulated by 0.001.
        const std::vector<double> times = accumulatedTimes(1.1 * t);
        const auto& adsorption = chart.Series[AdsorptionCurve];
        QCOMPARE(adsorption.size(), times.size());
        for (size_t i = 0; i < times.size(); ++i) {
            CHECK_CLOSE("adsorption time axis", adsorption[i].X, times[i], 1e-12);
            CHECK_CLOSE("adsorption curve", adsorption[i].Y, -curveVacuum(times[i], t1, pmax),
                        1e-9);
        }
        QCOMPARE(chart.Series[TheoreticalCurve].size(), adsorption.size());
        for (size_t i = 0; i < adsorption.size(); ++i) {
            CHECK_CLOSE("theoretical time axis", chart.Series[TheoreticalCurve][i].X,
                        adsorption[i].X, 1e-12);
            CHECK_CLOSE("theoretical curve", chart.Series[TheoreticalCurve][i].Y, adsorption[i].Y,
                        1e-12);
        }

        // The curve first reaches 0.95 × Pmax at step 1798 (the 2.7182 curve is a
        // little slower than e would be, so just after T).
        const TChartPoint marker = adsorption[1798];
        CHECK_CLOSE("marker time", marker.X, 1.7979999999999128, 1e-12);
        CHECK_CLOSE("marker vacuum", marker.Y, -67.39643668307959, 1e-9);
        QVERIFY(-adsorption[1797].Y < 0.95 * pmax);
        QCOMPARE(chart.Series[WorkingMarker], std::vector<TChartPoint>{marker});
        const std::vector<TChartPoint> horizontal{{0, marker.Y}, marker};
        QCOMPARE(chart.Series[HorizontalGuide], horizontal);
        const std::vector<TChartPoint> vertical{marker, {marker.X, chart.Left.Minimum}};
        QCOMPARE(chart.Series[VerticalGuide], vertical);
    }

    // Without rescaling the axes and the theoretical curve stay from the last call
    // that rescaled; the release, the adsorption curve, the marker and the guides
    // follow the new working vacuum.
    void recalculationWithoutRescaling() {
        TCalcInput input = circuitInput("1");
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        const TChartData first = session.Chart;
        const double pmax = output.zuidazhenkongyali;
        const TCalcOptions keepScale{.AdsorptionOnly = false, .RescaleChart = false};

        input.zhenkongyali = 35;
        QCOMPARE(CalcCircuit(input, output, products, session, keepScale), int(CalcDone));
        const TChartData& chart = session.Chart;
        QVERIFY(sameAxis(chart.Left, first.Left));
        QVERIFY(sameAxis(chart.Bottom, first.Bottom));
        QCOMPARE(chart.Series[TheoreticalCurve], first.Series[TheoreticalCurve]);
        QCOMPARE(int(chart.Series[ReleaseCurve].size()), 33);
        CHECK_CLOSE("release start", chart.Series[ReleaseCurve].front().Y, -35.0, 1e-9);
        QCOMPARE(int(chart.Series[AdsorptionCurve].size()), 449);
        QCOMPARE(int(chart.Series[WorkingMarker].size()), 1);
        CHECK_CLOSE("marker time", chart.Series[WorkingMarker].front().X, 0.4080000000000003,
                    1e-12);
        CHECK_CLOSE("marker vacuum", chart.Series[WorkingMarker].front().Y, -35.000085245647725,
                    1e-9);
        QCOMPARE(int(chart.Series[HorizontalGuide].size()), 2);
        QCOMPARE(int(chart.Series[VerticalGuide].size()), 2);
        QCOMPARE(chart.Series[VerticalGuide].back().Y, first.Left.Minimum);

        // A longer adsorption runs past the right edge of the kept axis.
        input.zhenkongyali = 0.99 * pmax;
        QCOMPARE(CalcCircuit(input, output, products, session, keepScale), int(CalcDone));
        QVERIFY(sameAxis(chart.Bottom, first.Bottom));
        QCOMPARE(chart.Series[TheoreticalCurve], first.Series[TheoreticalCurve]);
        QCOMPARE(int(chart.Series[AdsorptionCurve].size()), 3040);
        QVERIFY(chart.Series[AdsorptionCurve].back().X > first.Bottom.Maximum);

        // A smaller maximum vacuum keeps the pressure axis, and the vertical guide
        // still ends at its bottom.
        input.gongjianxielouliang = 3;
        input.zhenkongyali = 30;
        QCOMPARE(CalcCircuit(input, output, products, session, keepScale), int(CalcDone));
        CHECK_CLOSE("maximum vacuum", output.zuidazhenkongyali, 61.1787452283125, 1e-9);
        QVERIFY(sameAxis(chart.Left, first.Left));
        QCOMPARE(int(chart.Series[AdsorptionCurve].size()), 668);
        CHECK_CLOSE("marker vacuum", chart.Series[WorkingMarker].front().Y, -30.011251385914424,
                    1e-9);
        QCOMPARE(chart.Series[VerticalGuide].back().Y, first.Left.Minimum);
        CHECK_CLOSE("vertical guide", chart.Series[VerticalGuide].back().X, 0.6070000000000004,
                    1e-12);

        // Rescaling again follows the new figures.
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        CHECK_CLOSE("left minimum", chart.Left.Minimum, -1.1 * 61.1787452283125, 1e-9);
        CHECK_CLOSE("bottom maximum", chart.Bottom.Maximum, 1.1 * 0.6066568881204489, 1e-9);
        QCOMPARE(int(chart.Series[TheoreticalCurve].size()), 668);
    }

    void firstCallWithoutRescalingKeepsTheGivenAxes() {
        TCalcInput input = circuitInput("4", "21");
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session = untouchedSession();
        const TChartData before = session.Chart;
        QCOMPARE(CalcCircuit(input, output, products, session, {false, false}), int(CalcDone));
        QVERIFY(sameAxis(session.Chart.Left, before.Left));
        QVERIFY(sameAxis(session.Chart.Bottom, before.Bottom));
        QCOMPARE(session.Chart.Series[TheoreticalCurve], before.Series[TheoreticalCurve]);
        QCOMPARE(int(session.Chart.Series[AdsorptionCurve].size()), 1396);
        QCOMPARE(int(session.Chart.Series[ReleaseCurve].size()), 35);
        QCOMPARE(session.Chart.Series[VerticalGuide].back().Y, Untouched);
    }

    // V3's Use is consulted only by the circuits that release through V3; Use = 2 means the
    // release path is not used: release time −1 and no release curve.
    void releasePathNotUsed_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<QString>("releaseValve");
        QTest::addColumn<QString>("switchingValve");
        QTest::addColumn<double>("releaseTime");
        QTest::addColumn<int>("releasePoints");
        for (const char* code : {"3b", "4b", "7b", "8b", "9", "9b"})
            QTest::newRow(code) << QString(code) << "21"
                                << "41"
                                << "44" << -1.0 << 0;
        QTest::newRow("7: V3 only on the vacuum line") << "7"
                                                       << "21"
                                                       << "41"
                                                       << "44" << 0.07600000000000005 << 77;
        QTest::newRow("8: V3 only on the vacuum line") << "8"
                                                       << "21"
                                                       << "41"
                                                       << "44" << 0.046000000000000034 << 47;
        QTest::newRow("3: Use of V2 is not consulted") << "3"
                                                       << "21"
                                                       << "45"
                                                       << "42" << 0.05600000000000004 << 57;
        QTest::newRow("4: Use of V2 is not consulted") << "4"
                                                       << "21"
                                                       << "45"
                                                       << "42" << 0.03300000000000002 << 34;
        QTest::newRow("7: Use of V2 is not consulted") << "7"
                                                       << "21"
                                                       << "45"
                                                       << "42" << 0.07600000000000005 << 77;
        QTest::newRow("8: Use of V2 is not consulted") << "8"
                                                       << "21"
                                                       << "45"
                                                       << "42" << 0.04500000000000003 << 46;
    }
    void releasePathNotUsed() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(QString, releaseValve);
        QFETCH(QString, switchingValve);
        QFETCH(double, releaseTime);
        QFETCH(int, releasePoints);
        TCalcInput input = circuitInput(circuit, ejector, switchingValve);
        input.VA_Pohuai_ID = releaseValve;
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session = untouchedSession();
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        if (releaseTime == -1)
            QCOMPARE(output.pohuaiyingdashijian, -1.0);
        else
            CHECK_CLOSE("release time", output.pohuaiyingdashijian, releaseTime, 1e-9);
        QCOMPARE(int(session.Chart.Series[ReleaseCurve].size()), releasePoints);
        QVERIFY(!session.Chart.Series[AdsorptionCurve].empty());
        QCOMPARE(int(session.Chart.Series[WorkingMarker].size()), 1);

        // Nothing of it carries over to the next calculation.
        TCalcInput next = circuitInput("1");
        QCOMPARE(CalcCircuit(next, output, products, session), int(CalcDone));
        CHECK_CLOSE("next release time", output.pohuaiyingdashijian, 0.06400000000000004, 1e-9);
        QCOMPARE(int(session.Chart.Series[ReleaseCurve].size()), 65);
    }

    // The release supply is the standard pressure for ejector circuits and the
    // release pressure for pump circuits. At low pressures the supply flow turns
    // subsonic; only the larger of the two flows counts.
    void releaseSupplyPressure_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<double>("standardPressure");
        QTest::addColumn<double>("releasePressure");
        QTest::addColumn<double>("throttle");
        QTest::addColumn<double>("releaseTime");
        QTest::addColumn<int>("releasePoints");
        QTest::newRow("8: 0.05 MPa release pressure")
            << "8"
            << "21" << 0.6 << 0.05 << 0.8 << 0.1530000000000001 << 154;
        QTest::newRow("6: 0.02 MPa release pressure")
            << "6"
            << "31" << 0.6 << 0.02 << 0.8 << 0.32800000000000024 << 329;
        QTest::newRow("1: 0.05 MPa standard pressure")
            << "1"
            << "11" << 0.05 << 0.6 << 0.8 << 0.25600000000000017 << 257;
        QTest::newRow("9b: 0.03 MPa standard pressure")
            << "9b"
            << "22" << 0.03 << 0.6 << 0.8 << 0.19300000000000014 << 194;
        // The back-flow path carries more at first, the supply near atmosphere.
        QTest::newRow("1: back-flow first, then the supply")
            << "1"
            << "11" << 0.05 << 0.6 << 0.2 << 0.7890000000000006 << 790;
    }
    void releaseSupplyPressure() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(double, standardPressure);
        QFETCH(double, releasePressure);
        QFETCH(double, throttle);
        QFETCH(double, releaseTime);
        QFETCH(int, releasePoints);
        TCalcInput input = circuitInput(circuit, ejector);
        input.BiaoZhunGongyingYaLi = standardPressure;
        input.PoHuaiYaLi = releasePressure;
        input.k = throttle;
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        CHECK_CLOSE("release time", output.pohuaiyingdashijian, releaseTime, 1e-9);
        QCOMPARE(int(session.Chart.Series[ReleaseCurve].size()), releasePoints);
    }

    // Status 2 and 3 end the calculation before the chart; what was written before
    // stays, the rest keeps its previous value.
    void leakageLimits_data() {
        QTest::addColumn<TSetup>("setup");
        QTest::addColumn<int>("status");
        QTest::addColumn<double>("maximumVacuum"); // Untouched: not written
        auto leak = [](QString circuit, QString ejector, double n, double leakage, int ejectors,
                       double se = 6) {
            return TSetup([=](TCalcInput& input, TMemoryProductLookup&) {
                input = circuitInput(circuit, ejector);
                input.n = n;
                input.gongjianxielouliang = leakage;
                input.EJ_n = ejectors;
                input.Se = se;
            });
        };
        // The ejector check compares 0.5 × Max_flow × N with the leakage, N the
        // characteristic type.
        QTest::newRow("type 1: leakage of half the maximum flow")
            << leak("1", "11", 4, 5, 2) << int(CalcSourceFlowTooSmall) << Untouched;
        QTest::newRow("type 1: leakage just below half the maximum flow")
            << leak("1", "11", 4, 4.9975, 2) << int(CalcDone) << 41.58787215953942;
        QTest::newRow("type 2: leakage of half the maximum flow")
            << leak("1", "12", 4, 7.5, 2) << int(CalcDone) << 42.150860073006434;
        QTest::newRow("type 2: leakage of the full maximum flow")
            << leak("1", "12", 4, 15, 2) << int(CalcSourceFlowTooSmall) << Untouched;
        QTest::newRow("type 2: just below the full maximum flow, no vacuum left")
            << leak("1", "12", 4, 14.75, 2) << int(CalcNoVacuum) << Untouched;
        QTest::newRow("no leakage: the vacuum of the ejector")
            << leak("1", "11", 4, 0, 1) << int(CalcDone) << 90.0;
        // The effective flow must exceed the leakage.
        QTest::newRow("ejector flow equal to the leakage")
            << leak("1", "12", 4, 7.5, 1) << int(CalcSourceFlowTooSmall) << 42.150860073006434;
        QTest::newRow("line capacity equal to the leakage")
            << leak("1", "19", 4, 15, 1, 5) << int(CalcSourceFlowTooSmall) << 1.1299999999999955;
        QTest::newRow("line capacity just above the leakage")
            << leak("1", "19", 4, 14.9, 1, 5) << int(CalcDone) << 1.7966666666666526;
        QTest::newRow("vacuum unit flow equal to the leakage")
            << leak("6", "32", 3, 5, 1) << int(CalcSourceFlowTooSmall) << 46.963333333333324;
        QTest::newRow("switching valve flow equal to the leakage")
            << leak("7b", "21", 5, 9, 1) << int(CalcSourceFlowTooSmall) << 8.636701158524389;
        // No vacuum left at the pads.
        QTest::newRow("choked line, leakage leaves exactly no vacuum")
            << leak("1", "19", 1, 60.678, 1, 5) << int(CalcNoVacuum) << Untouched;
        QTest::newRow("choked line, a little vacuum left but too little flow")
            << leak("1", "19", 1, 60.6, 1, 5) << int(CalcSourceFlowTooSmall) << 0.12999999999999545;
        QTest::newRow("subsonic line, leakage leaves no vacuum")
            << TSetup([](TCalcInput& input, TMemoryProductLookup&) {
                   input = circuitInput("8", "21");
                   input.ZhenKongPengYaLi = 20;
                   input.gongjianxielouliang = 10;
               })
            << int(CalcNoVacuum) << Untouched;
    }
    void leakageLimits() {
        QFETCH(TSetup, setup);
        QFETCH(int, status);
        QFETCH(double, maximumVacuum);
        TCalcInput input;
        TMemoryProductLookup products = catalogue();
        setup(input, products);
        TCalcOutput output = untouchedOutput();
        TCalcSession session = untouchedSession();
        const TChartData before = session.Chart;

        QCOMPARE(CalcCircuit(input, output, products, session), status);
        if (maximumVacuum == Untouched)
            QCOMPARE(output.zuidazhenkongyali, Untouched);
        else
            CHECK_CLOSE("maximum vacuum", output.zuidazhenkongyali, maximumVacuum, 1e-9);
        if (status != CalcDone) {
            QCOMPARE(output.xizhuoyingdashijian, Untouched);
            QCOMPARE(output.anquanlv, Untouched);
            QCOMPARE(output.kongqixiaofeiliang, Untouched);
            QCOMPARE(output.pohuaiyingdashijian, Untouched);
            QVERIFY(sameChart(session.Chart, before));
        }
        if (maximumVacuum == Untouched) {
            QCOMPARE(output.biyaozhenkongbengliuliang, Untouched);
            QCOMPARE(session.Trace, QStringList{PreviousTrace});
        }
        QVERIFY2(firstNonFinite(output, session).isEmpty(), firstNonFinite(output, session));
    }

    // Adsorption-only calls, used to try vacuum units one after another.
    void adsorptionOnly_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<double>("maximumVacuum");
        QTest::addColumn<double>("adsorptionTime");
        QTest::addColumn<double>("pumpFlow");
        QTest::addColumn<QStringList>("trace");
        QTest::newRow("6") << "6"
                           << "31" << 79.68481822503544 << 1.1352248615573013 << 86.4
                           << QStringList{"Q1=0", "P1=0"};
        QTest::newRow("1, knee") << "1"
                                 << "12" << 78.18423446041714 << 0.980421471344942 << 144.0
                                 << QStringList{"Q1=21", "P1=66"};
        QTest::newRow("7b") << "7b"
                            << "21" << 80.80935255097836 << 0.5829533072861818 << 97.30434650649786
                            << QStringList{"Q1=0", "P1=0"};
    }
    void adsorptionOnly() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(double, maximumVacuum);
        QFETCH(double, adsorptionTime);
        QFETCH(double, pumpFlow);
        QFETCH(QStringList, trace);
        TCalcInput input = circuitInput(circuit, ejector);
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session = untouchedSession();
        const TChartData before = session.Chart;
        const TCalcOptions options{.AdsorptionOnly = true, .RescaleChart = true};

        QCOMPARE(CalcCircuit(input, output, products, session, options), int(CalcDone));
        CHECK_CLOSE("maximum vacuum", output.zuidazhenkongyali, maximumVacuum, 1e-9);
        CHECK_CLOSE("adsorption time", output.xizhuoyingdashijian, adsorptionTime, 1e-9);
        CHECK_CLOSE("pump flow", output.biyaozhenkongbengliuliang, pumpFlow, 1e-9);
        QCOMPARE(output.anquanlv, Untouched);
        QCOMPARE(output.kongqixiaofeiliang, Untouched);
        QCOMPARE(output.pohuaiyingdashijian, Untouched);
        QVERIFY(sameChart(session.Chart, before));
        QCOMPARE(session.Trace, trace);
        // The search for a vacuum unit repeats these calls: the pad and the release
        // products are not read.
        QCOMPARE(products.PadAreaLookups, 0);
        QCOMPARE(products.ThrottleLookups, 0);
    }

    // A row that is looked up and not found ends the calculation at once with
    // status 0: outputs written before stay, later ones keep their values, the chart
    // is not touched.
    void productRowNotFound_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<bool>("reachesRelease"); // else nothing is written
        QTest::newRow("ejector of 1") << "1"
                                      << "11"
                                      << "11" << false;
        QTest::newRow("ejector of 9b") << "9b"
                                       << "22"
                                       << "22" << false;
        QTest::newRow("vacuum unit of 6") << "6"
                                          << "31"
                                          << "31" << false;
        for (const char* code : {"3b", "4b", "7", "7b", "8", "8b"})
            QTest::newRow(qPrintable(QString("V3 of %1").arg(code))) << QString(code) << "21"
                                                                     << "42" << false;
        for (const char* code : {"3", "4", "7", "8"})
            QTest::newRow(qPrintable(QString("V2 of %1").arg(code))) << QString(code) << "21"
                                                                     << "41" << true;
        for (const char* code : {"3", "3b", "7", "7b", "9"})
            QTest::newRow(qPrintable(QString("throttle of %1").arg(code))) << QString(code) << "21"
                                                                           << "51" << true;
        for (const char* code : {"9", "9b"})
            QTest::newRow(qPrintable(QString("V3 of %1").arg(code))) << QString(code) << "21"
                                                                     << "42" << true;
    }
    void productRowNotFound() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(QString, missing);
        QFETCH(bool, reachesRelease);
        TCalcInput input = circuitInput(circuit, ejector);
        TMemoryProductLookup products = catalogue();
        products.Ejectors.remove(missing);
        products.Valves.remove(missing);
        products.Throttles.remove(missing);
        TCalcOutput output = untouchedOutput();
        TCalcSession session = untouchedSession();
        const TChartData before = session.Chart;

        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        QVERIFY(sameChart(session.Chart, before));
        QCOMPARE(output.pohuaiyingdashijian, Untouched);
        if (reachesRelease) {
            for (double written :
                 {output.zuidazhenkongyali, output.biyaozhenkongbengliuliang,
                  output.xizhuoyingdashijian, output.anquanlv, output.kongqixiaofeiliang})
                QVERIFY(written != Untouched && std::isfinite(written));
            QCOMPARE(session.Trace.size(), 21); // first, adsorption and safety groups
        } else {
            QCOMPARE(output.zuidazhenkongyali, Untouched);
            QCOMPARE(output.biyaozhenkongbengliuliang, Untouched);
            QCOMPARE(output.xizhuoyingdashijian, Untouched);
            QCOMPARE(output.anquanlv, Untouched);
            QCOMPARE(output.kongqixiaofeiliang, Untouched);
            QCOMPARE(session.Trace, QStringList{PreviousTrace});
            QCOMPARE(products.PadAreaLookups, 0); // nothing is read after the missing row
        }
    }

    // A lookup whose statement cannot be run leaves its values 0 and the
    // calculation goes on.
    void lookupThatFails_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("status");
        QTest::addColumn<double>("c1");
        QTest::addColumn<double>("c2");
        QTest::addColumn<double>("releaseTime");
        QTest::addColumn<double>("safety");
        QTest::newRow("throttle of 3: no release from the supply")
            << "3"
            << "21"
            << "51" << int(CalcDone) << 0.0 << 0.14552137502179976 << 0.8150000000000006
            << 7.11716650214308;
        QTest::newRow("V2 of 4: no release from the supply")
            << "4"
            << "21"
            << "41" << int(CalcDone) << 0.0 << 0.14552137502179976 << 0.8150000000000006
            << 7.11716650214308;
        QTest::newRow("V3 of 9b: no release from the supply, Use 0")
            << "9b"
            << "22"
            << "42" << int(CalcDone) << 0.0 << 0.18973665961010275 << 0.6990000000000005
            << 8.305126793253777;
        QTest::newRow("pad: no area, no safety")
            << "1"
            << "11"
            << "61" << int(CalcDone) << 0.22283440581246222 << 0.12237255246720063
            << 0.06400000000000004 << 0.0;
        QTest::newRow("vacuum unit of 6: no vacuum line")
            << "6"
            << "31"
            << "31" << int(CalcNoLineConductance) << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("V3 of 7b: no vacuum line")
            << "7b"
            << "21"
            << "42" << int(CalcNoLineConductance) << 0.0 << 0.0 << 0.0 << 0.0;
    }
    void lookupThatFails() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(QString, failing);
        QFETCH(int, status);
        QFETCH(double, c1);
        QFETCH(double, c2);
        QFETCH(double, releaseTime);
        QFETCH(double, safety);
        TCalcInput input = circuitInput(circuit, ejector);
        TMemoryProductLookup products = catalogue();
        products.FailingIds.insert(failing);
        TCalcOutput output = untouchedOutput();
        TCalcSession session;

        QCOMPARE(CalcCircuit(input, output, products, session), status);
        QVERIFY2(firstNonFinite(output, session).isEmpty(), firstNonFinite(output, session));
        if (status != CalcDone)
            return;
        CHECK_CLOSE("C1", session.Details.C1, c1, 1e-9);
        CHECK_CLOSE("C2", session.Details.C2, c2, 1e-9);
        CHECK_CLOSE("release time", output.pohuaiyingdashijian, releaseTime, 1e-9);
        CHECK_CLOSE("safety factor", output.anquanlv, safety, 1e-9);
    }

    // Inputs the catalogue and the wizard never give: each has a status of its own,
    // nothing loops for ever, and no result is NaN or infinite.
    void inputsOutsideTheModel_data() {
        QTest::addColumn<TSetup>("setup");
        QTest::addColumn<int>("status");
        auto in = [](QString circuit, QString ejector, std::function<void(TCalcInput&)> change) {
            return TSetup([=](TCalcInput& input, TMemoryProductLookup&) {
                input = circuitInput(circuit, ejector);
                change(input);
            });
        };
        auto product = [](QString circuit, QString ejector,
                          std::function<void(TMemoryProductLookup&)> change) {
            return TSetup([=](TCalcInput& input, TMemoryProductLookup& products) {
                input = circuitInput(circuit, ejector);
                change(products);
            });
        };
        QTest::newRow("working vacuum above the maximum")
            << in("1", "11", [](TCalcInput& i) { i.zhenkongyali = 95; })
            << int(CalcWorkingVacuumTooHigh);
        QTest::newRow("no volume")
            << in("1", "11", [](TCalcInput& i) { i.V = 0; }) << int(CalcNoVolume);
        QTest::newRow("negative volume")
            << in("4", "21", [](TCalcInput& i) { i.V = -0.1; }) << int(CalcNoVolume);
        QTest::newRow("no tubing area")
            << in("1", "11", [](TCalcInput& i) { i.Se = 0; }) << int(CalcNoLineConductance);
        QTest::newRow("no tubing area and no leakage") << in("1", "11", [](TCalcInput& i) {
            i.Se = 0;
            i.gongjianxielouliang = 0;
        }) << int(CalcNoLineConductance);
        QTest::newRow("V3 closed on the vacuum line")
            << product("3b", "21", [](TMemoryProductLookup& p) { p.Valves["42"].C2to3 = 0; })
            << int(CalcNoLineConductance);
        QTest::newRow("vacuum unit without a vacuum path")
            << product("6", "31", [](TMemoryProductLookup& p) { p.Ejectors["31"].SupC = 0; })
            << int(CalcNoLineConductance);
        QTest::newRow("characteristic type 3")
            << product("1", "11", [](TMemoryProductLookup& p) { p.Ejectors["11"].N = 3; })
            << int(CalcUnknownCharacteristic);
        QTest::newRow("characteristic type 0")
            << product("3", "21", [](TMemoryProductLookup& p) { p.Ejectors["21"].N = 0; })
            << int(CalcUnknownCharacteristic);
        QTest::newRow("2 without a back-flow path")
            << product("2", "11", [](TMemoryProductLookup& p) { p.Ejectors["11"].DiuDiameter = 0; })
            << int(CalcNoReleasePath);
        QTest::newRow("6 without a release path")
            << product("6", "31", [](TMemoryProductLookup& p) { p.Ejectors["31"].HakaiC = 0; })
            << int(CalcNoReleasePath);
        QTest::newRow("1 with the throttle shut and no back-flow path")
            << TSetup([](TCalcInput& input, TMemoryProductLookup& products) {
                   input = circuitInput("1");
                   input.k = 0;
                   products.Ejectors["11"].DiuDiameter = 0;
               })
            << int(CalcNoReleasePath);
        QTest::newRow("8 with a closed release valve")
            << product("8", "21", [](TMemoryProductLookup& p) { p.Valves["41"].C1to2 = 0; })
            << int(CalcNoReleasePath);
        QTest::newRow("release through a pinhole")
            << product("2", "11",
                       [](TMemoryProductLookup& p) { p.Ejectors["11"].DiuDiameter = 1e-7; })
            << int(CalcReleaseTooLong);
        // Flow 20 against a leakage of 19.99: T1 = 720 s.
        QTest::newRow("adsorption beyond the chart bound")
            << in("1", "11", [](TCalcInput& i) { i.gongjianxielouliang = 4.9975; })
            << int(CalcAdsorptionTooLong);
        QTest::newRow("unknown circuit code")
            << in("1", "11", [](TCalcInput& i) { i.CircuitNum = "10"; }) << int(CalcUnknownCircuit);
        QTest::newRow("no circuit code")
            << in("1", "11", [](TCalcInput& i) { i.CircuitNum = ""; }) << int(CalcUnknownCircuit);
        QTest::newRow("category 0")
            << in("1", "11", [](TCalcInput& i) { i.System_Cat = 0; }) << int(CalcUnknownCircuit);
        QTest::newRow("category 5")
            << in("1", "11", [](TCalcInput& i) { i.System_Cat = 5; }) << int(CalcUnknownCircuit);
        QTest::newRow("no workpiece mass")
            << in("1", "11", [](TCalcInput& i) { i.gongjianzhiliang = 0; }) << int(CalcNoMass);
        QTest::newRow("negative workpiece mass")
            << in("7", "21", [](TCalcInput& i) { i.gongjianzhiliang = -1; }) << int(CalcNoMass);
    }
    void inputsOutsideTheModel() {
        QFETCH(TSetup, setup);
        QFETCH(int, status);
        TCalcInput input;
        TMemoryProductLookup products = catalogue();
        setup(input, products);
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(CalcCircuit(input, output, products, session), status);
        QVERIFY2(timer.elapsed() < 20000, "the calculation must be bounded");
        QVERIFY2(firstNonFinite(output, session).isEmpty(), firstNonFinite(output, session));
        QVERIFY(!CalcStatusDescription(status).isEmpty());
    }

    void workingVacuumAtOrAboveTheMaximum() {
        TCalcInput input = circuitInput("3", "22");
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        const double pmax = output.zuidazhenkongyali;

        // The result page allows at most 0.99 × Pmax.
        input.zhenkongyali = 0.99 * pmax;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        CHECK_CLOSE("adsorption time", output.xizhuoyingdashijian,
                    session.Details.T1 * std::log(100.0), 1e-9);

        for (const double workingVacuum : {pmax, pmax + 1e-9, pmax + 5}) {
            for (const bool adsorptionOnly : {false, true}) {
                TCalcOutput tooHigh = untouchedOutput();
                TCalcSession tooHighSession;
                const TCalcOptions options{.AdsorptionOnly = adsorptionOnly, .RescaleChart = true};
                input.zhenkongyali = workingVacuum;
                QCOMPARE(CalcCircuit(input, tooHigh, products, tooHighSession, options),
                         int(CalcWorkingVacuumTooHigh));
                QVERIFY2(firstNonFinite(tooHigh, tooHighSession).isEmpty(),
                         firstNonFinite(tooHigh, tooHighSession));
            }
        }
    }

    // A full calculation's trace: four groups, numbers in the general format with
    // 15 significant digits whatever the locale, catalogue texts as they are.
    void traceOfAFullCalculation() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TCalcInput input = circuitInput("1", "12");
        TMemoryProductLookup products = catalogue();
        TEjectorRow& ejector = products.Ejectors["12"];
        ejector.MaxPressure = 88;
        ejector.DiuDiameterText = "0.350";
        ejector.HakaiCText = "0.80";
        ejector.HakaiBText = "0.35";
        ejector.SupCText = "";
        ejector.SupBText = "0.4";
        TCalcOutput output = untouchedOutput();
        TCalcSession session = untouchedSession();
        session.Wizard = {.PadVacuum = 45.5, .TubeQMax = 33.25, .NozzleDiameter = 1.2};
        const int status = CalcCircuit(input, output, products, session);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(status, int(CalcDone));

        const double pmax = 78.18423446041714;
        const QString t2a = "--------------------- T2a -----------------------";
        const QString ta = "------------------- Ta -------------------------";
        // A line is either exactly Text, or Text followed by a computed number.
        struct TLine {
            QString Text;
            double Number = 0;
            bool IsNumber = false;
        };
        auto text = [](const QString& s) { return TLine{s, 0, false}; };
        auto number = [](const QString& prefix, double v) { return TLine{prefix, v, true}; };
        const QList<TLine> expected{
            text("Q1=21"),
            text("P1=66"),
            text(t2a),
            number("P= ", 0.95 * pmax),
            number("Pmax= ", pmax),
            number("T1a= ", 0.3272727272727272),
            text("V= 0.12"),
            text("Q= 30"),
            text("Q1= 30"),
            text("Max-flow= 60"),
            text("C(1to2)= 0"),
            text("Q2= 72"),
            text("QL= 8"),
            text(t2a),
            text(ta),
            text("S= 490"),
            number("p= ", pmax),
            text("n= 4"),
            text("m= 2"),
            text("g= 9.8"),
            text(ta),
            text("Pmin = 45.5"),
            text("V = 0.12"),
            text("Se = 6"),
            text("Qmax = 33.25"),
            text("M-Name = EVX-12"),
            text("Nozzle-Diameter = 1.2"),
            text("Max-pressure = 88"),
            text("Max-flow  = 60"),
            text("Diu-DIAMETER  = 0.350"),
            text("N  = 1"),
            text("Hakai-C  = 0.80"),
            text("Hakai-b = 0.35"),
            text("Sup-C = "),
            text("Sup-b = 0.4"),
            text("C1to2 = 0"),
            number("C1 = ", 0.28235294117647064),
            number("C2 = ", 0.16799999999999998),
            text("C2to3 = 0"),
            text("C3 = 1.2"),
            number("pp = ", 21.510952380952375),
            number("Pmax = ", pmax),
        };
        const QStringList& trace = session.Trace;
        QCOMPARE(trace.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            if (expected[i].IsNumber) {
                const QByteArray problem =
                    numberLineProblem(trace[i], expected[i].Text, expected[i].Number);
                QVERIFY2(problem.isEmpty(), problem + " (line " + QByteArray::number(i) + ")");
            } else {
                QCOMPARE(trace[i], expected[i].Text);
            }
        }
    }

    // The valve figures the trace shows, by circuit ("-" for not checked here).
    void traceOfValves_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<QString>("ejector");
        QTest::addColumn<QString>("adsorptionC1to2"); // "C(1to2)= " of the adsorption group
        QTest::addColumn<QString>("c1to2");           // "C1to2 = " at the end
        QTest::addColumn<QString>("c2to3");           // "C2to3 = " at the end
        QTest::newRow("1: no V3") << "1"
                                  << "11"
                                  << "0"
                                  << "0"
                                  << "0";
        QTest::newRow("7: V3 for the source and the vacuum line") << "7"
                                                                  << "21"
                                                                  << "1.5"
                                                                  << "1.5"
                                                                  << "1.1";
        QTest::newRow("8: V3 for the source and the vacuum line") << "8"
                                                                  << "21"
                                                                  << "1.5"
                                                                  << "1.5"
                                                                  << "1.1";
        QTest::newRow("7b: C2to3 shown only for 7, 8 and 9b") << "7b"
                                                              << "21"
                                                              << "1.5"
                                                              << "1.5"
                                                              << "0";
        QTest::newRow("3b: C2to3 shown only for 7, 8 and 9b") << "3b"
                                                              << "21"
                                                              << "-"
                                                              << "1.5"
                                                              << "0";
        QTest::newRow("9: C2to3 shown only for 7, 8 and 9b") << "9"
                                                             << "21"
                                                             << "0"
                                                             << "-"
                                                             << "0";
        QTest::newRow("9b: V3 C2to3 releases") << "9b"
                                               << "21"
                                               << "0"
                                               << "-"
                                               << "1.1";
    }
    void traceOfValves() {
        QFETCH(QString, circuit);
        QFETCH(QString, ejector);
        QFETCH(QString, adsorptionC1to2);
        QFETCH(QString, c1to2);
        QFETCH(QString, c2to3);
        TCalcInput input = circuitInput(circuit, ejector);
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        QCOMPARE(session.Trace.size(), 42);
        if (adsorptionC1to2 != "-")
            QCOMPARE(lineStartingWith(session.Trace, "C(1to2)= "), "C(1to2)= " + adsorptionC1to2);
        if (c1to2 != "-")
            QCOMPARE(lineStartingWith(session.Trace, "C1to2 = "), "C1to2 = " + c1to2);
        QCOMPARE(lineStartingWith(session.Trace, "C2to3 = "), "C2to3 = " + c2to3);
    }

    void traceOfAPumpCircuit() {
        TCalcInput input = circuitInput("7", "21");
        TMemoryProductLookup products = catalogue();
        TCalcOutput output = untouchedOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        const QStringList& trace = session.Trace;
        QCOMPARE(trace.mid(0, 2), (QStringList{"Q1=0", "P1=0"}));
        QCOMPARE(lineStartingWith(trace, "Q1= "), QString("Q1= 45"));
        QCOMPARE(lineStartingWith(trace, "Max-flow= "), QString("Max-flow= 0"));
        QByteArray problem =
            numberLineProblem(lineStartingWith(trace, "Q2= "), "Q2= ", 60 * 0.8108695542208155);
        QVERIFY2(problem.isEmpty(), problem);
        problem = numberLineProblem(lineStartingWith(trace, "C3 = "), "C3 = ", 0.8108695542208155);
        QVERIFY2(problem.isEmpty(), problem);
        problem = numberLineProblem(lineStartingWith(trace, "C1 = "), "C1 = ", 0.2554782217979278);
        QVERIFY2(problem.isEmpty(), problem);
        QCOMPARE(lineStartingWith(trace, "C2 = "), QString("C2 = 0"));
        problem = numberLineProblem(lineStartingWith(trace, "pp = "), "pp = ", 16.13);
        QVERIFY2(problem.isEmpty(), problem);
    }

    // Whatever the circuit and the products, the maximum vacuum is where the
    // leakage through the vacuum line obeys the flow law (b = 0.5): from the pads
    // (upstream, 101.13 − Pmax) to the source (downstream, pp).
    void maximumVacuumObeysTheFlowLaw() {
        std::mt19937_64 rng(20240611);
        auto uniform = [&rng](double low, double high) {
            return std::uniform_real_distribution<double>(low, high)(rng);
        };
        const QStringList codes{"1", "2", "3",  "3b", "4",  "4b", "5",
                                "6", "7", "7b", "8",  "8b", "9",  "9b"};
        int checked = 0, choked = 0, subsonic = 0;
        for (int i = 0; i < 4000; ++i) {
            const QString code = codes[i % codes.size()];
            TMemoryProductLookup products;
            const double pe = uniform(60, 95), qe = uniform(20, 400);
            const int type = 1 + int(rng() % 2);
            products.Ejectors["1"] = ejectorRow(
                -pe, qe, uniform(20, 300), type, -uniform(0.6, 0.9) * pe, uniform(0.2, 0.6) * qe,
                uniform(0.05, 3), uniform(0.05, 3), uniform(0.05, 3));
            products.Valves["2"] = valveRow(uniform(0.05, 3), uniform(0.05, 3), 1, 1);
            products.Valves["3"] =
                valveRow(uniform(0.05, 3), uniform(0.05, 3), 1 + int(rng() % 2), 1);
            products.Throttles["4"].C1to2 = uniform(0.05, 3);
            products.PadAreas["5"] = uniform(10, 5000);

            TCalcInput input = circuitOfDrawnProducts(code);
            input.BiaoZhunGongyingYaLi = uniform(0.3, 0.6);
            input.PoHuaiYaLi = uniform(0.1, 0.6);
            input.ZhenKongPengYaLi = uniform(30, 98);
            input.zhenkongyali = -1;
            input.gongjianzhiliang = uniform(0.1, 50);
            input.gongjianxielouliang = uniform(0.1, 12);
            input.k = uniform(0.1, 1);
            input.Se = uniform(0.3, 30);
            input.V = uniform(0.005, 2);
            input.n = uniform(1, 8); // as from a history file, not always whole
            input.EJ_n = 1 + int(rng() % 3);

            TCalcOutput output = untouchedOutput();
            TCalcSession session;
            const int status = CalcCircuit(input, output, products, session,
                                           {.AdsorptionOnly = true, .RescaleChart = true});
            if (output.zuidazhenkongyali == Untouched)
                continue; // ended before the maximum vacuum (status 2 or 3)
            QVERIFY2(status != CalcNoVacuum, qPrintable(QString("case %1").arg(i)));
            const double ql = input.n * input.gongjianxielouliang;
            const double upstream = Atmosphere - output.zuidazhenkongyali;
            const double downstream = session.Details.pp;
            const double c3 = session.Details.C3;
            QVERIFY2(output.zuidazhenkongyali > 0 && c3 > 0 && downstream > 0,
                     qPrintable(QString("case %1").arg(i)));
            // A leakage tiny against the line's capacity leaves too few digits of
            // the pressure drop to check at this tolerance.
            if (ql / (1.2 * c3 * downstream) < 0.01)
                continue;
            double flow = 0;
            if (downstream / upstream <= 0.5) {
                flow = 0.6 * c3 * upstream;
                ++choked;
            } else {
                flow = 1.2 * c3 * std::sqrt(downstream * (upstream - downstream));
                ++subsonic;
            }
            QVERIFY2(std::abs(flow - ql) <= 1e-9 * ql,
                     qPrintable(QString("case %1, circuit %2: flow %3, leakage %4")
                                    .arg(i)
                                    .arg(code)
                                    .arg(flow, 0, 'g', 17)
                                    .arg(ql, 0, 'g', 17)));
            ++checked;
        }
        QVERIFY2(checked >= 2000, qPrintable(QString::number(checked)));
        QVERIFY2(choked >= 200 && subsonic >= 200,
                 qPrintable(QString("choked %1, subsonic %2").arg(choked).arg(subsonic)));
    }
};

QTEST_GUILESS_MAIN(TestCalcCircuit)
#include "tst_calc_circuit.moc"
