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
// The ejectors the statement returns.
QList<TEjectorCharacteristic> EjectorRows(TDMComm& db, const QString& sql);

// The smallest number of ejectors of maxFlow that together carry the flow (adding
// maxFlow until the sum reaches it); nothing when maxFlow is not positive or the
// count would be absurd.
std::optional<int> EjectorCount(double flow, double maxFlow);
