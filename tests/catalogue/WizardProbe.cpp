#include "WizardProbe.h"

#include "core/CatalogueConstants.h"
#include "core/DMComm.h"
#include "core/Helpers.h"

#include <QSet>

#include <cmath>

namespace {

bool isOneOf(const QString& circuit, const QStringList& circuits) {
    return circuits.contains(circuit);
}

int systemCategory(const QString& circuit) {
    if (isOneOf(circuit, {"1", "2"}))
        return 1;
    if (circuit == QLatin1String("6"))
        return 3;
    if (isOneOf(circuit, {"7", "8", "7b", "8b"}))
        return 4;
    return 2;
}

QString valveV2Filter(const QString& circuit) {
    if (circuit == QLatin1String("1"))
        return QStringLiteral("(Valve_V2=1 or Valve_V2=2)");
    if (circuit == QLatin1String("2"))
        return QStringLiteral("Valve_V2=1");
    return QString();
}

// Vacuum an ejector reaches while it draws the total leakage q (kPa, magnitude).
double reachedVacuum(const TDataTable& ejector, double q) {
    const double pmax = std::fabs(ejector.AsFloat("Max_pressure"));
    const double qmax = ejector.AsFloat("Max_flow");
    const double p1 = std::fabs(ejector.AsFloat("P1"));
    const double q1 = ejector.AsFloat("Q1");
    if (ejector.AsInteger("N") == 1)
        return pmax - pmax / qmax * q;
    if (q > q1)
        return p1 - p1 / (qmax - q1) * (q - q1);
    return pmax - q * (pmax - p1) / q1;
}

// Switching valve rule, as the selection mode applies it (C is C2to3 there).
bool switchingValveQualifies(const TDataTable& valve, const QString& circuit, double q,
                             double nozzle) {
    const int port = valve.AsInteger("Port");
    const int use = valve.AsInteger("USE");
    const double c12 = valve.AsFloat("C1to2");
    const double c = valve.AsFloat("C2to3");
    if (port == 3 && use == 0 && isOneOf(circuit, {"3b", "4b", "7b", "8b"}) && q / 30 <= c)
        return true;
    if ((port == 2 || port == 3) && use == 0 && isOneOf(circuit, {"7", "8"}) && c12 >= q / 30)
        return true;
    if (port == 3 && use == 0 && isOneOf(circuit, {"9", "9b"}) && c12 >= 0.471 * nozzle * nozzle)
        return true;
    if (port == 3 && use == 1 && isOneOf(circuit, {"3b", "7b"}) && q / 30 <= c)
        return true;
    return port == 3 && use == 2 && isOneOf(circuit, {"4b", "8b"}) && q / 30 <= c;
}

class Probe {
public:
    Probe(TDMComm& db, const WizardConditions& c) : db_(db), c_(c) {
        RegionName(c.region, r_);
        category_ = systemCategory(c.circuit);
    }

    WizardOutcome run() {
        const bool ok = selectPad() && checkVacuumSource() && selectTube() &&
                        (category_ == 4 || selectEjectorOrUnit()) &&
                        (category_ == 1 || category_ == 3 || selectValves());
        if (ok)
            outcome_.failure.clear();
        return outcome_;
    }

private:
    TDataTable query(const QString& statement) {
        TDataTable table;
        if (!db_.GetDataPacket(statement, table))
            qWarning("statement failed: %s: %s", qPrintable(statement),
                     qPrintable(db_.LastError()));
        return table;
    }

    bool fail(const QString& why) {
        outcome_.failure = why;
        return false;
    }

    void take(const QString& step, const QString& model) {
        outcome_.products << step + "=" + model;
    }

    QString seriesListQuery(const QString& alias, const QString& table, const QString& where) {
        return "SELECT DISTINCT(" + alias +
               ".SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,"
               "S.ID AS ID,S." +
               r_ + " AS " + r_ + " FROM SERIES AS S," + table + " AS " + alias +
               " WHERE (S.SERIESID = " + alias + ".SERIESID)" + where + " ORDER BY S." + r_ +
               " ASC";
    }

    bool selectPad() {
        const double area = c_.mass * 9.8 * c_.safetyFactor / (c_.pads * c_.vacuum) * 1000;
        const QString areaLimit = c_.automaticPad ? " AND (P.PAD_S>=" + SqlNumber(area) + ")" : "";
        const TDataTable series =
            query(seriesListQuery("P", "M_PT", areaLimit + " AND (S." + r_ + "<>0)"));
        if (series.IsEmpty())
            return fail("no pad series");
        QString models = "SELECT ID,M_NAME,PAD_S FROM M_PT WHERE SERIESID ='" +
                         series.AsString("SERIESID") + "' AND BUFFER=" + (c_.buffer ? "1" : "0");
        if (c_.automaticPad)
            models += " AND PAD_S>=" + SqlNumber(area);
        const TDataTable pad = query(models + " AND " + r_ + "<>0 ORDER BY PAD_S ASC");
        if (pad.IsEmpty())
            return fail("no pad model");
        take("pad", pad.AsString("M_NAME"));
        padVacuum_ = c_.automaticPad ? c_.vacuum
                                     : c_.mass * 9.8 * c_.safetyFactor /
                                           (c_.pads * pad.AsFloat("PAD_S")) * 1000;
        return true;
    }

