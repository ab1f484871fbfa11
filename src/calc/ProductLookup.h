#pragma once

#include <QString>

// How a product lookup by ID ended: found; the statement ran but found no row
// (the calculation then ends at once with status 0); or the statement could not
// be run (the values stay 0 and the calculation goes on).
enum class TLookupResult { Found, NoRow, Failed };

// The columns of an M_EJ row the calculation reads (ejector or vacuum unit).
struct TEjectorRow {
    double MaxPressure = 0; // magnitude taken by the calculation
    double MaxFlow = 0;
    double AirConsumption = 0;
    int N = 0;
    double P1 = 0;
    double Q1 = 0;
    double SupC = 0;
    double HakaiC = 0;
    double DiuDiameter = 0;
    // Columns the trace shows as text, as the catalogue gives them.
    QString DiuDiameterText, HakaiCText, HakaiBText, SupCText, SupBText;
};

struct TValveRow {
    double C1to2 = 0;
    double C2to3 = 0;
    int Port = 0;
    int Use = 0;
};

struct TThrottleRow {
    double C1to2 = 0;
};

// The products the calculation reads, by the text form of their ID. The data
// module implements it on the catalogue; tests use rows held in memory.
class TProductLookup {
public:
    virtual ~TProductLookup() = default;
    virtual TLookupResult Ejector(const QString& id, TEjectorRow& row) = 0;
    virtual TLookupResult Valve(const QString& id, TValveRow& row) = 0;
    virtual TLookupResult Throttle(const QString& id, TThrottleRow& row) = 0;
    // PAD_S of the pad; 0 when there is none.
    virtual double PadArea(const QString& id) = 0;
};
