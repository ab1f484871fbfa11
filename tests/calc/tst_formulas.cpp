#include "calc/ChartData.h"
#include "calc/Formulas.h"

#include <QtTest>

#include <cmath>

// The expected figures were worked out by hand from the formulas (or, where the
// rounding of the last digit matters, by evaluating them left to right in double
// precision), not taken from the implementation.
namespace {
bool closeTo(double actual, double expected, double relativeTolerance) {
    return std::abs(actual - expected) <= relativeTolerance * std::max(1.0, std::abs(expected));
}

QByteArray mismatch(double actual, double expected) {
    return QByteArray("got ") + QByteArray::number(actual, 'g', 17) + ", expected " +
           QByteArray::number(expected, 'g', 17);
}
} // namespace

class TestFormulas : public QObject {
    Q_OBJECT

private slots:
    void seriesConductance_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("3-4-5") << 3.0 << 4.0 << 2.4 << 1e-15;
        QTest::newRow("4-3-5, order does not matter") << 4.0 << 3.0 << 2.4 << 1e-15;
        QTest::newRow("two equal elements") << 1.0 << 1.0 << 0.7071067811865475 << 1e-15;
        QTest::newRow("tube and valve") << 1.2 << 1.1 << 0.8108695542208156 << 1e-15;
        QTest::newRow("small conductances") << 0.3 << 0.4 << 0.24 << 1e-15;
        QTest::newRow("one element shut") << 0.5 << 0.0 << 0.0 << 0.0;
        QTest::newRow("other element shut") << 0.0 << 0.5 << 0.0 << 0.0;
        QTest::newRow("both shut") << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("a very large element leaves the other") << 2.0 << 1e9 << 2.0 << 1e-12;
    }
    void seriesConductance() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double actual = SeriesConductance(a, b);
        QVERIFY(std::isfinite(actual));
        QVERIFY2(closeTo(actual, expected, tolerance), mismatch(actual, expected));
    }
    // Squares or products beyond the range of double still give the series value.
    void seriesConductanceOfExtremeSize_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        QTest::newRow("huge and ordinary") << 6.0 << 1e308 << 6.0;
        QTest::newRow("ordinary and huge") << 1e308 << 6.0 << 6.0;
        QTest::newRow("two huge elements") << 1e308 << 1e308 << 7.0710678118654757e307;
        QTest::newRow("1e200 and 1e200") << 1e200 << 1e200 << 7.0710678118654757e199;
        QTest::newRow("1e200 and 1e-200") << 1e200 << 1e-200 << 1e-200;
        QTest::newRow("1e-200 and 1e200") << 1e-200 << 1e200 << 1e-200;
        QTest::newRow("two tiny elements") << 3e-200 << 4e-200 << 2.4e-200;
    }
    void seriesConductanceOfExtremeSize() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, expected);
        const double actual = SeriesConductance(a, b);
        QVERIFY2(std::abs(actual / expected - 1) < 1e-15, mismatch(actual, expected));
    }
    // Conductances of ordinary size keep the value of the direct form to the last
    // bit, so the figures of every stored calculation stay as they were.
    void seriesConductanceOfOrdinarySize() {
        for (const double a : {0.05, 0.3, 1.2, 2.4, 7.5, 130.0})
            for (const double b : {0.07, 0.45, 1.1, 3.3, 95.0})
                QCOMPARE(SeriesConductance(a, b), a * b / std::sqrt(a * a + b * b));
    }

    void ejectorVacuumAtFlow_data() {
        QTest::addColumn<double>("pmax");
        QTest::addColumn<double>("qmax");
        QTest::addColumn<double>("p1");
        QTest::addColumn<double>("q1");
        QTest::addColumn<double>("q");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        // Straight line from (0, 90) to (40, 0).
        QTest::newRow("line, no flow") << 90.0 << 40.0 << 0.0 << 0.0 << 0.0 << 1 << 90.0 << 1e-15;
        QTest::newRow("line, flow 8") << 90.0 << 40.0 << 0.0 << 0.0 << 8.0 << 1 << 72.0 << 1e-15;
        QTest::newRow("line, half flow")
            << 90.0 << 40.0 << 0.0 << 0.0 << 20.0 << 1 << 45.0 << 1e-15;
        QTest::newRow("line, full flow") << 90.0 << 40.0 << 0.0 << 0.0 << 40.0 << 1 << 0.0 << 1e-15;
        QTest::newRow("line ignores a knee")
            << 90.0 << 40.0 << 66.0 << 21.0 << 8.0 << 1 << 72.0 << 1e-15;
        // Two segments: (0, 88) to the knee (21, 66), then to (60, 0).
        QTest::newRow("knee, no flow") << 88.0 << 60.0 << 66.0 << 21.0 << 0.0 << 2 << 88.0 << 1e-15;
        QTest::newRow("knee, first segment")
            << 88.0 << 60.0 << 66.0 << 21.0 << 7.0 << 2 << 80.66666666666667 << 1e-14;
        QTest::newRow("knee, at the knee")
            << 88.0 << 60.0 << 66.0 << 21.0 << 21.0 << 2 << 66.0 << 1e-14;
        QTest::newRow("knee, second segment")
            << 88.0 << 60.0 << 66.0 << 21.0 << 30.0 << 2 << 50.769230769230774 << 1e-14;
        QTest::newRow("knee, full flow")
            << 88.0 << 60.0 << 66.0 << 21.0 << 60.0 << 2 << 0.0 << 1e-14;
        // Both segments meet at the knee; with these figures the first segment,
        // evaluated left to right, ends one unit in the last place below P1 while
        // the second one starts exactly at P1. A flow of exactly Q1 is on the first.
        QTest::newRow("flow exactly Q1 uses the first segment")
            << 85.5 << 70.0 << 55.9 << 25.3 << 25.3 << 2 << 55.89999999999999 << 0.0;
        // A first segment of zero width (Q1 = 0) at zero flow: its upper end, Pmax;
        // the second segment would give P1.
        QTest::newRow("zero flow on a zero-width first segment")
            << 90.0 << 40.0 << 60.0 << 0.0 << 0.0 << 2 << 90.0 << 0.0;
        QTest::newRow("type 3 is not a characteristic")
            << 90.0 << 40.0 << 0.0 << 0.0 << 8.0 << 3 << 0.0 << 0.0;
        QTest::newRow("type 0 is not a characteristic")
            << 90.0 << 40.0 << 0.0 << 0.0 << 8.0 << 0 << 0.0 << 0.0;
    }
    void ejectorVacuumAtFlow() {
        QFETCH(double, pmax);
        QFETCH(double, qmax);
        QFETCH(double, p1);
        QFETCH(double, q1);
        QFETCH(double, q);
        QFETCH(int, n);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double actual = EjectorVacuumAtFlow(pmax, qmax, p1, q1, q, n);
        QVERIFY(std::isfinite(actual));
        QVERIFY2(closeTo(actual, expected, tolerance), mismatch(actual, expected));
    }

    void requiredVacuum_data() {
        QTest::addColumn<double>("m");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("sf");
        QTest::addColumn<double>("count");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("10 kg on four 2000 mm² pads, safety 4: vacuum")
            << 10.0 << 2000.0 << 4.0 << 4.0 << 49.0 << 1e-14;
        QTest::newRow("10 kg at 60 kPa, four pads, safety 4: area")
            << 10.0 << 60.0 << 4.0 << 4.0 << 1633.3333333333333 << 1e-14;
        QTest::newRow("2.5 kg on four 490 mm² pads, safety 2")
            << 2.5 << 490.0 << 2.0 << 4.0 << 25.0 << 1e-14;
        QTest::newRow("pad count from a file need not be whole")
            << 3.0 << 1000.0 << 3.0 << 1.5 << 58.8 << 1e-14;
    }
    void requiredVacuum() {
        QFETCH(double, m);
        QFETCH(double, a);
        QFETCH(double, sf);
        QFETCH(double, count);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double actual = RequiredVacuum(m, 9.8, a, sf, count);
        QVERIFY2(closeTo(actual, expected, tolerance), mismatch(actual, expected));
    }

    void requiredVacuumUsesTheGravityPassedIn() {
        QVERIFY(closeTo(RequiredVacuum(10, 10.0, 2000, 4, 4), 50.0, 1e-14));
    }

    void requiredTubeFlow_data() {
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("count");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        // (V·60/(T/3) + count·q)·2
        QTest::newRow("volume and leakage") << 0.12 << 1.5 << 4.0 << 2.0 << 44.8 << 1e-14;
        QTest::newRow("no leakage") << 0.05 << 0.3 << 2.0 << 0.0 << 60.0 << 1e-14;
        QTest::newRow("no pads leaking") << 0.2 << 3.0 << 0.0 << 5.0 << 24.0 << 1e-14;
        QTest::newRow("fractional pad count") << 0.033 << 0.45 << 2.5 << 3.2 << 42.4 << 1e-14;
    }
    void requiredTubeFlow() {
        QFETCH(double, v);
        QFETCH(double, t);
        QFETCH(double, count);
        QFETCH(double, q);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double actual = RequiredTubeFlow(v, t, count, q);
        QVERIFY2(closeTo(actual, expected, tolerance), mismatch(actual, expected));
    }

    void tubing_data() {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("volume");
        QTest::addColumn<double>("tolerance");
        // area 0.785·d²/√(1 + 19.7·L/d^1.31), volume 0.785·d²·L/1000
        QTest::newRow("1 m of 4 mm") << 1.0 << 4.0 << 6.125332320129962 << 0.01256 << 1e-13;
        QTest::newRow("no length: the bore alone") << 0.0 << 6.0 << 28.26 << 0.0 << 1e-13;
        QTest::newRow("2.5 m of 2.5 mm")
            << 2.5 << 2.5 << 1.2331793194867184 << 0.012265625 << 1e-13;
        QTest::newRow("0.5 m of 8 mm") << 0.5 << 8.0 << 39.15652411977477 << 0.02512 << 1e-13;
        QTest::newRow("3 m of 10 mm") << 3.0 << 10.0 << 39.77760466743018 << 0.2355 << 1e-13;
    }
    void tubing() {
        QFETCH(double, length);
        QFETCH(double, diameter);
        QFETCH(double, area);
        QFETCH(double, volume);
        QFETCH(double, tolerance);
        const double actualArea = TubeEffectiveArea(length, diameter);
        const double actualVolume = TubeVolume(length, diameter);
        QVERIFY2(closeTo(actualArea, area, tolerance), mismatch(actualArea, area));
        QVERIFY2(closeTo(actualVolume, volume, tolerance), mismatch(actualVolume, volume));
    }

    // The increment starts at 0.01 and grows by repeated addition of 0.01, so it
    // carries the rounding of the additions: 0.25 is reached as 0.25000000000000006
    // and rounds up, 0.15 is reached exactly and rounds to even (0.2), and 2.5 after
    // the second rounding goes to 2. The derived rows were simulated with the same
    // additions in double precision.
    void bottomAxisIncrement_data() {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("increment");
        QTest::newRow("0.4 s: 0.05 is kept") << 0.4 << 0.05;
        QTest::newRow("1.1 s: 0.14 rounds to 0.1") << 1.1 << 0.1;
        QTest::newRow("2 s: just above 0.25 rounds up") << 2.0 << 0.3;
        QTest::newRow("12 s: 1.5 rounds to 2") << 12.0 << 2.0;
        QTest::newRow("20 s: 2.51 gives 2.5, then 2") << 20.0 << 2.0;
        QTest::newRow("no time at all") << 0.0 << 0.01;
        QTest::newRow("0.08 s: eight labels of 0.01 fit") << 0.08 << 0.01;
        QTest::newRow("0.081 s: 0.02") << 0.081 << 0.02;
        QTest::newRow("0.32 s: 0.04 is not rounded") << 0.32 << 0.04;
        QTest::newRow("0.33 s: 0.05 is kept") << 0.33 << 0.05;
        QTest::newRow("0.41 s: 0.06 rounds to 0.1") << 0.41 << 0.1;
        QTest::newRow("0.9 s: 0.12 rounds to 0.1") << 0.9 << 0.1;
        QTest::newRow("1.2 s: exactly 0.15 goes to the even 0.2") << 1.2 << 0.2;
        QTest::newRow("1.6 s: 0.2") << 1.6 << 0.2;
        QTest::newRow("3 s: 0.38 rounds to 0.4") << 3.0 << 0.4;
        QTest::newRow("6 s: just above 0.75 rounds to 0.8") << 6.0 << 0.8;
        QTest::newRow("8.8 s: 1.1 rounds to 1") << 8.8 << 1.0;
        QTest::newRow("10 s: 1.25 gives 1.3, then 1") << 10.0 << 1.0;
        QTest::newRow("13.2 s: 1.65 gives 1.7, then 2") << 13.2 << 2.0;
        QTest::newRow("44 s: 5.51 gives 5.5, then the even 6") << 44.0 << 6.0;
        QTest::newRow("50 s: 6.26 gives 6.3, then 6") << 50.0 << 6.0;
        QTest::newRow("100 s: 12.51 gives 12.5, then the even 12") << 100.0 << 12.0;
    }
    void bottomAxisIncrement() {
        QFETCH(double, maximum);
        QFETCH(double, increment);
        const double actual = BottomAxisIncrement(maximum);
        QVERIFY2(std::abs(actual - increment) < 1e-9, mismatch(actual, increment));
    }
};

QTEST_GUILESS_MAIN(TestFormulas)
#include "tst_formulas.moc"
