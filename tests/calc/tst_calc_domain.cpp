// Inputs and catalogue values outside the physical model: each impossible input
// has a status of its own, and status 0 always comes with finite figures that
// physics allows.
#include "CalcFixtures.h"
#include "MemoryProductLookup.h"
#include "calc/CalcCircuit.h"
#include "calc/CalcStatus.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace {

constexpr double Atmosphere = 101.13;
constexpr double Unwritten = -777.25;

using TChange = std::function<void(TCalcInput&, TMemoryProductLookup&)>;

TCalcOutput unwrittenOutput() {
    return {Unwritten, Unwritten, Unwritten, Unwritten, Unwritten, Unwritten};
}

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

// Names the first figure of a finished calculation that is not finite or that
// physics rules out; empty when there is none.
QByteArray impossibleFigure(const TCalcOutput& out, const TCalcSession& session) {
    constexpr double Any = std::numeric_limits<double>::max();
    const TCalcDetails& d = session.Details;
    const double release = out.pohuaiyingdashijian;
    const std::pair<const char*, bool> figures[] = {
        {"maximum vacuum", out.zuidazhenkongyali > 0 && out.zuidazhenkongyali < Atmosphere},
        {"adsorption time", within(out.xizhuoyingdashijian, 0, Any)},
        {"release time", release == -1 || within(release, 0, Any)},
        {"safety factor", within(out.anquanlv, 0, Any)},
        {"air consumption", within(out.kongqixiaofeiliang, 0, Any)},
        {"required pump flow", within(out.biyaozhenkongbengliuliang, 0, Any)},
        {"C1", within(d.C1, -Any, Any)},
        {"C2", within(d.C2, -Any, Any)},
        {"T1", within(d.T1, 0, Any)},
    };
    for (const auto& [name, possible] : figures)
        if (!possible)
            return name;
    for (const auto& series : session.Chart.Series)
        for (const TChartPoint& point : series)
            if (!std::isfinite(point.X) || !std::isfinite(point.Y))
                return "a chart point";
    return {};
}

// Draws ordinary values, log-uniform within a range, and with the probability
// wildness a value of any magnitude from 1e-300 to 1e300, zero or negative.
class TDraw {
public:
    explicit TDraw(unsigned seed) : rng_(seed) {}
    double chance() { return std::uniform_real_distribution<double>(0, 1)(rng_); }
    int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }
    double operator()(double low, double high) {
        if (chance() < wildness)
            return wild();
        return std::exp(
            std::uniform_real_distribution<double>(std::log(low), std::log(high))(rng_));
    }
    double wildness = 0;

private:
    double wild() {
        const double kind = chance();
        if (kind < 0.1)
            return 0;
        const double magnitude =
            std::pow(10.0, std::uniform_real_distribution<double>(-300, 300)(rng_));
        return kind < 0.35 ? -magnitude : magnitude;
    }
    std::mt19937 rng_;
};

void drawProducts(TDraw& draw, TMemoryProductLookup& products) {
    TEjectorRow& e = products.Ejectors["1"];
    e.MaxPressure = -draw(40, 95);
    e.MaxFlow = draw(10, 400);
    e.AirConsumption = draw(20, 300);
    e.N = draw.chance() < 0.05 ? 3 : 1 + draw.below(2);
    e.P1 = 0.7 * e.MaxPressure;
    e.Q1 = draw(2, 100);
    e.SupC = draw(0.05, 3);
    e.HakaiC = draw(0.05, 3);
    e.DiuDiameter = draw(0.05, 3);
    for (const char* id : {"2", "3"})
        products.Valves[id] = {draw(0.05, 3), draw(0.05, 3), 1 + draw.below(2), draw.below(3)};
    products.Throttles["4"].C1to2 = draw(0.05, 3);
    products.PadAreas["5"] = draw(10, 5000);
}

TCalcInput drawInput(TDraw& draw, const QString& code) {
    TCalcInput input = circuitOfDrawnProducts(code);
    input.BiaoZhunGongyingYaLi = draw(0.1, 0.7);
    input.PoHuaiYaLi = draw(0.1, 0.7);
    input.ZhenKongPengYaLi = draw(30, 100);
    input.zhenkongyali = draw.chance() < 0.5 ? -1 : draw(1, 90);
    input.gongjianzhiliang = draw(0.1, 50);
    input.gongjianxielouliang = draw(0.01, 12);
    input.k = draw(0.05, 1);
    input.Se = draw(0.3, 30);
    input.V = draw(0.005, 2);
    input.n = draw(1, 8);
    input.EJ_n = 1 + draw.below(3);
    return input;
}

} // namespace

Q_DECLARE_METATYPE(TChange)

class TestCalcDomain : public QObject {
    Q_OBJECT

private slots:
    void statusTexts() {
        QSet<QString> keys, descriptions;
        for (int status = CalcSourceFlowTooSmall; status <= CalcImpossibleResult; ++status) {
            keys.insert(CalcStatusMessageKey(status));
            descriptions.insert(CalcStatusDescription(status));
        }
        QCOMPARE(keys.size(), CalcImpossibleResult - 1);
        QCOMPARE(descriptions.size(), CalcImpossibleResult - 1);
        QVERIFY(!descriptions.contains("unknown status"));
    }

