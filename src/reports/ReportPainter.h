#pragma once

#include "reports/ReportContent.h"

#include <QRectF>

class QPainter;

// The report's one A4 page (210 × 297 mm, 10 mm margins) drawn into the paper
// rectangle of any device: the screen preview, a printer and a PDF file all take
// it from here, so they show the same page.
void PaintReport(QPainter& painter, const QRectF& paper, const TReportContent& content);

// Writes the report as a one-page PDF file with its fonts embedded; the file is
// replaced only when it was written whole. False with the reason otherwise.
bool WriteReportPdf(const QString& path, const TReportContent& content, QString* error);
