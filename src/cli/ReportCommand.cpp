#include "cli/ReportCommand.h"

#include "calc/CircuitTable.h"
#include "cli/CalcCommand.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/ResultText.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/Languages.h"
#include "lang/XMLLan.h"
#include "reports/ReportHtml.h"
#include "reports/ReportPainter.h"
#include "results/InputSummary.h"

#include <QDate>
#include <QFileInfo>
#include <QHash>

namespace {

const CliSyntax Syntax{
    QStringLiteral("report"),
    QStringLiteral("report [--db PATH] [--lang LANGUAGE] [--title T] [--registrant R] "
                   "[--comment C] (--pdf FILE.pdf | --html DIR/NAME) HISTORYFILE"),
    QStringLiteral(
        "Opens a history file (.SEL or .CAL) as the main window does, calculates it, and\n"
        "writes the one-page result report the result page prints: as PDF, or as HTML\n"
        "(DIR/NAME.html with its pictures NAME.html_QRImage1.jpg and _QRImage2.jpg).\n"
        "Outputs show in their default units.\n\n"
        "  --db PATH         the catalogue (Data/MORELDB.db beside the program)\n"
        "  --lang LANGUAGE   the report's words in that language (English)\n"
        "  --title T, --registrant R, --comment C   the report's header and comment\n"
        "  --pdf FILE        write a PDF file (replaced whole, or left as it was)\n"
        "  --html DIR/NAME   write NAME.html and its pictures into DIR (created)\n\n"
        "Exit codes: 0 written; 1 the catalogue, the file or the output could not be\n"
        "used; 2 wrong usage."),
    {{QStringLiteral("--db"), true},
     {QStringLiteral("--lang"), true},
     {QStringLiteral("--title"), true},
     {QStringLiteral("--registrant"), true},
     {QStringLiteral("--comment"), true},
     {QStringLiteral("--pdf"), true},
     {QStringLiteral("--html"), true}},
    true};

// The result page's texts for the run, by control name, as the page shows them
// once the file is opened: labels from the language file, the products, the
// outputs in their default units, the input summary as entered.
class TPageTexts {
public:
    TPageTexts(const TXMLLan& lan, const TResultText& words, const THistoryRun& run,
               const TCalcReport& report)
        : lan_(lan) {
        const TCalcInput& in = report.History.Input;
        const bool select = report.History.OperateType == TOperateType::otSelect;
        texts_[QStringLiteral("LblSelectResult")] =
            caption(select ? "LblSelectResult" : "LblCaclResult");
        products(in, run, select);
        for (const TResultText::TRow& row : words.Outputs(report)) {
            for (const TResultOutput& o : ResultOutputs(report.Output, report.Figures)) {
                if (row.Name == QLatin1String(o.Name)) {
                    texts_[QLatin1String(o.Field)] = row.Text;
                    texts_[QLatin1String(o.Button)] = row.Unit;
                    shown_ << QLatin1String(o.Label);
                }
            }
        }
        // Opened, the page shows its initial result: an evaluation in calculation
        // mode only.
        if (!select)
            texts_[QStringLiteral("EdtCaclResultMsg")] = words.Evaluation(report).join('\n');
        texts_[QStringLiteral("CBzhenkongyl_out")] = QString();
        if (ShowsCircuitNote(in.System_Cat))
            shown_ << QStringLiteral("LblCircuitNote");
        summary(run, report.History);
    }

    QString text(const QString& name) const {
        return texts_.contains(name) ? texts_.value(name) : caption(name.toLatin1().constData());
    }
    bool shown(const QString& name) const { return shown_.contains(name); }

private:
    QString caption(const char* name) const {
        return lan_.GetFormItemText(QStringLiteral("FrmActuatorSelection"),
                                    QLatin1String(name) + QStringLiteral(".Caption"));
    }

    void products(const TCalcInput& in, const THistoryRun& run, bool select) {
        const QString one = QStringLiteral("1");
        const QString pads = run.value(select ? QStringLiteral("Cbxipanshuliang.Text")
                                              : QStringLiteral("cbPTCount.Text"));
        const QString ejectors = in.System_Cat == 3 ? one : QString::number(in.EJ_n);
        const QString rows[7][2] = {{in.PT_Name, pads.isEmpty() ? QString::number(in.n) : pads},
                                    {in.Tube_Name, one},
                                    {in.EJ_Name, ejectors},
                                    {in.VA_Gongying_Name, one},
                                    {in.VA_Pohuai_Name, one},
                                    {in.VA_QieHuan_Name, one},
                                    {in.VA_Jieliu_Name, one}};
        for (int i = 0; i < 7; ++i) {
            texts_[QLatin1String(ResultProductRows[i][1])] = rows[i][0];
            texts_[QLatin1String(ResultProductRows[i][2])] =
                rows[i][0].isEmpty() ? QString() : rows[i][1];
        }
    }

