#pragma once

#include "calc/CalcRecords.h"
#include "core/Globals.h"
#include "wizard/CatalogueRows.h"
#include "wizard/EjectorSelection.h"
#include "wizard/ModelChoice.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TDMComm;
struct TCalcOptions;
struct TCalcSession;
struct THistoryRun;
struct THistoryState;

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
// The options that give the circuit code, the others as the page starts them;
// nothing for an unknown code.
std::optional<TCircuitOptions> OptionsOfCircuit(const QString& code);

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
    bool BackToStart = false; // a calculation failed: the wizard goes back to page 0
};

// What the ejector page gives when it is left.
struct TEjectorStep {
    bool StandardFlow = true;       // the flow type radio: standard, else large flow
    double StandardPressure = 0.35; // MPa, the checked standard supply pressure
    // Asked when no single ejector carries the flow; true goes on with several of
    // the largest.
    std::function<bool()> UseSeveral;
    // The vacuum unit search of category 3 calculates the circuit with these.
    TConditionValues Conditions;
    double ResponseTime = 0; // s, the adsorption response time required
};

// The valve page's series lists and the models chosen when the result shows.
struct TValveLists {
    QList<TListRow> Supply, Release, Switching, Throttle;
};
struct TValveModels {
    QString Supply, Release, Switching, Throttle; // M_Name; empty for none
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
    // Empties the record's ejector or unit and valves. The pad and the tubing fit
    // every circuit: they stay, as their model boxes keep their texts, so that a
    // box never shows a product the record does not name.
    void ClearProductSelection();
    // Empties every product of the record: a new wizard names none.
    void ClearAllProducts();
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
    // Opens db.QEJ on the candidates of EJCandidateFilter; false when there are none.
    bool ReopenCandidates(TDMComm& db) const;
    // Leaving the tubing page: the thinnest tube of the chosen series that passes the
    // flow the response time (s) and the leakage (dm³/min per pad) of the pads need,
    // with Tube_QMax, V and Se; MSG005 when none does.
    TStepOutcome LeaveTubePage(TDMComm& db, double length, double responseTime, int pads,
                               double leakage);

    // Entering the ejector page: the ejector series with a candidate of the flow
    // type (categories 1 and 2) or the vacuum unit series (category 3) into
    // EJSeriesList, the first as EJ_Series_ID unless restored from history. The
    // rows' Id is the key of the series texts (the unit wording in category 3).
    QList<TListRow> BuildEJSeriesList(TDMComm& db, bool standardFlow);
    // The supply pressures and flow types the candidates of EJ_Series_ID offer.
    TStandardPressures UpdateStandardPressureChoices(TDMComm& db) const;
    // The column of M_EJ that names the ejector in the product list.
    const char* EjectorNameColumn() const {
        return NamesEjectorBySecondName(Input.CircuitNum) ? "M_Name1" : "M_Name";
    }
    // Whether the series texts and pictures take the vacuum unit variant.
    bool UnitVariant() const { return Input.System_Cat == 3; }
    // Leaving the ejector page: the ejector of the series that carries Tube_QMax,
    // or several of the largest (categories 1 and 2), or the first vacuum unit fast
    // enough (category 3, calculating into output and session).
    TStepOutcome LeaveEjectorPage(TDMComm& db, const TEjectorStep& step, TCalcOutput& output,
                                  TCalcSession& session);

    // The valve page's lists for the circuit, with their comparison values and the
    // first series of each chosen unless restored from history; MSG0076 to MSG0079
    // at the first list that cannot be offered (lists built before it keep their rows).
    TStepOutcome BuildValveLists(TDMComm& db, TValveLists& lists);
    // The smallest sufficient model of each chosen valve series into the record,
    // when the result shows; a valve without a model keeps its ID.
    TValveModels ChooseValveModels(TDMComm& db);

    // Calculation mode. The model dialog's request for a kind of product: the
    // circuit, its filters and the product the record names now.
    TModelChoiceRequest ModelChoiceRequest(int kind) const;
    // The product the dialog named, into the record's fields of its kind.
    void TakeModelChoice(int kind, const QString& seriesId, const QString& id, const QString& name);
    // The record from the equipment panel's values: V and Se of a tube given by
    // length from its catalogued diameter, and the standard supply pressure of a
    // named ejector its own catalogued one, so that an ejector is never calculated
    // at a pressure it was not chosen for.
    void FillPanelInput(TDMComm& db, const TConditionValues& values);
    // Leaving page 0 in calculation mode: the record, the special unit series'
    // release pressure (MSGZK2MIN), and the calculation of adsorption and release
    // with the chart rescaled.
    TStepOutcome LeaveEquipmentPanel(TDMComm& db, const TConditionValues& values,
                                     TCalcOutput& output, TCalcSession& session);

    // Calculates the record with the catalogue's products, the wizard's values
    // going to the trace; the calculation's status.
    int Calculate(TDMComm& db, TCalcOutput& output, TCalcSession& session,
                  const TCalcOptions& options);
    // The run's record and the wizard's values as a history file keeps them (the
    // controls' state is the window's or the caller's to add).
    THistoryState HistoryState(TOperateType mode) const;
    // The record and the wizard's values of a run read back.
    void Restore(const THistoryRun& run);

    // Showing the result of a selection: the valve models into the record (their
    // names into models), the inputs, and the calculation of adsorption and release
    // with the chart rescaled. A failed calculation gives its message and page 0.
    TStepOutcome CalculateSelection(TDMComm& db, const TConditionValues& values,
                                    TCalcOutput& output, TCalcSession& session,
                                    TValveModels* models = nullptr);

    // Navigation by system category.
    int PageAfterTube() const { return Input.System_Cat <= 3 ? wpEJ : wpVa; }
    bool ResultAfterEjector() const { return Input.System_Cat != 2; }
    int PageBeforeValves() const { return Input.System_Cat == 2 ? wpEJ : wpTube; }

    // What goes with a page: the flow step to highlight (1-based; 0: none), the
    // title's language key and the help topic.
    int FlowStep(int page) const;
    // The result's step: after the valves in category 2, after the fourth step otherwise.
    int ResultFlowStep() const { return Input.System_Cat == 2 ? 6 : 5; }
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

private:
    TStepOutcome searchVacuumUnit(TDMComm& db, const TEjectorStep& step, TCalcOutput& output,
                                  TCalcSession& session);
    std::optional<QList<TListRow>> switchingValveRows(TDMComm& db) const;
};
