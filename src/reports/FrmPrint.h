#pragma once

#include "controls/FrmShell.h"
#include "reports/ReportContent.h"

#include <memory>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class TSkinButton;

// The report dialog: the title, registrant, date and comment the printed report
// carries, and the buttons that preview the one-page report, set up the printer,
// print it and export it as HTML or PDF. The report is filled from the result page each
// time it is drawn, so it always shows what the page shows.
class TFrmPrint : public TFrmShell {
    Q_OBJECT
public:
    TFrmPrint(TResultPageSource page, QWidget* parent = nullptr);
    ~TFrmPrint() override;

    // The report of the result page and the dialog's entries.
    TReportContent FillReport() const;

    QLineEdit* ediTitle;
    QLineEdit* ediReg;
    QDateEdit* dtpDate;
    QPlainTextEdit* memComment;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void preview();
    void setUpPrinter();
    void print();
    void exportPdf();
    void exportHtml();
    QString caption(const char* label) const;

    TResultPageSource page_;
    std::unique_ptr<QPrinter> printer_;
};