    void summary(const THistoryRun& run, const THistoryCalc& calc) {
        auto checked = [&run](const char* radio) {
            return run.value(QLatin1String(radio) + QStringLiteral(".Checked")) ==
                   QLatin1String("1");
        };
        TSummaryConditions conditions;
        conditions.Mode = calc.OperateType;
        conditions.Pump = calc.Input.System_Cat >= 3;
        conditions.TubeByLength =
            !run.has(QStringLiteral("RbTubeLen_calc.Checked")) || checked("RbTubeLen_calc");
        conditions.Automatic = checked("Rbzidong");
        const TCircuit* circuit = FindCircuit(calc.Input.CircuitNum);
        conditions.Throttle = circuit && circuit->ThrottleOpening;
        for (const TSummarySource& s : InputSummarySources(conditions)) {
            texts_[QLatin1String(s.Field)] =
                s.Shown ? run.value(QLatin1String(s.Box) + QStringLiteral(".Text")) : QString();
            texts_[QLatin1String(s.Button)] =
                run.value(QLatin1String(s.Source) + QStringLiteral(".Caption"));
        }
        const int attitude = calc.Attitude;
        texts_[QStringLiteral("EdtAnZhuangZiShi_in")] =
            lan_.GetFormItemText(QStringLiteral("FrmActuatorSelection"),
                                 QStringLiteral("CbAnZhuangZiShi.Items.Strings[%1]").arg(attitude));
        texts_[QStringLiteral("Edtanquanlv_in")] = run.value(QStringLiteral("CbAnquanlv.Text"));
        texts_[QStringLiteral("Edtxdxingshi_in")] =
            caption(conditions.Automatic ? "Rbzidong" : "Rbzhiding");
    }

    const TXMLLan& lan_;
    QHash<QString, QString> texts_;
    QStringList shown_;
};

QImage circuitPicture(const QString& code) {
    const TCircuit* circuit = FindCircuit(code);
    return circuit ? QImage(AppPath + QStringLiteral("Img/") + QLatin1String(circuit->PictureCode) +
                            QStringLiteral(".bmp"))
                   : QImage();
}

} // namespace

int RunReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CliArguments parsed;
    if (const auto answered = ParseCliArguments(Syntax, arguments, parsed, out, err))
        return *answered;
    if (parsed.positionals.size() != 1)
        return CliUsageError(Syntax, QStringLiteral("name one history file"), err);
    if (parsed.has(QStringLiteral("--pdf")) == parsed.has(QStringLiteral("--html")))
        return CliUsageError(Syntax, QStringLiteral("give either --pdf or --html"), err);
    const QString language =
        parsed.value(QStringLiteral("--lang"), QStringLiteral("English")).trimmed();
    if (LanguageIndexOfName(language) < 0)
        return CliUsageError(Syntax, QStringLiteral("unknown language '%1'").arg(language), err);
    const QString file = parsed.positionals.first();
    auto fail = [&err](const QString& problem) {
        err << "zavk-cli report: " << TerminalSafe(problem) << '\n';
        return CliExit::Failure;
    };
    LoadSystemGlobals(); // the version the footer names
    TDMComm db;
    const QString database = parsed.value(QStringLiteral("--db"), CataloguePath());
    if (!db.ConnectDB(database, TDMComm::TOpenMode::ReadOnly))
        return fail("cannot open the catalogue " + database + ": " + db.LastError());
    THistoryRun run;
    THistoryError problem;
    if (!ReadHistoryRun(file, run, problem))
        return fail(problem.Text);
    TCalcReport report;
    report.File = file;
    report.History = run.Calc;
    QString error;
    if (!CalculateHistory(db, report, error))
        return fail(file + ": " + error);
    const QString name = KnownLanguageOrEnglish(language);
    const TResultText words(db, name);
    const TXMLLan lan(LanguageFilePathOf(name));
    const TPageTexts texts(lan, words, run, report);

    TResultPageSource page;
    page.Text = [&texts](const QString& control) { return texts.text(control); };
    page.Shown = [&texts](const QString& control) { return texts.shown(control); };
    page.Mode = report.History.OperateType;
    const QString shell = QStringLiteral("FrmMainShell");
    page.MainTitle = lan.GetFormItemText(shell, QStringLiteral("labMainTitle.Caption")) + '-' +
                     lan.GetFormItemText(shell, page.Mode == TOperateType::otSelect
                                                    ? QStringLiteral("LblSelect.Caption")
                                                    : QStringLiteral("LblCalculat.Caption"));
    page.Chart = report.Session.Chart;
    page.ChartTitles = {words.SeriesName(ReleaseCurve), words.SeriesName(AdsorptionCurve),
                        texts.text(QStringLiteral("ChartAxisTime")),
                        texts.text(QStringLiteral("ChartAxisVacuum"))};
    page.Circuit = circuitPicture(report.History.Input.CircuitNum);

    TReportEntries entries;
    const QString form = QStringLiteral("FrmPrint");
    entries.TitleCaption = lan.GetFormItemText(form, QStringLiteral("labPrintTitle.Caption"));
    entries.Title = parsed.value(QStringLiteral("--title"));
    entries.RegistrantCaption = lan.GetFormItemText(form, QStringLiteral("labReg.Caption"));
    entries.Registrant = parsed.value(QStringLiteral("--registrant"));
    entries.DateCaption = lan.GetFormItemText(form, QStringLiteral("labDate.Caption"));
    entries.Date = QDate::currentDate();
    entries.CommentCaption = lan.GetFormItemText(form, QStringLiteral("labComment.Caption"));
    entries.Comment = parsed.value(QStringLiteral("--comment"));
    TReportContent content = FillReport(page, entries);
    content.FontFamilies = {lan.FontName(), QStringLiteral("Noto Sans CJK JP"),
                            QStringLiteral("Noto Sans")};

    if (parsed.has(QStringLiteral("--pdf"))) {
        const QString pdf = parsed.value(QStringLiteral("--pdf"));
        if (!WriteReportPdf(pdf, content, &error))
            return fail(pdf + ": " + error);
        return CliExit::Success;
    }
    const QFileInfo html(parsed.value(QStringLiteral("--html")));
    if (html.fileName().isEmpty())
        return CliUsageError(Syntax, QStringLiteral("--html needs DIR/NAME"), err);
    if (!WriteReportHtml(html.path(), html.fileName(), content, &error))
        return fail(error);
    return CliExit::Success;
}
