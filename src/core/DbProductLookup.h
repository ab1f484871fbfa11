#pragma once

#include "calc/ProductLookup.h"

class TDMComm;

// Reads the calculation's products from the catalogue with the statements
// "SELECT * FROM M_EJ WHERE ID=" + ID (and likewise M_VA, M_SPECON) through the
// shared cursor. An ID that is not an integer never reaches SQL: it counts as a
// statement that could not be run.
class TDbProductLookup : public TProductLookup {
public:
    explicit TDbProductLookup(TDMComm& db) : db_(db) {}
    TLookupResult Ejector(const QString& id, TEjectorRow& row) override;
    TLookupResult Valve(const QString& id, TValveRow& row) override;
    TLookupResult Throttle(const QString& id, TThrottleRow& row) override;
    double PadArea(const QString& id) override;

private:
    TLookupResult open(const QString& table, const QString& id);
    TDMComm& db_;
};
