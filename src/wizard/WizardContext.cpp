#include "wizard/WizardContext.h"

#include "calc/CalcCircuit.h"
#include "calc/CircuitTable.h"
#include "calc/Formulas.h"
#include "core/DMComm.h"
#include "core/DbProductLookup.h"
#include "core/Helpers.h"
#include "results/HistoryFile.h"
#include "results/HistoryWriter.h"
#include "units/UnitConversion.h"
#include "wizard/EjectorSelection.h"
#include "wizard/TubeSelection.h"

#include <cmath>

QString CircuitCodeOf(const TCircuitOptions& o) {
    switch (o.Row) {
    case 0:
        return QLatin1String(o.ReleaseValveRow0 ? "1" : "2");
    case 1: {
        if (!o.ReleaseValveRow1)
            return QStringLiteral("5");
        static const char* const codes[3][2] = {{"3", "4"}, {"3b", "4b"}, {"9", "9b"}};
        return QLatin1String(codes[qBound(0, o.CircuitRow1, 2)][o.ThrottleRow1 ? 0 : 1]);
    }
    case 2:
        return QStringLiteral("6");
    case 3: {
        static const char* const codes[2][2] = {{"7", "8"}, {"7b", "8b"}};
        return QLatin1String(codes[qBound(0, o.CircuitRow3, 1)][o.ThrottleRow3 ? 0 : 1]);
    }
    default:
        return QString();
    }
}

// Walks every state of the radios with the starting states first, so the options
// found keep the starting state wherever the code leaves a radio free.
std::optional<TCircuitOptions> OptionsOfCircuit(const QString& code) {
    TCircuitOptions o;
    for (o.Row = 0; o.Row < 4; ++o.Row)
        for (const bool release0 : {true, false})
            for (const bool release1 : {true, false})
                for (o.CircuitRow1 = 0; o.CircuitRow1 < 3; ++o.CircuitRow1)
                    for (const bool throttle1 : {true, false})
                        for (o.CircuitRow3 = 0; o.CircuitRow3 < 2; ++o.CircuitRow3)
                            for (const bool throttle3 : {true, false}) {
                                o.ReleaseValveRow0 = release0;
                                o.ReleaseValveRow1 = release1;
                                o.ThrottleRow1 = throttle1;
                                o.ThrottleRow3 = throttle3;
                                if (CircuitCodeOf(o) == code)
                                    return o;
                            }
    return std::nullopt;
}

TWizardContext::TWizardContext(TCalcInput& input) : Input(input) {}

void TWizardContext::SelectRow(int row) {
    Options.Row = row;
    Input.System_Cat = row + 1;
    ClearProductSelection();
    UpdateCircuitCode();
    RestoredFromHistory = false;
}

void TWizardContext::ChangeOptions(const TCircuitOptions& options) {
    Options = options;
    UpdateCircuitCode();
    ClearProductSelection();
    RestoredFromHistory = false;
}

void TWizardContext::UpdateCircuitCode() {
    Input.CircuitNum = CircuitCodeOf(Options);
}

bool TWizardContext::UpdateSystemCategory() {
    const TCircuit* circuit = FindCircuit(Input.CircuitNum);
    if (!circuit)
        return false;
    Input.System_Cat = circuit->SystemCat;
    EJ_Type = QLatin1String(circuit->EjType);
    EJ_Valve_V2 = QLatin1String(circuit->EjValveV2);
    return true;
}

void TWizardContext::ClearProductSelection() {
    for (int kind = mkEjector; kind <= mkThrottle; ++kind)
        TakeModelChoice(kind, {}, {}, {});
}

void TWizardContext::ClearAllProducts() {
    for (int kind = mkPad; kind <= mkThrottle; ++kind)
        TakeModelChoice(kind, {}, {}, {});
}

QString TWizardContext::PictureCode() const {
    const TCircuit* circuit = FindCircuit(CircuitCodeOf(Options));
    return circuit ? QLatin1String(circuit->PictureCode) : QString();
}

TModelSelectors TWizardContext::ModelSelectors() const {
    const TCircuit* c = FindCircuit(Input.CircuitNum);
    if (!c)
        return {};
    return {c->EjectorOrUnit,  c->EjectorCount,  c->SupplyValve,    c->ReleaseValve,
            c->SwitchingValve, c->ThrottleModel, c->ThrottleOpening};
}

void TWizardContext::SetRegion(int areaProduct) {
    QString name;
    RegionColumn = RegionName(areaProduct, name) ? name : QString();
}

