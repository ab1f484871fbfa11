// Cost of one CalcCircuit call on the shipped catalogue: a typical circuit
// (adsorption about 0.5 s, release about 0.1 s) and a slow one (release about
// 10 s), and the share of the call spent reading products.
#include "TestSupport.h"
#include "calc/CalcCircuit.h"
#include "calc/Formulas.h"
#include "core/DMComm.h"
#include "core/DbProductLookup.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// Times the lookups of the catalogue it forwards to.
class TimedLookup : public TProductLookup {
public:
    explicit TimedLookup(TProductLookup& inner) : inner_(inner) {}
    qint64 nanoseconds = 0;

    template <typename F> std::invoke_result_t<F> timed(F f) {
        QElapsedTimer timer;
        timer.start();
        auto result = f();
        nanoseconds += timer.nsecsElapsed();
        return result;
    }

    TLookupResult Ejector(const QString& id, TEjectorRow& row) override {
        return timed([&] { return inner_.Ejector(id, row); });
    }
    TLookupResult Valve(const QString& id, TValveRow& row) override {
        return timed([&] { return inner_.Valve(id, row); });
    }
    TLookupResult Throttle(const QString& id, TThrottleRow& row) override {
        return timed([&] { return inner_.Throttle(id, row); });
    }
    double PadArea(const QString& id) override {
        return timed([&] { return inner_.PadArea(id); });
    }

private:
    TProductLookup& inner_;
};

// Circuit "1": ejector EVA-10S-50-R with built-in valves, four VPF-50-B pads.
TCalcInput ejectorCircuit(double tubeLength, double tubeDiameter) {
    TCalcInput in;
    in.System_Cat = 1;
    in.CircuitNum = "1";
    in.PT_ID = "127";
    in.EJ_ID = "2106";
    in.BiaoZhunGongyingYaLi = 0.5;
    in.zhenkongyali = -1;
    in.TubeLength = tubeLength;
    in.gongjianzhiliang = 10;
    in.gongjianxielouliang = 0.1;
    in.k = 1;
    in.Se = TubeEffectiveArea(tubeLength, tubeDiameter);
    in.V = TubeVolume(tubeLength, tubeDiameter);
    in.n = 4;
    in.EJ_n = 1;
    return in;
}

} // namespace

class BenchCalc : public QObject {
    Q_OBJECT

    TDMComm db_;

    void measure(const TCalcInput& input) {
        TDbProductLookup catalogue(db_);
        TimedLookup lookup(catalogue);
        TCalcSession session;
        TCalcOutput output;
        QCOMPARE(CalcCircuit(input, output, lookup, session), 0);
        lookup.nanoseconds = 0;
        QElapsedTimer total;
        total.start();
        QBENCHMARK {
            CalcCircuit(input, output, lookup, session);
        }
        // Qt Test runs a benchmark function more than once; the last run is reported.
        summaries_[QTest::currentTestFunction()] = QString::asprintf(
            "adsorption %.3f s, release %.3f s, %zu + %zu chart points; product lookups "
            "%.1f %% of the call",
            output.xizhuoyingdashijian, output.pohuaiyingdashijian,
            session.Chart.Series[AdsorptionCurve].size(), session.Chart.Series[ReleaseCurve].size(),
            100.0 * double(lookup.nanoseconds) / double(total.nsecsElapsed()));
    }

    QMap<QString, QString> summaries_;

private slots:
    void initTestCase() { QVERIFY(ConnectBuiltCatalogue(db_)); }
    void cleanupTestCase() {
        for (auto it = summaries_.cbegin(); it != summaries_.cend(); ++it)
            qInfo().noquote() << it.key() + ": " + it.value();
    }

    // Circuit "8": pump, release valve VSA-010, switching valve VSB-100.
    void typicalCircuit() {
        TCalcInput input = ejectorCircuit(2.5, 6.5);
        input.System_Cat = 4;
        input.CircuitNum = "8";
        input.EJ_ID.clear();
        input.VA_Pohuai_ID = "101";
        input.VA_QieHuan_ID = "203";
        input.ZhenKongPengYaLi = 80;
        input.PoHuaiYaLi = 0.4;
        measure(input);
    }

    // Circuit "6": vacuum unit VUA-08 on a pump, release throttle almost closed.
    void slowRelease() {
        TCalcInput input = ejectorCircuit(1, 6.5);
        input.System_Cat = 3;
        input.CircuitNum = "6";
        input.EJ_ID = "3103";
        input.ZhenKongPengYaLi = 80;
        input.PoHuaiYaLi = 0.4;
        input.k = 0.002;
        measure(input);
    }
};

QTEST_GUILESS_MAIN(BenchCalc)
#include "bench_calc.moc"
