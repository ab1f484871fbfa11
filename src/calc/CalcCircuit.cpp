#include "calc/CalcCircuit.h"

#include "calc/CalcStatus.h"
#include "calc/CircuitTable.h"
#include "calc/Formulas.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Atmosphere = 101.13; // kPa, the standard atmosphere of every vacuum figure
constexpr double Euler = 2.7182;   // four decimals: the curves of stored results keep their points
constexpr double TimeStep = 0.001; // s, release integration and curve points
constexpr double Gravity = 9.8;
constexpr double ReleaseGain = 1e-8 * 84.13405 * 1.185; // air mass per step × R·T, in kPa·dm³
const int MaxSteps = int(CalcTimeBound / TimeStep);
const QString Separator2a = QStringLiteral("--------------------- T2a -----------------------");
const QString SeparatorTa = QStringLiteral("------------------- Ta -------------------------");

QString number(double value) {
    return QString::number(value, 'g', 15);
}

// A product read at most once per calculation.
template <typename Row> struct Product {
    bool tried = false;
    bool found = false;
    bool noRow = false;
    Row row;
};

// Flow into the pads through conductance c from a source at absolute pressure
// source, with the pads at p (critical pressure ratio 0.5).
double releaseFlow(double c, double source, double p) {
    const double ratio = p / source;
    if (ratio <= 0.5)
        return c * source;
    const double x = (ratio - 0.5) / 0.5;
    return c * source * std::sqrt(std::max(0.0, 1 - x * x));
}

class Calculation {
public:
    Calculation(const TCalcInput& in, TCalcOutput& out, TProductLookup& products,
                TCalcSession& session, const TCalcOptions& options)
        : in_(in), out_(out), products_(products), s_(session), options_(options),
          circuit_(FindCircuit(in.CircuitNum)) {}

    TCalcStatus run() {
        if (in_.System_Cat < 1 || in_.System_Cat > 4 || !circuit_)
            return CalcUnknownCircuit;
        if (const TCalcStatus inputStatus = inputOutOfRange(); inputStatus != CalcDone)
            return inputStatus;
        s_.Details = {};
        QL_ = in_.n * in_.gongjianxielouliang;
        s_.Details.QL = QL_;
        TCalcStatus status = CalcDone;
        if (!sourcePressure(status) || !lineConductance(status) || !maximumVacuum(status) ||
            !adsorptionTime(status))
            return status;
        if (options_.AdsorptionOnly)
            return CalcDone;
        traceAdsorption();
        if (!safetyFactor(status) || !airConsumption(status) || !releaseConductances(status) ||
            !release(status))
            return status;
        drawCurves();
        traceTail();
        return CalcDone;
    }

private:
    // Reads a product once; false when its statement found no row, which ends
    // the calculation with status 0. A statement that failed leaves the row zero.
    template <typename Row, typename Read>
    bool fetch(Product<Row>& product, const QString& id, Read read) {
        if (!product.tried) {
            product.tried = true;
            // An empty ID is no product: its statement could never run.
            const TLookupResult result =
                id.isEmpty() ? TLookupResult::Failed : (products_.*read)(id, product.row);
            product.found = result == TLookupResult::Found;
            product.noRow = result == TLookupResult::NoRow;
            if (!product.found)
                product.row = Row{};
        }
        return !product.noRow;
    }
    bool fetchEjector() { return fetch(ej_, in_.EJ_ID, &TProductLookup::Ejector); }
    bool fetchV2() { return fetch(v2_, in_.VA_Pohuai_ID, &TProductLookup::Valve); }
    bool fetchV3() { return fetch(v3_, in_.VA_QieHuan_ID, &TProductLookup::Valve); }
    bool fetchThrottle() { return fetch(throttle_, in_.VA_Jieliu_ID, &TProductLookup::Throttle); }

    bool stop(TCalcStatus& status, TCalcStatus code) {
        status = code;
        return false;
    }

    // Stops with CalcNotFinite for a value that is not a finite number and with
    // CalcImpossibleResult for one that physics rules out (possible false).
    bool physical(TCalcStatus& status, double value, bool possible) {
        if (!std::isfinite(value))
            return stop(status, CalcNotFinite);
        if (!possible)
            return stop(status, CalcImpossibleResult);
        return true;
    }