bool TWizardContext::FillCalcInput(const TConditionValues& v, TOperateType mode,
                                   const TTubeDiameterLookup& tubeDiameter, QString* problem) {
    const bool select = mode == TOperateType::otSelect;
    double pads = v.PadCount;
    if (select) {
        const std::optional<double> counted = ParseNumber(v.PadCountText);
        if (!counted) {
            if (problem)
                *problem = QStringLiteral("Cbxipanshuliang");
            return false;
        }
        pads = *counted;
    }
    Input.PoHuaiYaLi = v.ReleaseSupply;
    Input.ZhenKongPengYaLi = std::fabs(v.PumpLevel);
    Input.gongjianzhiliang = v.Mass;
    Input.zhenkongyali = -1; // the working vacuum follows from the circuit
    Input.BiaoZhunGongyingYaLi = v.StandardPressure;
    Input.TubeLength = v.TubeLength;
    Input.gongjianxielouliang = v.Leakage;
    Input.k = select ? 1.0 : v.ThrottleOpening / 100;
    Input.n = pads;
    if (select)
        return true;
    Input.EJ_n = static_cast<int>(std::trunc(v.EjectorCount));
    if (v.TubeByLength) {
        if (const std::optional<double> d =
                tubeDiameter ? tubeDiameter(Input.Tube_ID) : std::nullopt) {
            Input.V = TubeVolume(v.TubeLength, *d);
            Input.Se = TubeEffectiveArea(v.TubeLength, *d);
        }
    } else {
        // cm³, dm³ or cL into dm³.
        static const double divisors[] = {1000, 1, 100};
        const std::optional<double> volume = ParseNumber(v.TubeVolumeText);
        if (volume && v.TubeVolumeUnit >= 0 && v.TubeVolumeUnit <= 2)
            Input.V = *volume / divisors[v.TubeVolumeUnit];
        Input.Se = v.TubeConductance * 5;
    }
    return true;
}

TStepOutcome TWizardContext::LeavePadPage(TDMComm& db, const TPadStep& step) {
    PadCount = step.Pads;
    Input.PT_ID = step.ModelId;
    if (!IsIntegerText(Input.PT_ID))
        return {false, QStringLiteral("MSGNOPADMODEL")}; // an empty model list
    PadArea = db.GetPadArea(Input.PT_ID);
    PadVacuum = step.Automatic ? EnteredVacuum
                               : RequiredVacuum(step.Mass, 9.8, PadArea, step.Safety, step.Pads);
    const char* shortKey = step.Automatic ? "MSG002" : "MSG001";
    if (Input.System_Cat >= 3) {
        if (std::fabs(step.PumpLevel) >= PadVacuum)
            return {true, {}};
        return {false, QLatin1String(step.Automatic ? "MSG004" : "MSG003")};
    }
    const std::optional<QString> search = EjectorCandidateSql(EJ_Type, EJ_Valve_V2, RegionColumn);
    const QList<TEjectorCharacteristic> ejectors =
        search ? EjectorRows(db, *search) : QList<TEjectorCharacteristic>();
    if (ejectors.isEmpty())
        return {};
    EJCandidateFilter = EjectorCandidateFilter(ejectors, step.Pads * step.Leakage, PadVacuum);
    if (EJCandidateFilter.isEmpty())
        return {false, QLatin1String(shortKey)};
    return {ReopenCandidates(db), {}};
}

int TWizardContext::Calculate(TDMComm& db, TCalcOutput& output, TCalcSession& session,
                              const TCalcOptions& options) {
    TDbProductLookup products(db);
    session.Wizard = {PadVacuum, Tube_QMax, NozzleDiameter};
    return CalcCircuit(Input, output, products, session, options);
}

THistoryState TWizardContext::HistoryState(TOperateType mode) const {
    THistoryState state;
    state.OperateType = mode;
    state.EJ_Type = EJ_Type;
    state.EJ_Valve_V2 = EJ_Valve_V2;
    state.Tube_QMax = Tube_QMax;
    state.VA_Gongying_BiJiaoVaule = VA_Gongying_BiJiaoVaule;
    state.VA_Pohuai_BiJiaoVaule = VA_Pohuai_BiJiaoVaule;
    state.VA_Jieliu_BiJiaoVaule = VA_Jieliu_BiJiaoVaule;
    state.Input = Input;
    return state;
}

