#include "wizard/ModelChoice.h"

#include "core/DMComm.h"
#include "core/DataTable.h"
#include "core/Helpers.h"
#include "wizard/PadSelection.h"
#include "wizard/ValveSelection.h"

#include <limits>

namespace {

bool isEjectorCategory(int systemCat) {
    return systemCat == 1 || systemCat == 2;
}

// The ejector condition on type and valves the circuit gives; nothing when
// either is not a known form.
std::optional<QString> ejectorCircuitFilter(const TModelChoiceRequest& r) {
    if ((r.TypeFilter != QLatin1String("1") && r.TypeFilter != QLatin1String("2")) ||
        !IsValveFilter(r.ValveFilter))
        return std::nullopt;
    const QString valves = r.ValveFilter.isEmpty() ? QString() : " AND " + r.ValveFilter;
    return " AND E.Type=" + r.TypeFilter + valves;
}

QString seriesOf(const char* alias, const char* table) {
    return QStringLiteral("SELECT DISTINCT(%1.SERIESID) AS SERIESID,S.SERIES_NAME AS "
                          "SERIES_NAME,S.ID AS ID FROM SERIES AS S,%2 AS %1 WHERE ")
        .arg(QLatin1String(alias), QLatin1String(table));
}

// The series of the switching valves that fit the circuit, in the order of
// their smallest valve.
QStringList switchingValveSeries(TDMComm& db, const TModelChoiceRequest& r) {
    TDataTable valves;
    const std::optional<QString> scan = SwitchingValveScanSql(r.Region);
    QStringList series;
    if (!scan || !db.GetDataPacket(*scan, valves))
        return series;
    for (valves.First(); !valves.Eof(); valves.Next()) {
        const QString id = valves.AsString(QStringLiteral("SERIESID"));
        if (IsCatalogueCode(id) && !series.contains(id) &&
            SwitchingValveFitsCircuit(valves.AsInteger(QStringLiteral("Port")),
                                      valves.AsInteger(QStringLiteral("use")), r.Circuit))
            series.append(id);
    }
    return series;
}

std::optional<QString> switchingSeriesSql(const QStringList& series) {
    if (series.isEmpty())
        return std::nullopt;
    QString sql = seriesOf("V", "M_VA") + "(S.SERIESID = V.SERIESID)" + " AND (V.SERIESID = '" +
                  series.first() + "' ";
    for (qsizetype i = 1; i < series.size(); ++i)
        sql += " OR V.SERIESID = '" + series[i] + "' ";
    return sql + ") ORDER BY V.SERIESID";
}

// The switching valves of the series that fit the circuit, by ID.
std::optional<QString> switchingModelSql(TDMComm& db, const TModelChoiceRequest& r,
                                         const QString& s) {
    TDataTable valves;
    if (!db.GetDataPacket("SELECT * FROM M_VA WHERE SERIESID= '" + s + "'" + " AND " + r.Region +
                              "<>0" + " ORDER BY C1to2 ASC",
                          valves))
        return std::nullopt;
    QStringList ids;
    for (valves.First(); !valves.Eof(); valves.Next()) {
        const QString id = valves.AsString(QStringLiteral("ID"));
        if (IsIntegerText(id) &&
            SwitchingValveFitsCircuit(valves.AsInteger(QStringLiteral("Port")),
                                      valves.AsInteger(QStringLiteral("use")), r.Circuit))
            ids.append(id);
    }
    if (ids.isEmpty())
        return std::nullopt;
    return "SELECT ID,M_Name,C1to2 FROM M_VA WHERE SERIESID ='" + s + "'" +
           " AND (ID=" + ids.join(QStringLiteral(" OR ID=")) + ") ORDER BY ID ASC";
}

} // namespace

bool SwitchingValveFitsCircuit(int port, int use, const QString& circuit) {
    // A valve of unbounded conductance passes every conductance condition, so
    // only its ports and use decide.
    constexpr double unbounded = std::numeric_limits<double>::infinity();
    return SwitchingValveQualifies({port, use, unbounded, unbounded}, circuit, TOperateType::otCalc,
                                   0, 0);
}

bool NamesEjectorBySecondName(const QString& circuit) {
    return circuit == QLatin1String("2");
}

bool UsesSecondModelName(const TModelChoiceRequest& request) {
    return request.Kind == mkEjector && NamesEjectorBySecondName(request.Circuit);
}

