#pragma once

#include "calc/ChartData.h"
#include "core/Globals.h"
#include "reports/ChartPainter.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The result page's product rows, in the report's order: label, model field and
// count field of pad, tubing, ejector, V1, V2, V3 and the release throttle.
extern const char* const ResultProductRows[7][3];

// A label and its value as the report prints them side by side.
struct TReportPair {
    QString Label;
    QString Value;
};

// Everything the one-page result report shows, as texts and pictures.
struct TReportContent {
    QString Title;                            // the main window's title
    QString PrintTitle, Registrant, DateLine; // the header line
    QString ProductsHeading;                  // "Selection result" or "Calculation result"
    QString DeviceColumn, ModelColumn, CountColumn;
    struct TProductRow {
        QString Device, Model, Count;
    };
    std::array<TProductRow, 7> Products; // pad, tubing, ejector, V1, V2, V3, throttle
    QString ChartHeading;
    TChartData Chart;
    TChartTitles ChartTitles;
    QString CircuitHeading;
    QImage Circuit;
    QString CircuitNote; // empty where the page hides it
    // Adsorption and release times, safety factor, maximum vacuum, standard supply
    // pressure (or the required pump flow), air consumption, working vacuum.
    std::array<TReportPair, 7> Outputs;
    QStringList Evaluation;
    QString InputsHeading;
    std::array<TReportPair, 10> Inputs;
    QString CommentHeading;
    QStringList Comment;
    QString Footer;           // "QOV" and the version
    QStringList FontFamilies; // the language's; empty: the default
};

// What the report takes from the result page: the text of a control by its name
// (a label's caption, a field's or box's text, a unit button's caption, a memo's
// lines), whether a control is shown, and what is not a text.
struct TResultPageSource {
    std::function<QString(const QString& name)> Text;
    std::function<bool(const QString& name)> Shown;
    TOperateType Mode = TOperateType::otSelect;
    QString MainTitle;
    TChartData Chart;
    TChartTitles ChartTitles;
    QImage Circuit;
};

// What the report dialog adds: its captions and the user's entries.
struct TReportEntries {
    QString TitleCaption, Title;
    QString RegistrantCaption, Registrant;
    QString DateCaption;
    QDate Date;
    QString CommentCaption, Comment;
};

// The report filled from the result page and the dialog.
TReportContent FillReport(const TResultPageSource& page, const TReportEntries& entries);
