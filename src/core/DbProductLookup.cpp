#include "core/DbProductLookup.h"

#include "core/DMComm.h"
#include "core/Helpers.h"

TLookupResult TDbProductLookup::open(const QString& table, const QString& id) {
    if (!IsIntegerText(id) ||
        !db_.OpenSQL(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE ID=") + id))
        return TLookupResult::Failed;
    if (db_.QComm.IsEmpty()) {
        db_.QComm.Close();
        return TLookupResult::NoRow;
    }
    return TLookupResult::Found;
}

TLookupResult TDbProductLookup::Ejector(const QString& id, TEjectorRow& row) {
    const TLookupResult result = open(QStringLiteral("M_EJ"), id);
    if (result != TLookupResult::Found)
        return result;
    const TQuery& q = db_.QComm;
    row.MaxPressure = q.AsFloat(QStringLiteral("Max_pressure"));
    row.MaxFlow = q.AsFloat(QStringLiteral("Max_flow"));
    row.AirConsumption = q.AsFloat(QStringLiteral("Air_Comsuption"));
    row.N = q.AsInteger(QStringLiteral("N"));
    row.P1 = q.AsFloat(QStringLiteral("P1"));
    row.Q1 = q.AsFloat(QStringLiteral("Q1"));
    row.SupC = q.AsFloat(QStringLiteral("Sup_C"));
    row.HakaiC = q.AsFloat(QStringLiteral("Hakai_C"));
    row.DiuDiameter = q.AsFloat(QStringLiteral("Diu_Diameter"));
    row.DiuDiameterText = q.AsString(QStringLiteral("Diu_DIAMETER"));
    row.HakaiCText = q.AsString(QStringLiteral("Hakai_C"));
    row.HakaiBText = q.AsString(QStringLiteral("Hakai_b"));
    row.SupCText = q.AsString(QStringLiteral("Sup_C"));
    row.SupBText = q.AsString(QStringLiteral("Sup_b"));
    db_.QComm.Close();
    return result;
}

TLookupResult TDbProductLookup::Valve(const QString& id, TValveRow& row) {
    const TLookupResult result = open(QStringLiteral("M_VA"), id);
    if (result != TLookupResult::Found)
        return result;
    const TQuery& q = db_.QComm;
    row.C1to2 = q.AsFloat(QStringLiteral("C1to2"));
    row.C2to3 = q.AsFloat(QStringLiteral("C2to3"));
    row.Port = q.AsInteger(QStringLiteral("Port"));
    row.Use = q.AsInteger(QStringLiteral("Use"));
    db_.QComm.Close();
    return result;
}

TLookupResult TDbProductLookup::Throttle(const QString& id, TThrottleRow& row) {
    const TLookupResult result = open(QStringLiteral("M_SPECON"), id);
    if (result != TLookupResult::Found)
        return result;
    row.C1to2 = db_.QComm.AsFloat(QStringLiteral("C1to2"));
    db_.QComm.Close();
    return result;
}

double TDbProductLookup::PadArea(const QString& id) {
    return db_.GetPadArea(id);
}
