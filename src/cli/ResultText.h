#pragma once

#include "cli/CalcCommand.h"
#include "lang/XMLLan.h"
#include "units/UnitManager.h"

#include <QList>
#include <QString>
#include <QStringList>

class TDMComm;

// The result page's words for the command line: its labels from a language file,
// each output in its parameter's default unit with that unit's decimals, and the
// evaluation's messages.
class TResultText {
public:
    TResultText(TDMComm& db, const QString& language);

    struct TRow {
        QString Name;  // the field name of the JSON output
        QString Label; // as the result page names it
        QString Text;  // the value as the result page shows it; empty when it shows none
        QString Unit;
    };
    QList<TRow> Outputs(const TCalcReport& report) const;
    QStringList Evaluation(const TCalcReport& report) const;
    // A chart series' name for CSV headers: the legend's words for the two curves.
    QString SeriesName(int series) const;

private:
    QString item(const QString& name, const QString& fallback) const;

    TUnitManager units_;
    TXMLLan lan_;
};