    bool checkVacuumSource() {
        if (category_ == 3 || category_ == 4) {
            if (c_.pumpVacuum >= padVacuum_)
                return true;
            return fail(c_.automaticPad ? "MSG004" : "MSG003");
        }
        const QString type = category_ == 1 ? "1" : "2";
        const QString valve = valveV2Filter(c_.circuit);
        const TDataTable rows = query("SELECT * FROM M_EJ WHERE System_Cat=1 AND Type=" + type +
                                      (valve.isEmpty() ? "" : " AND " + valve) + " AND " + r_ +
                                      "<>0 AND SERIESID<>'' ORDER BY ID");
        if (rows.IsEmpty())
            return fail("no ejector rows");
        QStringList ids;
        for (TDataTable t = rows; !t.Eof(); t.Next()) {
            if (reachedVacuum(t, c_.pads * c_.leakage) >= padVacuum_)
                ids << "ID=" + t.AsString("ID");
        }
        if (ids.isEmpty())
            return fail(c_.automaticPad ? "MSG002" : "MSG001");
        candidateFilter_ = ids.join(" OR ");
        return true;
    }

    bool selectTube() {
        const TDataTable series = query(seriesListQuery("T", "M_Tube", " AND (T." + r_ + "<>0)"));
        if (series.IsEmpty())
            return fail("no tubing series");
        TDataTable tubes =
            query("SELECT * FROM M_Tube WHERE SERIESID='" + series.AsString("SERIESID") + "' AND " +
                  r_ + "<>0 ORDER BY DIAMETER_IN ASC");
        for (; !tubes.Eof(); tubes.Next()) {
            const double d = tubes.AsFloat("DIAMETER_IN");
            const double volume = 0.785 * d * d * c_.tubeLength * 0.001;
            const double flow = (volume * 60 / (c_.responseTime / 3) + c_.pads * c_.leakage) * 2;
            const double area =
                0.785 * d * d / std::sqrt(1 + 19.7 * c_.tubeLength / std::pow(d, 1.31));
            if (0.5 * flow <= 12 * area) {
                tubeFlow_ = flow;
                take("tube", tubes.AsString("M_Name"));
                return true;
            }
        }
        return fail("MSG005");
    }

    bool selectEjectorOrUnit() {
        if (category_ == 3)
            return selectUnit();
        QString filter = candidateFilter_;
        filter.replace("ID", "E.ID");
        const TDataTable series = query(
            "SELECT DISTINCT(E.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS ID,S." +
            r_ + " AS " + r_ + " FROM SERIES AS S,M_EJ AS E WHERE S.SERIESID = E.SERIESID  AND (" +
            filter + ") AND E.Flow_Type='S' AND (E." + r_ + "<>0) ORDER BY S." + r_ + " ASC");
        if (series.IsEmpty())
            return fail("no ejector series");
        const QString seriesId = series.AsString("SERIESID");
        // The lowest standard pressure the series' candidates offer is the one checked.
        double pressure = 0.35;
        QSet<QString> offered;
        for (TDataTable t = query("SELECT * FROM M_EJ WHERE " + candidateFilter_ + " ORDER BY ID");
             !t.Eof(); t.Next()) {
            if (t.AsString("SeriesID").compare(seriesId, Qt::CaseInsensitive) == 0)
                offered.insert(SqlNumber(t.AsFloat("Stand_Pressure")));
        }
        for (const char* p : {"0.5", "0.45", "0.4", "0.35"}) {
            if (offered.contains(p))
                pressure = QString(p).toDouble();
        }
        const QString base = "SELECT * FROM M_EJ WHERE (" + candidateFilter_ + ") AND SeriesID='" +
                             seriesId +
                             "' AND Flow_Type='S'AND stand_pressure=" + SqlNumber(pressure);
        TDataTable ejector = query(base + " AND Max_flow>=" + SqlNumber(tubeFlow_) + " AND " + r_ +
                                   "<>0 ORDER BY Nozzle_Diameter ASC");
        if (ejector.IsEmpty()) {
            ejector = query(base + " AND " + r_ + "<>0 ORDER BY Max_flow DESC");
            if (ejector.IsEmpty())
                return fail("no ejector at the standard pressure");
        }
        nozzle_ = ejector.AsFloat("Nozzle_Diameter");
        take("ejector", ejector.AsString(c_.circuit == "2" ? "M_Name1" : "M_Name"));
        return true;
    }

