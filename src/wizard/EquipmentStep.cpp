// Calculation mode's page 0: the products named in the model dialog, the
// record filled from the equipment panel, and the calculation.

#include "wizard/WizardContext.h"

#include "calc/CalcCircuit.h"
#include "calc/CalcStatus.h"
#include "core/DMComm.h"
#include "wizard/CatalogueRows.h"

namespace {

// The record's series, ID and name fields of each product kind, in kind order.
using TField = QString TCalcInput::*;
struct TProductFields {
    TField Series, Id, Name;
};
const TProductFields KindFields[] = {
    {&TCalcInput::PT_Series_ID, &TCalcInput::PT_ID, &TCalcInput::PT_Name},
    {&TCalcInput::Tube_Series_ID, &TCalcInput::Tube_ID, &TCalcInput::Tube_Name},
    {&TCalcInput::EJ_Series_ID, &TCalcInput::EJ_ID, &TCalcInput::EJ_Name},
    {&TCalcInput::VA_Gongying_Series_ID, &TCalcInput::VA_Gongying_ID,
     &TCalcInput::VA_Gongying_Name},
    {&TCalcInput::VA_QieHuan_Series_ID, &TCalcInput::VA_QieHuan_ID, &TCalcInput::VA_QieHuan_Name},
    {&TCalcInput::VA_Pohuai_Series_ID, &TCalcInput::VA_Pohuai_ID, &TCalcInput::VA_Pohuai_Name},
    {&TCalcInput::VA_Jieliu_Series_ID, &TCalcInput::VA_Jieliu_ID, &TCalcInput::VA_Jieliu_Name},
};

const TProductFields* fieldsOf(int kind) {
    return kind >= mkPad && kind <= mkThrottle ? &KindFields[kind - 1] : nullptr;
}

} // namespace

TModelChoiceRequest TWizardContext::ModelChoiceRequest(int kind) const {
    TModelChoiceRequest request;
    request.Kind = kind;
    request.Circuit = Input.CircuitNum;
    request.SystemCat = Input.System_Cat;
    request.TypeFilter = EJ_Type;
    request.ValveFilter = EJ_Valve_V2;
    request.Region = RegionColumn;
    if (const TProductFields* fields = fieldsOf(kind)) {
        request.SeriesId = Input.*fields->Series;
        request.ModelId = Input.*fields->Id;
    }
    return request;
}

void TWizardContext::TakeModelChoice(int kind, const QString& seriesId, const QString& id,
                                     const QString& name) {
    if (const TProductFields* fields = fieldsOf(kind)) {
        Input.*fields->Series = seriesId;
        Input.*fields->Id = id;
        Input.*fields->Name = name;
    }
}

void TWizardContext::FillPanelInput(TDMComm& db, const TConditionValues& values) {
    FillCalcInput(values, TOperateType::otCalc, [&db](const QString& tubeId) {
        const QVariant diameter = db.ValueOfId("M_Tube", "DIAMETER_IN", tubeId);
        return diameter.isNull() ? std::nullopt : std::optional(diameter.toDouble());
    });
    if (Input.System_Cat != 1 && Input.System_Cat != 2)
        return;
    const QVariant own = db.ValueOfId("M_EJ", "Stand_Pressure", Input.EJ_ID);
    if (!own.isNull())
        Input.BiaoZhunGongyingYaLi = own.toDouble();
}

TStepOutcome TWizardContext::LeaveEquipmentPanel(TDMComm& db, const TConditionValues& values,
                                                 TCalcOutput& output, TCalcSession& session) {
    FillPanelInput(db, values);
    if (Input.System_Cat == 3 && IsSpecialUnitSeries(Input.EJ_Series_ID) &&
        values.ReleaseSupply < 0.3) {
        TakeModelChoice(mkEjector, {}, {}, {}); // the unit box is emptied with it
        return {false, QStringLiteral("MSGZK2MIN")};
    }
    const int status = Calculate(db, output, session, {false, true});
    return {status == CalcDone, CalcStatusMessageKey(status), true};
}