    // Inputs no circuit can have, rejected before anything is written. NaN fails
    // every range. The throttle opening and the release supply count only where
    // the release is calculated and uses them.
    TCalcStatus inputOutOfRange() const {
        if (!(in_.n > 0))
            return CalcNoPads;
        if (!(in_.gongjianxielouliang >= 0))
            return CalcNegativeLeakage;
        if (!(in_.Se >= 0))
            return CalcNegativeTubeArea;
        // A pump cannot draw below absolute zero, nor push above the atmosphere.
        const double pump = in_.ZhenKongPengYaLi;
        if (in_.System_Cat >= 3 && !(pump >= 0 && pump < Atmosphere))
            return CalcPumpLevelOutOfRange;
        if (options_.AdsorptionOnly)
            return CalcDone;
        if (circuit_->ThrottleOpening && !(in_.k >= 0 && in_.k <= 1))
            return CalcThrottleOutOfRange;
        // Circuits without a release path from the supply do not use its pressure.
        if (circuit_->Release != TReleasePath::None && !(releaseSupply() >= 0))
            return CalcNegativeSupplyPressure;
        return CalcDone;
    }

    // Gauge pressure (MPa) of the supply that releases the pads.
    double releaseSupply() const {
        return in_.System_Cat <= 2 ? in_.BiaoZhunGongyingYaLi : in_.PoHuaiYaLi;
    }

    // Absolute pressure at the source end of the vacuum line, below the atmosphere
    // by what the ejector holds at the leakage flow or by the pump level.
    bool sourcePressure(TCalcStatus& status) {
        const int category = in_.System_Cat;
        if (category == 1 || category == 2) {
            if (!fetchEjector())
                return false;
            const TEjectorRow& e = ej_.row;
            Pe_ = std::fabs(e.MaxPressure);
            Qe_ = e.MaxFlow;
            A_ = e.AirConsumption;
            N_ = e.N;
            if (N_ == 2) {
                P1_ = std::fabs(e.P1);
                Q1_ = e.Q1;
            }
            if (N_ != 1 && N_ != 2)
                return stop(status, CalcUnknownCharacteristic);
            pp_ = Atmosphere - EjectorVacuumAtFlow(Pe_, Qe_, P1_, Q1_, QL_, N_);
            s_.Details.pp = pp_;
            if (0.5 * Qe_ * N_ <= QL_)
                return stop(status, CalcSourceFlowTooSmall);
        } else {
            pp_ = Atmosphere - in_.ZhenKongPengYaLi;
            s_.Details.pp = pp_;
        }
        // An ejector that claims a vacuum at or beyond the atmosphere would pull
        // below absolute zero.
        if (!physical(status, pp_, pp_ > 0))
            return false;
        if (category == 3 && !in_.EJ_ID.isEmpty()) {
            if (!fetchEjector())
                return false;
            CU_ = ej_.row.SupC;
        }
        return true;
    }

    // Conductance of the vacuum line between pads and source.
    bool lineConductance(TCalcStatus& status) {
        const double tube = in_.Se / 5;
        switch (circuit_->Line) {
        case TVacuumLine::TubeAndV3:
            if (!fetchV3())
                return false;
            C3_ = SeriesConductance(tube, v3_.row.C2to3);
            break;
        case TVacuumLine::TubeAndV3Port:
            if (!fetchV3())
                return false;
            C3_ = SeriesConductance(tube, v3_.row.Port == 2 ? v3_.row.C1to2 : v3_.row.C2to3);
            break;
        case TVacuumLine::TubeAndUnit:
            C3_ = SeriesConductance(tube, CU_);
            break;
        case TVacuumLine::Tube:
            C3_ = tube;
            break;
        }
        s_.Details.C3 = C3_;
        if (!(C3_ > 0) || !std::isfinite(C3_))
            return stop(status, CalcNoLineConductance);
        return true;
    }

