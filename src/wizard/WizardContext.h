#pragma once

#include "calc/CalcRecords.h"
#include "core/Globals.h"

#include <QString>
#include <QStringList>

#include <functional>

class TDMComm;
#include <optional>

// The wizard's pages, by index of its page control.
enum TWizardPage { wpHuilu, wpPT, wpTube, wpEJ, wpVa, wpResult };

// The circuit options of page 0: the system row and the radios of its option page.
struct TCircuitOptions {
    int Row = 0;                  // 0..3: the system grid's row
    bool ReleaseValveRow0 = true; // row 0: release valve used
    bool ReleaseValveRow1 = true; // row 1: release valve used
    int CircuitRow1 = 0;          // row 1: V1 + V2, V1 + V3, V3 alone
    bool ThrottleRow1 = true;     // row 1: release throttle used
    int CircuitRow3 = 0;          // row 3: switching + release valve, switching valve alone
    bool ThrottleRow3 = true;     // row 3: release throttle used
};

// The circuit code of the options ("1" ... "9b").
QString CircuitCodeOf(const TCircuitOptions& options);

// Which inputs of the equipment panel the circuit uses.
struct TModelSelectors {
    bool Ejector = false;
    bool EjectorCount = false;
    bool SupplyValve = false;
    bool ReleaseValve = false;
    bool SwitchingValve = false;
    bool Throttle = false;
    bool ThrottleOpening = false;
};

// The values the wizard's inputs hold, in calculation units, as FillCalcInput reads them.
struct TConditionValues {
    double ReleaseSupply = 0;    // MPa
    double PumpLevel = 0;        // kPa, sign ignored
    double Mass = 0;             // kg
    double StandardPressure = 0; // MPa
    double TubeLength = 0;       // m
    double Leakage = 0;          // dm³/min per pad
    QString PadCountText = {};   // selection: the pad count box
    double PadCount = 0;         // calculation: the pad count button
    double EjectorCount = 0;     // calculation
    double ThrottleOpening = 0;  // calculation, %
    bool TubeByLength = true;    // calculation: length radio, else volume radio
    QString TubeVolumeText = {}; // calculation: the volume box
    int TubeVolumeUnit = 0;      // calculation: unit index of the volume button
    double TubeConductance = 0;  // calculation, dm³/(s·bar)
};

// What the pad page gives when it is left.
struct TPadStep {
    bool Automatic = true;
    double Mass = 0;      // kg
    double Safety = 0;    // safety factor
    int Pads = 0;         // pad count
    QString ModelId;      // the pad chosen in the model list
    double PumpLevel = 0; // kPa, sign ignored
    double Leakage = 0;   // dm³/min per pad
};

// Whether a step may go on, or the message key that keeps the page (empty: the
// page stays without a message).
struct TStepOutcome {
    bool Proceed = false;
    QString MessageKey;
};

// Inner diameter (mm) of the tube with the catalogue ID, when the catalogue has it.
using TTubeDiameterLookup = std::function<std::optional<double>(const QString& tubeId)>;

// The selection wizard's state and rules, without a widget: the circuit choice,
// the filters and lists the pages build, how the inputs reach the calculation
// record, and which page, step, title, hints and help topic go together. The
// wizard window shows it; a command line can drive it alone.
class TWizardContext {
public:
    explicit TWizardContext(TCalcInput& input = CalcInput);

    TCalcInput& Input;
    TCircuitOptions Options;
    QString EJ_Type;
    QString EJ_Valve_V2;
    QString RegionColumn;
    double PadVacuum = 0;
    double EnteredVacuum = 0;
    double PadArea = 0;
    int PadCount = 0;
    QString EJCandidateFilter;
    double Tube_QMax = 0;
    double NozzleDiameter = 0;
    double VA_Gongying_BiJiaoVaule = 0;
    double VA_Pohuai_BiJiaoVaule = 0;
    double VA_Jieliu_BiJiaoVaule = 0;
    bool RestoredFromHistory = false;
    bool SyncingModelSel = false;
    QString HoverPart;
    QString LastHoverPart;
    QStringList PTSeriesList, PTModelList, TubeSeriesList, EJSeriesList, GongyingSeriesList,
        PohuaiSeriesList, QieHuanSeriesList, JieliuSeriesList;

    // A new row of the system grid: its category, an empty product choice, the circuit code.
    void SelectRow(int row);
    // A changed option radio: the circuit code and an empty product choice.
    void ChangeOptions(const TCircuitOptions& options);
    // CircuitNum from the options.
    void UpdateCircuitCode();
    // System_Cat and the ejector filters from CircuitNum; an unknown code changes nothing.
    bool UpdateSystemCategory();
    // Empties every product of the record.
    void ClearProductSelection();
    // The base name of the diagrams of the circuit the options show.
    QString PictureCode() const;
    // Supply and pump pressure are asked for with a vacuum pump only.
    bool PressureInputsEnabled() const { return Input.System_Cat >= 3; }
    TModelSelectors ModelSelectors() const;
    // The sales region column of the settings' region index; empty for an unknown one.
    void SetRegion(int areaProduct);

    // Writes the inputs into the record before a calculation. False, naming the
    // input in problem, when the pad count box holds no number.
    bool FillCalcInput(const TConditionValues& values, TOperateType mode,
                       const TTubeDiameterLookup& tubeDiameter, QString* problem = nullptr);

    // Leaving the pad page: the pad, its area and the vacuum it needs, then whether
    // the vacuum source reaches that vacuum (the ejector candidates into
    // EJCandidateFilter and db.QEJ, or the pump's level).
    TStepOutcome LeavePadPage(TDMComm& db, const TPadStep& step);
    // Leaving the tubing page: the thinnest tube of the chosen series that passes the
    // flow the response time (s) and the leakage (dm³/min per pad) of the pads need,
    // with Tube_QMax, V and Se; MSG005 when none does.
    TStepOutcome LeaveTubePage(TDMComm& db, double length, double responseTime, int pads,
                               double leakage);

    // Navigation by system category.
    int PageAfterTube() const { return Input.System_Cat <= 3 ? wpEJ : wpVa; }
    bool ResultAfterEjector() const { return Input.System_Cat != 2; }
    int PageBeforeValves() const { return Input.System_Cat == 2 ? wpEJ : wpTube; }

    // What goes with a page: the flow step to highlight (1-based; 0: none), the
    // title's language key and the help topic.
    int FlowStep(int page) const;
    QString TitleKey(int page) const;
    QString HelpTopic(int page, TOperateType mode, bool namedTopics) const;

    // Language keys of the hints that depend on the category (empty: left alone).
    QString NextTubeHintKey() const;
    QString NextEjectorHintKey() const;
    QString ReturnValvesHintKey() const;
    // The ejector label's key stem: the vacuum unit's wording in row 2.
    QString EjectorLabelKey(const char* control) const;
    // The system photo's base name for the language.
    QString SystemPhotoName(const QString& language) const;

    // The standard supply pressure (MPa) of the ejector page's radios.
    static double SelectedStandardPressure(bool dot5, bool dot45, bool dot4);
};
