#pragma once

#include "calc/ProductLookup.h"

#include <QMap>
#include <QSet>
#include <QString>

// Product rows held in memory, for calculation tests. An ID missing from its map
// behaves like a statement that finds no row; an ID in FailingIds like a
// statement that cannot be run (the row is left as it was, as by the catalogue).
// Every lookup is counted, found or not.
class TMemoryProductLookup : public TProductLookup {
public:
    QMap<QString, TEjectorRow> Ejectors;
    QMap<QString, TValveRow> Valves;
    QMap<QString, TThrottleRow> Throttles;
    QMap<QString, double> PadAreas;
    QSet<QString> FailingIds;

    int EjectorLookups = 0;
    int ValveLookups = 0;
    int ThrottleLookups = 0;
    int PadAreaLookups = 0;

    int lookups() const { return EjectorLookups + ValveLookups + ThrottleLookups + PadAreaLookups; }
    void resetCounts() { EjectorLookups = ValveLookups = ThrottleLookups = PadAreaLookups = 0; }

    TLookupResult Ejector(const QString& id, TEjectorRow& row) override {
        ++EjectorLookups;
        return find(Ejectors, id, row);
    }
    TLookupResult Valve(const QString& id, TValveRow& row) override {
        ++ValveLookups;
        return find(Valves, id, row);
    }
    TLookupResult Throttle(const QString& id, TThrottleRow& row) override {
        ++ThrottleLookups;
        return find(Throttles, id, row);
    }
    double PadArea(const QString& id) override {
        ++PadAreaLookups;
        if (FailingIds.contains(id))
            return 0;
        return PadAreas.value(id, 0.0);
    }

private:
    template <typename Row>
    TLookupResult find(const QMap<QString, Row>& rows, const QString& id, Row& row) const {
        if (FailingIds.contains(id))
            return TLookupResult::Failed;
        const auto it = rows.constFind(id);
        if (it == rows.constEnd())
            return TLookupResult::NoRow;
        row = *it;
        return TLookupResult::Found;
    }
};
