#include "reports/FrmPrint.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "lang/XMLLan.h"
#include "reports/FrmSelectDir.h"
#include "reports/ReportHtml.h"
#include "reports/ReportPainter.h"
#include "settings/BaseClass.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

void paintOn(QPrinter& printer, const TReportContent& content) {
    QPainter painter(&printer);
    PaintReport(painter, printer.paperRect(QPrinter::DevicePixel), content);
}

} // namespace

TFrmPrint::TFrmPrint(TResultPageSource page, QWidget* parent)
    : TFrmShell(parent), page_(std::move(page)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("FrmPrint"));
    setWindowTitle(QStringLiteral("Report"));
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setFullPage(true);
    QWidget* panel = ClientPanel();
    ediTitle = new QLineEdit(panel);
    ediTitle->setObjectName(QStringLiteral("ediTitle"));
    ediReg = new QLineEdit(panel);
    ediReg->setObjectName(QStringLiteral("ediReg"));
    dtpDate = new QDateEdit(QDate::currentDate(), panel);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    memComment = new QPlainTextEdit(panel);
    memComment->setObjectName(QStringLiteral("memComment"));

    auto* fields = new QFormLayout;
    fields->addRow(DialogLabel("labPrintTitle", "Title", panel), ediTitle);
    fields->addRow(DialogLabel("labReg", "Registrant", panel), ediReg);
    fields->addRow(DialogLabel("labDate", "Date", panel), dtpDate);
    fields->addRow(DialogLabel("labComment", "Comment", panel), memComment);

    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> actions[] = {{"btnPreview", "Preview"},
                                                           {"btnPrintSet", "Printer setup"},
                                                           {"btnPrint", "Print"},
                                                           {"btnSave", "Export HTML"},
                                                           {"btnPdf", "Export PDF"}};
    for (const auto& [name, text] : actions)
        buttons->addWidget(DialogButton(name, QLatin1String(text), panel));
    buttons->addStretch();
    TSkinButton* close = DialogButton("btnClose", QStringLiteral("Close"), panel);
    buttons->addWidget(close);
    connect(close, &TSkinButton::clicked, this, &QDialog::accept);
    const std::pair<const char*, void (TFrmPrint::*)()> handlers[] = {
        {"btnPreview", &TFrmPrint::preview},
        {"btnPrintSet", &TFrmPrint::setUpPrinter},
        {"btnPrint", &TFrmPrint::print},
        {"btnSave", &TFrmPrint::exportHtml},
        {"btnPdf", &TFrmPrint::exportPdf}};
    for (const auto& [name, handler] : handlers)
        connect(findChild<TSkinButton*>(QLatin1String(name)), &TSkinButton::clicked, this, handler);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    resize(760, 380);
    // F1 opens the help at the report's topic.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setObjectName(QStringLiteral("HelpAct"));
    connect(help, &QShortcut::activated, this, [] {
        if (BaseClass)
            BaseClass->ShowHelp(BaseClass->UsesNamedHelpTopics() ? QStringLiteral("imprimir.html")
                                                                 : QStringLiteral("12-1.htm"));
    });
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, ShowHint);
}

TFrmPrint::~TFrmPrint() = default;

QString TFrmPrint::caption(const char* label) const {
    return findChild<QLabel*>(QLatin1String(label))->text();
}

TReportContent TFrmPrint::FillReport() const {
    TReportEntries entries;
    entries.TitleCaption = caption("labPrintTitle");
    entries.Title = ediTitle->text();
    entries.RegistrantCaption = caption("labReg");
    entries.Registrant = ediReg->text();
    entries.DateCaption = caption("labDate");
    entries.Date = dtpDate->date();
    entries.CommentCaption = caption("labComment");
    entries.Comment = memComment->toPlainText();
    TReportContent content = ::FillReport(page_, entries);
    if (BaseClass && BaseClass->Lan)
        content.FontFamilies = LanguageFontFamilies(*BaseClass->Lan);
    return content;
}

void TFrmPrint::preview() {
    QPrintPreviewDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(windowTitle());
    const TReportContent content = FillReport();
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&content](QPrinter* printer) { paintOn(*printer, content); });
    dialog.exec();
}

// The printer setup chooses the printer (a PDF file among them) and its page;
// Print then prints there. Nothing is printed here.
void TFrmPrint::setUpPrinter() {
    QPrintDialog dialog(printer_.get(), this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.exec();
}

void TFrmPrint::print() {
    const TReportContent content = FillReport();
    hide();
    paintOn(*printer_, content);
    accept();
}

void TFrmPrint::exportPdf() {
    const std::optional<QString> chosen = ChooseFileToSave(this, QStringLiteral("PDF (*.pdf)"));
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    if (!MayReplaceFile(path))
        return;
    QString error;
    if (!WriteReportPdf(path, FillReport(), &error))
        ShowPlainMessage(error);
}

// The page and its pictures into a folder the user names; the report dialog
// closes either way.
void TFrmPrint::exportHtml() {
    hide();
    TFrmSelectDir chooser(parentWidget());
    if (chooser.exec() == QDialog::Accepted) {
        QString error;
        if (!WriteReportHtml(chooser.TargetFolder(), chooser.FileName(), FillReport(), &error))
            ShowPlainMessage(error);
    }
    accept();
}

void TFrmPrint::showEvent(QShowEvent* event) {
    TFrmShell::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}
