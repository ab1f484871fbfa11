#pragma once

#include <QList>
#include <QString>

#include <optional>

class TDMComm;

// The ejector rules of the selection: which ejectors hold the vacuum the pads
// need, and how many of the largest carry the tubing's flow.

// One ejector's suction characteristic, as the catalogue gives it.
struct TEjectorCharacteristic {
    QString Id;
    double MaxPressure = 0; // kPa, sign ignored
    double MaxFlow = 0;     // dm³/min (ANR)
    int N = 1;              // 1 or 2 segments
    double P1 = 0;          // kPa of the knee, sign ignored
    double Q1 = 0;          // dm³/min of the knee
};

// The vacuum magnitude (kPa) the ejector holds against the leakage (dm³/min).
double ReachedVacuum(const TEjectorCharacteristic& ejector, double leakage);

// The ejector filter on Valve_V2 as the circuit gives it: one of its known forms.
bool IsValveFilter(const QString& filter);

// The statement of the candidate search; nothing when the type or the filter is
// not one the circuits give, or the region is not a catalogue column.
std::optional<QString> EjectorCandidateSql(const QString& type, const QString& valveFilter,
                                           const QString& region);
// "ID=a OR ID=b ..." of the ejectors that hold the vacuum, in order; empty for none.
QString EjectorCandidateFilter(const QList<TEjectorCharacteristic>& ejectors, double leakage,
                               double padVacuum);
// Whether the text is a candidate filter as EjectorCandidateFilter writes it:
// "ID=" and integers joined by " OR ", the only form pasted into later statements.
bool IsCandidateFilter(const QString& filter);

// The statement of the ejector page's series list: the ejector series with a
// candidate of the flow type ("S" standard, "L" large) or, without a candidate
// filter, the vacuum unit series; nothing when a pasted value is not a known form.
std::optional<QString> EjectorSeriesSql(const QString& candidateFilter, const QString& flowType,
                                        const QString& region);

// The ejectors of the series among the candidates with the flow type and standard
// supply pressure (MPa): with minFlow, those that carry it, smallest nozzle first;
// without, the largest flow first. Nothing when a pasted value is not a known form.
std::optional<QString> EjectorOfSeriesSql(const QString& candidateFilter, const QString& seriesId,
                                          const QString& flowType, double pressure,
                                          std::optional<double> minFlow, const QString& region);
// The vacuum units of a series, in the order they are tried (Sup_C).
std::optional<QString> UnitsOfSeriesSql(const QString& seriesId, const QString& region);

// Which standard supply pressures (0.35, 0.4, 0.45, 0.5 MPa) and flow types the
// candidates of a series offer.
struct TStandardPressures {
    bool Offered[4] = {false, false, false, false};
    bool Standard = false;
    bool Large = false;
    // Counts in one ejector's pressure and flow type ("S" or "L").
    void Add(double pressure, const QString& flowType);
    // The radio checked after the walk: the lowest offered pressure, -1 for none.
    int Lowest() const;
};
class TQuery;
// Walks the open candidate cursor from its first row for the series' rows.
TStandardPressures StandardPressureChoices(TQuery& candidates, const QString& seriesId);

// The ejectors the statement returns.
QList<TEjectorCharacteristic> EjectorRows(TDMComm& db, const QString& sql);

// The smallest number of ejectors of maxFlow that together carry the flow (adding
// maxFlow until the sum reaches it); nothing when maxFlow is not positive or the
// count would be absurd.
std::optional<int> EjectorCount(double flow, double maxFlow);
