#pragma once

#include "reports/ReportContent.h"

#include <QString>

// The file names of an HTML export: the page NAME.html, and its two pictures
// beside it named after the page, NAME.html_QRImage1.jpg (the chart) and
// NAME.html_QRImage2.jpg (the circuit diagram).
QString ReportHtmlName(const QString& fileName);
QString ReportPictureName(const QString& fileName, int picture);

// Writes the report as an HTML page with its pictures into the folder, which is
// created when missing; existing files of the same names are replaced. False with
// the reason when a file cannot be written.
bool WriteReportHtml(const QString& folder, const QString& fileName, const TReportContent& content,
                     QString* error);