    void impossibleInputs_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<TChange>("change");
        QTest::addColumn<int>("status");
        auto set = [](double TCalcInput::*field, double value) {
            return TChange([=](TCalcInput& i, TMemoryProductLookup&) { i.*field = value; });
        };
        using P = TMemoryProductLookup;
        // clang-format off
        QTest::newRow("no pads") << "1" << set(&TCalcInput::n, 0) << int(CalcNoPads);
        QTest::newRow("negative pad count") << "1" << set(&TCalcInput::n, -4) << int(CalcNoPads);
        QTest::newRow("negative leakage") << "6" << set(&TCalcInput::gongjianxielouliang, -1) << int(CalcNegativeLeakage);
        QTest::newRow("negative throttle opening") << "3" << set(&TCalcInput::k, -0.5) << int(CalcThrottleOutOfRange);
        QTest::newRow("throttle beyond fully open") << "1" << set(&TCalcInput::k, 1e308) << int(CalcThrottleOutOfRange);
        QTest::newRow("circuit 4 has no throttle") << "4" << set(&TCalcInput::k, -0.5) << int(CalcDone);
        QTest::newRow("negative tubing area") << "1" << set(&TCalcInput::Se, -6) << int(CalcNegativeTubeArea);
        QTest::newRow("tubing area 1e308") << "1" << set(&TCalcInput::Se, 1e308) << int(CalcNotFinite);
        QTest::newRow("pump at the atmosphere") << "7" << set(&TCalcInput::ZhenKongPengYaLi, Atmosphere) << int(CalcPumpLevelOutOfRange);
        QTest::newRow("pump beyond the atmosphere") << "6" << set(&TCalcInput::ZhenKongPengYaLi, 150) << int(CalcPumpLevelOutOfRange);
        QTest::newRow("negative pump level") << "8" << set(&TCalcInput::ZhenKongPengYaLi, -5) << int(CalcPumpLevelOutOfRange);
        QTest::newRow("ejectors have no pump") << "1" << set(&TCalcInput::ZhenKongPengYaLi, 150) << int(CalcDone);
        QTest::newRow("negative release pressure") << "7" << set(&TCalcInput::PoHuaiYaLi, -0.2) << int(CalcNegativeSupplyPressure);
        QTest::newRow("negative standard supply") << "1" << set(&TCalcInput::BiaoZhunGongyingYaLi, -0.2) << int(CalcNegativeSupplyPressure);
        QTest::newRow("release supply 1e308 MPa") << "7" << set(&TCalcInput::PoHuaiYaLi, 1e308) << int(CalcNotFinite);
        QTest::newRow("ejector vacuum beyond the atmosphere") << "1" << TChange([](auto&, P& p) { p.Ejectors["11"].MaxPressure = -150; }) << int(CalcImpossibleResult);
        QTest::newRow("negative pad area") << "1" << TChange([](auto&, P& p) { p.PadAreas["61"] = -490; }) << int(CalcImpossibleResult);
        QTest::newRow("negative air consumption") << "2" << TChange([](auto&, P& p) { p.Ejectors["11"].AirConsumption = -65; }) << int(CalcImpossibleResult);
        // clang-format on
    }
    void impossibleInputs() {
        QFETCH(QString, code);
        QFETCH(TChange, change);
        QFETCH(int, status);
        TCalcInput input = circuitInput(code, code == "6" ? "31" : "11");
        TMemoryProductLookup products = catalogue();
        change(input, products);
        TCalcOutput output = unwrittenOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), status);
        if (status == CalcDone)
            QVERIFY2(impossibleFigure(output, session).isEmpty(),
                     impossibleFigure(output, session));
    }

    // A valve of unlimited conductance drops out of its series path: the line is
    // the tubing alone (6 mm² / 5), the supply release the tubing path (6 mm² / 10).
    void unlimitedValveConductance_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("valve");
        QTest::addColumn<double>("c3");
        QTest::addColumn<double>("c1");
        QTest::newRow("switching valve on the line") << "8b"
                                                     << "42" << 1.2 << 0.6;
        QTest::newRow("release valve") << "4"
                                       << "41" << 1.2 << 0.6;
    }
    void unlimitedValveConductance() {
        QFETCH(QString, code);
        QFETCH(QString, valve);
        QFETCH(double, c3);
        QFETCH(double, c1);
        TCalcInput input = circuitInput(code, code == "6" ? "31" : "11");
        TMemoryProductLookup products = catalogue();
        products.Valves[valve].C1to2 = products.Valves[valve].C2to3 = 1e308;
        TCalcOutput output = unwrittenOutput();
        TCalcSession session;
        QCOMPARE(CalcCircuit(input, output, products, session), int(CalcDone));
        QVERIFY2(impossibleFigure(output, session).isEmpty(), impossibleFigure(output, session));
        QCOMPARE(session.Details.C3, c3);
        QCOMPARE(session.Details.C1, c1);
    }

    void randomInputsGiveStatusZeroOnlyWithPossibleFigures() {
        constexpr double Wildness[] = {0, 0.02, 0.1, 0.5};
        TDraw draw(20240917);
        const QStringList codes{"1", "2", "3",  "3b", "4",  "4b", "5",
                                "6", "7", "7b", "8",  "8b", "9",  "9b"};
        int finished = 0;
        for (int i = 0; i < 4000; ++i) {
            draw.wildness = Wildness[i % 4];
            TMemoryProductLookup products;
            drawProducts(draw, products);
            const TCalcInput input = drawInput(draw, codes[i % codes.size()]);
            TCalcOutput output = unwrittenOutput();
            TCalcSession session;
            if (CalcCircuit(input, output, products, session) != CalcDone)
                continue;
            const QByteArray problem = impossibleFigure(output, session);
            QVERIFY2(problem.isEmpty(),
                     qPrintable(
                         QString("case %1, circuit %2: %3").arg(i).arg(input.CircuitNum, problem)));
            ++finished;
        }
        QVERIFY2(finished >= 1000, qPrintable(QString::number(finished)));
    }
};

QTEST_GUILESS_MAIN(TestCalcDomain)
#include "tst_calc_domain.moc"
