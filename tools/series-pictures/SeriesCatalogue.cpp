#include "SeriesCatalogue.h"

#include "core/CatalogueConstants.h"
#include "core/DMComm.h"
#include "core/DataTable.h"

#include <QHash>
#include <QRegularExpression>

#include <initializer_list>

namespace {

enum class TTable { Pads, Tubing, Units, Ejectors, Valves, Throttles };

// Per series, the figures of its rows that decide its shape: A and B as the query
// of its table names them.
struct TFacts {
    TTable Table;
    int A = 0;
    int B = 0;
};

struct TTableQuery {
    TTable Table;
    const char* Statement;
};

// A series found in two tables takes the first; units come before ejectors so that
// a unit series always gets its pump picture.
constexpr TTableQuery TableQueries[] = {
    {TTable::Pads, "SELECT SERIESID, 0 AS A, 0 AS B FROM M_PT GROUP BY SERIESID"},
    {TTable::Tubing, "SELECT SERIESID, 0 AS A, 0 AS B FROM M_Tube GROUP BY SERIESID"},
    {TTable::Units, "SELECT SERIESID, 0 AS A, 0 AS B FROM M_EJ WHERE System_Cat=2 "
                    "GROUP BY SERIESID"},
    // A: 1 when some ejector of the series has its valves built in (Type 1).
    {TTable::Ejectors, "SELECT SERIESID, MIN(Type) AS A, 0 AS B FROM M_EJ WHERE System_Cat=1 "
                       "GROUP BY SERIESID"},
    // A: the most ports, B: the switching kind (1 switching, 2 with release port).
    {TTable::Valves, "SELECT SERIESID, MAX(Port) AS A, MAX(USE) AS B FROM M_VA GROUP BY SERIESID"},
    {TTable::Throttles, "SELECT SERIESID, 0 AS A, 0 AS B FROM M_SPECON GROUP BY SERIESID"},
};

bool readFacts(TDMComm& db, QHash<QString, TFacts>& facts, QString& error) {
    for (const TTableQuery& query : TableQueries) {
        TDataTable rows;
        if (!db.GetDataPacket(QLatin1String(query.Statement), rows)) {
            error = db.LastError();
            return false;
        }
        for (rows.First(); !rows.Eof(); rows.Next()) {
            const QString id = rows.AsString(QStringLiteral("SERIESID")).toUpper();
            if (!id.isEmpty() && !facts.contains(id))
                facts.insert(id, {query.Table, rows.AsInteger(QStringLiteral("A")),
                                  rows.AsInteger(QStringLiteral("B"))});
        }
    }
    return true;
}

bool named(const QString& name, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (name.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

TLook padLook(const QString& name) {
    if (named(name, {"bellows"}))
        return TLook::BellowsPad;
    if (named(name, {"deep"}))
        return TLook::DeepPad;
    if (named(name, {"oval"}))
        return TLook::OvalPad;
    if (named(name, {"soft", "silicone"}))
        return TLook::SoftPad;
    return TLook::FlatPad;
}

TLook tubeLook(const QString& name) {
    if (named(name, {"nylon"}))
        return TLook::NylonTube;
    if (named(name, {"polyolefin", "soft"}))
        return TLook::PolyolefinTube;
    return TLook::PolyurethaneTube;
}

TLook valveLook(const TFacts& facts) {
    if (facts.B == 2)
        return TLook::ReleasePortValve;
    if (facts.B == 1)
        return TLook::SwitchingValve;
    return facts.A >= 3 ? TLook::ThreePortValve : TLook::TwoPortValve;
}

bool isSpecial(const QString& id) {
    return id.compare(QLatin1String(SpecialUnitSeries), Qt::CaseInsensitive) == 0;
}

TLook lookOf(const QString& id, const QString& name, const TFacts& facts) {
    switch (facts.Table) {
    case TTable::Pads:
        return padLook(name);
    case TTable::Tubing:
        return tubeLook(name);
    case TTable::Units:
        return isSpecial(id) || named(name, {"pilot"}) ? TLook::PilotUnit : TLook::VacuumUnit;
    case TTable::Ejectors:
        if (facts.A == 1)
            return TLook::ValveEjector;
        return named(name, {"manifold"}) ? TLook::ManifoldEjector : TLook::InlineEjector;
    case TTable::Valves:
        return valveLook(facts);
    case TTable::Throttles:
        return TLook::SpeedController;
    }
    return TLook::Unclassed;
}

// The plain picture and the variants the pages load for the series.
void addFiles(const QString& id, const QString& name, const QString& picture, const TFacts* facts,
              QList<TPictureFile>& files) {
    const TLook look = facts ? lookOf(id, name, *facts) : TLook::Unclassed;
    const bool large = named(name, {"large", "high-flow", "high flow"});
    files.append({picture, look, large, TVariant::Plain, 0});
    if (facts && facts->Table == TTable::Pads)
        files.append({picture + QLatin1String("_B"), look, large, TVariant::Buffer, 0});
    if (isSpecial(id)) {
        for (int category = 1; category <= 4; ++category)
            files.append({picture + '_' + QString::number(category), look, large,
                          TVariant::Category, category});
    } else if (facts && facts->Table == TTable::Units) {
        files.append({picture + QLatin1String("_2"), look, large, TVariant::PumpPort, 0});
    }
}

} // namespace

bool IsPlainPictureName(const QString& name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return plain.match(name).hasMatch();
}

bool ReadSeriesPictures(const QString& catalogue, QList<TPictureFile>& files, QString& error) {
    TDMComm db;
    QHash<QString, TFacts> facts;
    TDataTable series;
    if (!db.ConnectDB(catalogue, TDMComm::TOpenMode::ReadOnly) || !readFacts(db, facts, error) ||
        !db.GetDataPacket(QStringLiteral("SELECT SERIESID, SERIES_NAME, SERIES_PIC FROM SERIES "
                                         "ORDER BY ID"),
                          series)) {
        error = error.isEmpty() ? db.LastError() : error;
        return false;
    }
    QStringList unsafe;
    for (series.First(); !series.Eof(); series.Next()) {
        const QString id = series.AsString(QStringLiteral("SERIESID")).toUpper();
        const QString picture = series.AsString(QStringLiteral("SERIES_PIC"));
        if (picture.isEmpty())
            continue;
        if (!IsPlainPictureName(picture)) {
            unsafe.append(QStringLiteral("series %1: unsafe picture name \"%2\"").arg(id, picture));
            continue;
        }
        const auto found = facts.constFind(id);
        addFiles(id, series.AsString(QStringLiteral("SERIES_NAME")), picture,
                 found == facts.constEnd() ? nullptr : &*found, files);
    }
    error = unsafe.join('\n');
    return unsafe.isEmpty();
}