    // Maximum vacuum: the pad pressure at which the leakage passes the line.
    bool maximumVacuum(TCalcStatus& status) {
        const double padPressure =
            1.2 * pp_ * C3_ > QL_ ? pp_ + std::pow(QL_ / (1.2 * C3_), 2) / pp_ : QL_ / (0.6 * C3_);
        Pmax_ = Atmosphere - padPressure;
        if (!std::isfinite(Pmax_))
            return stop(status, CalcNotFinite);
        if (Pmax_ <= 0)
            return stop(status, CalcNoVacuum);
        const double pumpFlow = 120 * C3_;
        if (!physical(status, Pmax_, Pmax_ < Atmosphere) || !physical(status, pumpFlow, true))
            return false;
        out_.zuidazhenkongyali = Pmax_;
        out_.biyaozhenkongbengliuliang = pumpFlow;
        s_.Trace.clear();
        s_.Trace << QStringLiteral("Q1=") + number(Q1_) << QStringLiteral("P1=") + number(P1_);
        return true;
    }

    // Working vacuum, effective flow and adsorption response time.
    bool adsorptionTime(TCalcStatus& status) {
        P_ = in_.zhenkongyali >= 0 ? in_.zhenkongyali : 0.95 * Pmax_;
        const int category = in_.System_Cat;
        if (category == 1 || category == 2) {
            Qs_ = 0.5 * Qe_ * in_.EJ_n;
        } else if (category == 3) {
            Qs_ = 30 * CU_;
        } else if (!in_.VA_QieHuan_ID.isEmpty()) {
            if (!fetchV3())
                return false;
            Qs_ = 30 * v3_.row.C1to2;
        }
        Q_ = std::min(Qs_, 60 * C3_);
        s_.Details.Q = Q_;
        if (Q_ <= QL_)
            return stop(status, CalcSourceFlowTooSmall);
        if (!(in_.V > 0))
            return stop(status, CalcNoVolume);
        if (P_ >= Pmax_)
            return stop(status, CalcWorkingVacuumTooHigh);
        T1_ = 60 * in_.V / (Q_ - QL_);
        T_ = -T1_ * std::log(1 - P_ / Pmax_);
        s_.Details.T1 = T1_;
        if (!physical(status, T1_, T1_ > 0) || !physical(status, T_, T_ >= 0))
            return false;
        out_.xizhuoyingdashijian = T_;
        return true;
    }

    void traceAdsorption() {
        s_.Trace << Separator2a << QStringLiteral("P= ") + number(P_)
                 << QStringLiteral("Pmax= ") + number(Pmax_)
                 << QStringLiteral("T1a= ") + number(T1_) << QStringLiteral("V= ") + number(in_.V)
                 << QStringLiteral("Q= ") + number(Q_) << QStringLiteral("Q1= ") + number(Qs_)
                 << QStringLiteral("Max-flow= ") + number(Qe_)
                 << QStringLiteral("C(1to2)= ") + number(v3_.row.C1to2)
                 << QStringLiteral("Q2= ") + number(60 * C3_)
                 << QStringLiteral("QL= ") + number(QL_) << Separator2a;
    }

    // Safety factor: theoretical lifting force over the workpiece weight.
    bool safetyFactor(TCalcStatus& status) {
        const double area = products_.PadArea(in_.PT_ID);
        const double p = in_.zhenkongyali >= 0 ? in_.zhenkongyali : Pmax_;
        if (!(in_.gongjianzhiliang > 0))
            return stop(status, CalcNoMass);
        const double factor = area * p * in_.n / (in_.gongjianzhiliang * 1000 * Gravity);
        if (!physical(status, factor, factor >= 0))
            return false;
        out_.anquanlv = factor;
        s_.Trace << SeparatorTa << QStringLiteral("S= ") + number(area)
                 << QStringLiteral("p= ") + number(p) << QStringLiteral("n= ") + number(in_.n)
                 << QStringLiteral("m= ") + number(in_.gongjianzhiliang)
                 << QStringLiteral("g= ") + number(Gravity) << SeparatorTa;
        return true;
    }

    // Air consumption of one ejector as the catalogue gives it; 0 for pumps.
    bool airConsumption(TCalcStatus& status) {
        if (!physical(status, A_, A_ >= 0))
            return false;
        out_.kongqixiaofeiliang = A_;
        return true;
    }