std::optional<QString> ModelSeriesSql(const TModelChoiceRequest& r) {
    if (!IsRegionColumn(r.Region))
        return std::nullopt;
    const QString regional = " AND (S." + r.Region + "<>0)";
    auto tail = [&r, &regional](const char* alias) {
        return regional + " AND (" + alias + "." + r.Region + "<>0)" + " ORDER BY " + alias +
               ".SERIESID";
    };
    switch (r.Kind) {
    case mkPad:
        return seriesOf("P", "M_PT") + "S.SERIESID = P.SERIESID " + tail("P");
    case mkTube:
        return seriesOf("T", "M_Tube") + "S.SERIESID = T.SERIESID " + tail("T");
    case mkEjector:
        if (!isEjectorCategory(r.SystemCat))
            return seriesOf("E", "M_EJ") + "S.SERIESID = E.SERIESID AND E.System_Cat=2 " +
                   tail("E");
        if (const std::optional<QString> circuit = ejectorCircuitFilter(r))
            return seriesOf("E", "M_EJ") + "S.SERIESID = E.SERIESID AND E.System_Cat=1" + *circuit +
                   tail("E");
        return std::nullopt;
    case mkSupplyValve:
    case mkReleaseValve:
        return seriesOf("V", "M_VA") + "S.SERIESID = V.SERIESID AND (Port=2 OR Port=3) AND USE=0 " +
               tail("V");
    case mkThrottle:
        return seriesOf("V", "M_SPECON") + "S.SERIESID = V.SERIESID " + tail("V");
    default:
        return std::nullopt;
    }
}

std::optional<QString> ModelListSql(const TModelChoiceRequest& r, const QString& s, bool buffer,
                                    const std::optional<TEjectorFilter>& filter) {
    if (!IsRegionColumn(r.Region) || !IsCatalogueCode(s))
        return std::nullopt;
    const QString series = "SERIESID ='" + s + "'";
    const QString regional = " AND " + r.Region + "<>0";
    switch (r.Kind) {
    case mkPad:
        return "SELECT ID,M_Name,PAD_S FROM M_PT WHERE " + series +
               " AND BUFFER=" + (buffer ? "1" : "0") + regional + " ORDER BY PAD_S ASC";
    case mkTube:
        return "SELECT ID,M_Name FROM M_Tube WHERE " + series + regional;
    case mkEjector: {
        const QString head = "SELECT ID,M_Name,M_Name1,Stand_Pressure,Flow_Type FROM M_EJ AS E "
                             "WHERE SERIESID='" +
                             s + "'";
        if (!isEjectorCategory(r.SystemCat))
            return head + " AND E.System_Cat=2" + " AND E." + r.Region + "<>0" + " ORDER BY ID";
        const std::optional<QString> circuit = ejectorCircuitFilter(r);
        if (!circuit)
            return std::nullopt;
        QString narrowed = QStringLiteral(" ");
        if (filter) {
            if (filter->FlowType != QLatin1String("S") && filter->FlowType != QLatin1String("L"))
                return std::nullopt;
            narrowed = " AND Flow_Type='" + filter->FlowType + "'" + " " +
                       " AND Stand_Pressure=" + SqlNumber(filter->Pressure);
        }
        return head + " AND E.System_Cat=1 " + narrowed + *circuit + " AND E." + r.Region + "<>0" +
               " ORDER BY id";
    }
    case mkSupplyValve:
    case mkReleaseValve:
        return "SELECT ID,M_Name,C1to2 FROM M_VA WHERE USE=0 AND (Port=2 OR Port=3) AND "
               "SeriesID='" +
               s + "'" + regional + " ORDER BY C1to2 ASC";
    case mkThrottle:
        return "SELECT ID,M_Name,C1to2 FROM M_SPECON WHERE " + series + regional +
               " ORDER BY C1to2 ASC";
    default:
        return std::nullopt;
    }
}

QList<TListRow> ModelSeriesRows(TDMComm& db, const TModelChoiceRequest& request) {
    if (request.Kind == mkSwitchingValve)
        return SeriesRows(db, switchingSeriesSql(switchingValveSeries(db, request)));
    return SeriesRows(db, ModelSeriesSql(request));
}

QList<TModelListRow> ModelListRows(TDMComm& db, const TModelChoiceRequest& request,
                                   const QString& seriesId, bool buffer,
                                   const std::optional<TEjectorFilter>& filter) {
    std::optional<QString> sql;
    if (request.Kind != mkSwitchingValve)
        sql = ModelListSql(request, seriesId, buffer, filter);
    else if (IsCatalogueCode(seriesId) && IsRegionColumn(request.Region))
        sql = switchingModelSql(db, request, seriesId);
    TDataTable models;
    if (!sql || !db.GetDataPacket(*sql, models))
        return {};
    const QString name =
        UsesSecondModelName(request) ? QStringLiteral("M_Name1") : QStringLiteral("M_Name");
    const char* second = request.Kind == mkPad           ? "PAD_S"
                         : request.Kind >= mkSupplyValve ? "C1to2"
                                                         : nullptr;
    QList<TModelListRow> rows;
    for (models.First(); !models.Eof(); models.Next()) {
        rows.append({models.AsString(QStringLiteral("ID")), models.AsString(name),
                     second ? models.AsString(QLatin1String(second)) : QString(),
                     models.AsString(QStringLiteral("Stand_Pressure")),
                     models.AsString(QStringLiteral("Flow_Type"))});
    }
    return rows;
}

TStandardPressures EjectorChoices(const QList<TModelListRow>& models) {
    TStandardPressures choices;
    for (const TModelListRow& model : models) {
        if (!model.StandPressure.isEmpty())
            choices.Add(model.StandPressure.toDouble(), model.FlowType);
    }
    return choices;
}
