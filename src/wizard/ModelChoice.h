#pragma once

#include "wizard/CatalogueRows.h"
#include "wizard/EjectorSelection.h"

#include <QList>
#include <QString>

#include <optional>

class TDMComm;

// The direct model choice of calculation mode: which series and models the
// dialog lists for each kind of product, without a widget.

// The product kinds, as the equipment panel's buttons name them.
enum TModelKind {
    mkPad = 1,
    mkTube,
    mkEjector, // an ejector, or a vacuum unit with a vacuum pump
    mkSupplyValve,
    mkSwitchingValve,
    mkReleaseValve,
    mkThrottle
};

// What the wizard asks of the dialog, and the product it names now.
struct TModelChoiceRequest {
    int Kind = mkPad;
    QString Circuit;
    int SystemCat = 1;
    QString TypeFilter;  // EJ_Type: "1" or "2"
    QString ValveFilter; // EJ_Valve_V2: one of its known forms
    QString Region;      // the sales region column
    QString SeriesId;    // the current product's SERIESID
    QString ModelId;     // the current product's ID
};

// The ejector list's narrowing by flow type ("S" or "L") and standard supply
// pressure (MPa), once the series' choices are known.
struct TEjectorFilter {
    QString FlowType;
    double Pressure = 0.5;
};

// One row of the model list.
struct TModelListRow {
    QString Id;
    QString Text;          // M_Name, or M_Name1 where the circuit calls for it
    QString Second;        // a pad's area, a valve's or throttle's C1to2; empty otherwise
    QString StandPressure; // MPa as the catalogue gives it; empty for none
    QString FlowType;
};

// The statement of the series list; nothing for the switching valve (its series
// are found by walking the valves) or when a pasted value is not a known form.
std::optional<QString> ModelSeriesSql(const TModelChoiceRequest& request);
// The statement of the models of a series; the filter narrows the ejectors.
std::optional<QString> ModelListSql(const TModelChoiceRequest& request, const QString& seriesId,
                                    bool buffer, const std::optional<TEjectorFilter>& filter);

// The series the dialog lists (SERIESID and the series' catalogue ID).
QList<TListRow> ModelSeriesRows(TDMComm& db, const TModelChoiceRequest& request);
// The models of a series the dialog lists.
QList<TModelListRow> ModelListRows(TDMComm& db, const TModelChoiceRequest& request,
                                   const QString& seriesId, bool buffer,
                                   const std::optional<TEjectorFilter>& filter);
// The flow types and standard supply pressures the ejectors of a series offer.
TStandardPressures EjectorChoices(const QList<TModelListRow>& models);

// Whether the circuit names its ejector by M_Name1: circuit "2" has no release
// valve, and its ejectors go by their other model name.
bool NamesEjectorBySecondName(const QString& circuit);
// Whether the request's models are named by M_Name1: the ejector of such a circuit.
bool UsesSecondModelName(const TModelChoiceRequest& request);
// Whether a valve of these ports and use can be the circuit's switching valve,
// whatever its conductance.
bool SwitchingValveFitsCircuit(int port, int use, const QString& circuit);