    // Release conductances from the supply (C1) and from the atmosphere (C2).
    bool releaseConductances(TCalcStatus& status) {
        double c1 = 0;
        double c2 = 0;
        if (!rawReleaseConductances(c1, c2))
            return false;
        const double tube = in_.Se / 10;
        C1_ = SeriesConductance(tube, c1 / 2);
        C2_ = SeriesConductance(tube, c2 / 2);
        if (!physical(status, C1_, true) || !physical(status, C2_, true))
            return false;
        s_.Details.C1 = C1_;
        s_.Details.C2 = C2_;
        Pr_ = in_.zhenkongyali >= 0 ? Atmosphere - P_ : Atmosphere - P_ / 0.95;
        Ps_ = releaseSupply();
        const bool releaseUnused = useRead_ && v3_.row.Use == 2;
        if (Pr_ < Atmosphere && !(C1_ > 0) && !(C2_ > 0) && !releaseUnused)
            return stop(status, CalcNoReleasePath);
        if (1.1 * T_ > CalcTimeBound)
            return stop(status, CalcAdsorptionTooLong);
        return true;
    }

    bool rawReleaseConductances(double& c1, double& c2) {
        if (circuit_->EjectorBackflow) {
            if (!fetchEjector())
                return false;
            c2 = ej_.row.DiuDiameter;
        }
        if (circuit_->ReadsV3Use) {
            if (!fetchV3())
                return false;
            useRead_ = true;
        }
        return rawReleaseFromSupply(c1);
    }

    // C1 of the circuit's release path; the throttle and V2 are read where it has them.
    bool rawReleaseFromSupply(double& c1) {
        const double k = in_.k;
        switch (circuit_->Release) {
        case TReleasePath::EjectorValve:
            if (!fetchEjector())
                return false;
            c1 = ej_.row.HakaiC * k;
            break;
        case TReleasePath::ThrottleAndV2:
            if (!fetchThrottle() || !fetchV2())
                return false;
            c1 = SeriesConductance(throttle_.row.C1to2 * k, v2_.row.C1to2);
            break;
        case TReleasePath::V2:
            if (!fetchV2())
                return false;
            c1 = v2_.row.C1to2;
            break;
        case TReleasePath::ThrottleAndV3:
            if (!fetchThrottle())
                return false;
            c1 = SeriesConductance(throttle_.row.C1to2 * k, v3_.row.C1to2);
            break;
        case TReleasePath::V3:
            c1 = v3_.row.C1to2;
            break;
        case TReleasePath::ThrottleAndV3Exhaust:
            if (!fetchThrottle())
                return false;
            c1 = SeriesConductance(throttle_.row.C1to2 * k, v3_.row.C2to3);
            break;
        case TReleasePath::V3Exhaust:
            c1 = v3_.row.C2to3;
            break;
        case TReleasePath::None:
            break;
        }
        return true;
    }

    // Prepares the chart and integrates the pad pressure back to the atmosphere,
    // recording the release curve.
    bool release(TCalcStatus& status) {
        TChartData& chart = s_.Chart;
        for (int series = ReleaseCurve; series <= VerticalGuide; ++series)
            chart.Series[series].clear();
        if (options_.RescaleChart) {
            chart.Series[TheoreticalCurve].clear();
            chart.Left = {-1.1 * Pmax_, 0, 0.1};
        }
        std::vector<TChartPoint>& curve = chart.Series[ReleaseCurve];
        const double ua = 1000 * Ps_ + Atmosphere;
        double t = 0;
        double p = Pr_;
        curve.push_back({t, p - Atmosphere});
        const bool releaseUnused = useRead_ && v3_.row.Use == 2;
        const bool blocked = !(C1_ > 0) && !(C2_ > 0);
        for (int steps = 0; p < Atmosphere && !(releaseUnused && blocked); ++steps) {
            if (steps == MaxSteps) {
                curve.clear();
                return stop(status, CalcReleaseTooLong);
            }
            const double fs = releaseFlow(C1_, ua, p);
            const double fa = releaseFlow(C2_, Atmosphere, p);
            t = t + TimeStep;
            p = p + std::max(fa, fs) * ReleaseGain / (TimeStep * in_.V);
            curve.push_back({t, p - Atmosphere});
        }
        // A supply beyond the range of double fills the pads in one step to no
        // finite pressure.
        if (!std::isfinite(p)) {
            curve.clear();
            return stop(status, CalcNotFinite);
        }
        out_.pohuaiyingdashijian = releaseUnused ? -1.0 : t;
        if (releaseUnused)
            curve.clear();
        if (options_.RescaleChart)
            chart.Bottom = {0, 1.1 * T_, BottomAxisIncrement(1.1 * T_)};
        return true;
    }