void TWizardContext::Restore(const THistoryRun& run) {
    EJ_Type = run.EJ_Type;
    EJ_Valve_V2 = run.EJ_Valve_V2;
    Tube_QMax = run.Calc.TubeQMax;
    VA_Gongying_BiJiaoVaule = run.VA_Gongying_BiJiaoVaule;
    VA_Pohuai_BiJiaoVaule = run.VA_Pohuai_BiJiaoVaule;
    VA_Jieliu_BiJiaoVaule = run.VA_Jieliu_BiJiaoVaule;
    Input = run.Calc.Input;
}

bool TWizardContext::ReopenCandidates(TDMComm& db) const {
    return IsCandidateFilter(EJCandidateFilter) &&
           db.QEJ.Open("SELECT * FROM M_EJ WHERE " + EJCandidateFilter + " ORDER BY ID") &&
           !db.QEJ.IsEmpty();
}

TStepOutcome TWizardContext::LeaveTubePage(TDMComm& db, double length, double responseTime,
                                           int pads, double leakage) {
    PadCount = pads;
    const QList<TTube> tubes = TubesOfSeries(db, Input.Tube_Series_ID, RegionColumn);
    if (tubes.isEmpty())
        return {};
    const TTubeChoice choice = ChooseTube(tubes, length, responseTime, pads, leakage);
    Input.V = choice.V;
    Input.Se = choice.Se;
    if (choice.TubeId.isEmpty())
        return {false, QStringLiteral("MSG005")};
    Input.Tube_ID = choice.TubeId;
    Tube_QMax = choice.QMax;
    return {true, {}};
}

int TWizardContext::FlowStep(int page) const {
    switch (page) {
    case wpHuilu:
    case wpPT:
    case wpTube:
    case wpEJ:
        return page + 1;
    case wpVa:
        return Options.Row == 3 ? 4 : 5;
    default:
        return 0; // the result page highlights its step itself
    }
}

QString TWizardContext::TitleKey(int page) const {
    int title = page + 1;
    if (page == wpEJ && Options.Row == 2)
        title = 7; // the vacuum unit's wording
    return QStringLiteral("LblTitle%1.Caption").arg(title);
}

QString TWizardContext::HelpTopic(int page, TOperateType mode, bool namedTopics) const {
    auto topic = [namedTopics](const char* numbered, const char* named) {
        return QLatin1String(namedTopics ? named : numbered);
    };
    switch (page) {
    case wpHuilu:
        return mode == TOperateType::otSelect ? topic("9-2-1.htm", "GettingStarted.html")
                                              : topic("10-2-1.htm", "FileMenu.html");
    case wpPT:
        return topic("9-2-2.htm", "Welcome.html");
    case wpTube:
        return topic("9-2-3.htm", "ContactingUs.html");
    case wpEJ:
        return Input.System_Cat == 3 ? topic("9-2-5.htm", "AboutYourCompany.html")
                                     : topic("9-2-4.htm", "Awards.html");
    case wpVa:
        return topic("9-2-6.htm", "seleccion-de-valvula.html");
    default:
        return QString(); // the result page sets its topic when it shows
    }
}

QString TWizardContext::NextTubeHintKey() const {
    static const char* const keys[] = {"SkbNext_Tube.Hint", "SkbNext_Tube.Hint",
                                       "SkbNext_Tube2.Hint", "SkbNext_Tube3.Hint"};
    const int category = Input.System_Cat;
    return category >= 1 && category <= 4 ? QLatin1String(keys[category - 1]) : QString();
}

QString TWizardContext::NextEjectorHintKey() const {
    static const char* const keys[] = {"SkbNext_EJ2.Hint", "SkbNext_EJ.Hint", "SkbNext_EJ2.Hint",
                                       ""};
    const int category = Input.System_Cat;
    return category >= 1 && category <= 4 ? QLatin1String(keys[category - 1]) : QString();
}

QString TWizardContext::ReturnValvesHintKey() const {
    if (Input.System_Cat == 2)
        return QStringLiteral("SkbReturn_VA.Hint");
    if (Input.System_Cat == 4)
        return QStringLiteral("SkbReturn_VA2.Hint");
    return QString();
}

QString TWizardContext::EjectorLabelKey(const char* control) const {
    return QLatin1String(control) + (Options.Row == 2 ? QStringLiteral("2") : QString());
}

QString TWizardContext::SystemPhotoName(const QString& language) const {
    return QStringLiteral("C_%1_%2").arg(Options.Row).arg(language);
}

double TWizardContext::SelectedStandardPressure(bool dot5, bool dot45, bool dot4) {
    if (dot5)
        return 0.5;
    if (dot45)
        return 0.45;
    return dot4 ? 0.4 : 0.35;
}