    bool selectUnit() {
        const TDataTable series = query(
            "SELECT DISTINCT(E.SERIESID) AS SERIESID,S.SERIES_NAME AS SERIES_NAME,S.ID AS ID,S." +
            r_ + " AS " + r_ +
            " FROM SERIES AS S,M_EJ AS E WHERE S.SERIESID = E.SERIESID  AND (E." + r_ +
            "<>0) AND System_Cat=2 ORDER BY S." + r_ + " ASC");
        if (series.IsEmpty())
            return fail("no vacuum unit series");
        const QString seriesId = series.AsString("SERIESID");
        if (seriesId == QLatin1String(SpecialUnitSeries) && c_.releasePressure < 0.3)
            return fail("MSGZK2MIN");
        const TDataTable units = query("SELECT * FROM M_EJ WHERE SeriesID='" + seriesId + "' AND " +
                                       r_ + "<>0 AND System_Cat=2 ORDER BY Sup_C ASC");
        if (units.IsEmpty())
            return fail("no vacuum unit");
        take("unit", units.AsString("M_Name"));
        return true;
    }

    // V1, V2 and the throttle: the first series large enough, then its smallest model.
    bool selectSizedValve(const QString& step, const QString& table, const QString& condition,
                          double limit, const QString& message) {
        const QString where =
            " AND " + condition + "C1to2>=" + SqlNumber(limit) + " AND (V." + r_ + "<>0)";
        const TDataTable series = query(seriesListQuery("V", table, where));
        if (series.IsEmpty())
            return fail(message);
        const TDataTable model =
            query("SELECT * FROM " + table + " WHERE " + condition + "C1to2>=" + SqlNumber(limit) +
                  " AND SeriesID='" + series.AsString("SERIESID") + "' AND " + r_ +
                  "<>0 ORDER BY C1to2 ASC");
        if (model.IsEmpty())
            return fail("no " + step + " model");
        take(step, model.AsString("M_Name"));
        return true;
    }

    bool selectSwitchingValve() {
        QStringList series;
        for (TDataTable t = query("SELECT * FROM M_VA  WHERE " + r_ + "<>0 ORDER BY C1to2 ASC");
             !t.Eof(); t.Next()) {
            if (switchingValveQualifies(t, c_.circuit, tubeFlow_, nozzle_) &&
                !series.contains(t.AsString("SERIESID"), Qt::CaseInsensitive))
                series << t.AsString("SERIESID");
        }
        if (series.isEmpty())
            return fail("no switching valve");
        for (TDataTable t = query("SELECT * FROM M_VA WHERE SERIESID= '" + series.first() +
                                  "' AND " + r_ + "<>0 ORDER BY C1to2 ASC");
             !t.Eof(); t.Next()) {
            if (switchingValveQualifies(t, c_.circuit, tubeFlow_, nozzle_)) {
                take("V3", t.AsString("M_Name"));
                return true;
            }
        }
        return fail("no switching valve model");
    }

    bool selectValves() {
        const double byNozzle = 0.471 * nozzle_ * nozzle_;
        const double byFlow = tubeFlow_ / 30;
        const QString& k = c_.circuit;
        const QString generalValve = "USE=0 AND (Port=2 OR Port=3) AND ";
        if (isOneOf(k, {"3", "3b", "4", "4b", "5"}) &&
            !selectSizedValve("V1", "M_VA", generalValve, byNozzle, "MSG0076"))
            return false;
        if (isOneOf(k, {"3", "4", "7", "8"}) &&
            !selectSizedValve("V2", "M_VA", generalValve, category_ == 2 ? byNozzle : byFlow,
                              "MSG0077"))
            return false;
        // An empty switching-valve list stops nothing: the page opens without one.
        const bool switching =
            !isOneOf(k, {"3b", "4b", "7", "8", "7b", "8b", "9", "9b"}) || selectSwitchingValve();
        const QString missingSwitchingValve = outcome_.failure;
        if (isOneOf(k, {"3", "3b", "9", "7", "7b"}) &&
            !selectSizedValve("throttle", "M_SPECON", "", category_ == 2 ? byNozzle : byFlow,
                              "MSG0079"))
            return false;
        return switching || fail(missingSwitchingValve);
    }

    TDMComm& db_;
    const WizardConditions& c_;
    QString r_;
    int category_ = 1;
    double padVacuum_ = 0;
    QString candidateFilter_;
    double tubeFlow_ = 0;
    double nozzle_ = 0;
    WizardOutcome outcome_;
};

} // namespace

WizardOutcome RunWizardSteps(TDMComm& db, const WizardConditions& conditions) {
    return Probe(db, conditions).run();
}