    double adsorbed(double t) const { return (1 - std::pow(Euler, -t / T1_)) * Pmax_; }

    // Theoretical curve (when rescaling), adsorption curve and marker.
    void drawCurves() {
        TChartData& chart = s_.Chart;
        if (options_.RescaleChart) {
            std::vector<TChartPoint>& full = chart.Series[TheoreticalCurve];
            full.reserve(std::size_t(chart.Bottom.Maximum / TimeStep) + 2);
            for (double t = 0; t < chart.Bottom.Maximum; t = t + TimeStep)
                full.push_back({t, -adsorbed(t)});
        }
        std::vector<TChartPoint>& curve = chart.Series[AdsorptionCurve];
        curve.reserve(std::size_t(1.1 * T_ / TimeStep) + 2);
        bool marked = false;
        for (double t = 0; t < 1.1 * T_; t = t + TimeStep) {
            const double y = adsorbed(t);
            curve.push_back({t, -y});
            if (!marked && y >= P_) {
                marked = true;
                chart.Series[WorkingMarker].push_back({t, -y});
                chart.Series[HorizontalGuide] = {{0, -y}, {t, -y}};
                chart.Series[VerticalGuide] = {{t, -y}, {t, chart.Left.Minimum}};
            }
        }
    }

    void traceTail() {
        const TEjectorRow& e = ej_.row;
        // The trace shows the V3 exhaust conductance of the circuits that read it there.
        const bool readsC2to3 = circuit_->Line == TVacuumLine::TubeAndV3Port ||
                                circuit_->Release == TReleasePath::V3Exhaust;
        const double c2to3 = readsC2to3 ? v3_.row.C2to3 : 0.0;
        s_.Trace << QStringLiteral("Pmin = ") + number(s_.Wizard.PadVacuum)
                 << QStringLiteral("V = ") + number(in_.V)
                 << QStringLiteral("Se = ") + number(in_.Se)
                 << QStringLiteral("Qmax = ") + number(s_.Wizard.TubeQMax)
                 << QStringLiteral("M-Name = ") + in_.EJ_Name
                 << QStringLiteral("Nozzle-Diameter = ") + number(s_.Wizard.NozzleDiameter)
                 << QStringLiteral("Max-pressure = ") + number(Pe_)
                 << QStringLiteral("Max-flow  = ") + number(Qe_)
                 << QStringLiteral("Diu-DIAMETER  = ") + e.DiuDiameterText
                 << QStringLiteral("N  = ") + QString::number(in_.EJ_n)
                 << QStringLiteral("Hakai-C  = ") + e.HakaiCText
                 << QStringLiteral("Hakai-b = ") + e.HakaiBText
                 << QStringLiteral("Sup-C = ") + e.SupCText
                 << QStringLiteral("Sup-b = ") + e.SupBText
                 << QStringLiteral("C1to2 = ") + number(v3_.row.C1to2)
                 << QStringLiteral("C1 = ") + number(C1_) << QStringLiteral("C2 = ") + number(C2_)
                 << QStringLiteral("C2to3 = ") + number(c2to3)
                 << QStringLiteral("C3 = ") + number(C3_) << QStringLiteral("pp = ") + number(pp_)
                 << QStringLiteral("Pmax = ") + number(Pmax_);
    }

    const TCalcInput& in_;
    TCalcOutput& out_;
    TProductLookup& products_;
    TCalcSession& s_;
    const TCalcOptions& options_;
    const TCircuit* circuit_;

    Product<TEjectorRow> ej_;
    Product<TValveRow> v2_, v3_;
    Product<TThrottleRow> throttle_;
    bool useRead_ = false;

    double QL_ = 0, Pe_ = 0, Qe_ = 0, A_ = 0, P1_ = 0, Q1_ = 0, pp_ = 0, CU_ = 0, C3_ = 0;
    int N_ = 0;
    double Pmax_ = 0, P_ = 0, Qs_ = 0, Q_ = 0, T1_ = 0, T_ = 0;
    double C1_ = 0, C2_ = 0, Pr_ = 0, Ps_ = 0;
};

} // namespace

TCalcStatus CalcCircuit(const TCalcInput& input, TCalcOutput& output, TProductLookup& products,
                        TCalcSession& session, const TCalcOptions& options) {
    return Calculation(input, output, products, session, options).run();
}
