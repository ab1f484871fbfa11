#include "cli/CalcCommand.h"

#include "calc/CalcCircuit.h"
#include "calc/CalcStatus.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/ResultText.h"
#include "core/DMComm.h"
#include "core/DbProductLookup.h"
#include "core/FileAccess.h"
#include "core/Globals.h"
#include "core/Languages.h"
#include "results/HistoryFile.h"
#include "results/ResultFigures.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cmath>

namespace {

const CliSyntax CalcSyntax{
    QStringLiteral("calc"),
    QStringLiteral(
        "calc [--db PATH] [--lang LANGUAGE] [--json] [--chart-csv DIR] [--trace] FILE..."),
    QStringLiteral(
        "Calculates the circuit of each history file (.CAL, .SEL) and prints its status, every\n"
        "output and the figures the result page shows. A file that cannot be used is reported\n"
        "and the next one is calculated.\n\n"
        "  --db PATH         the catalogue instead of Data/MORELDB.db in the program folder\n"
        "  --lang LANGUAGE   the result page's words in that language (English)\n"
        "  --json            one JSON object per file and line\n"
        "  --chart-csv DIR   the six chart series as DIR/<name>.series<i>.csv\n"
        "  --trace           the calculation trace\n"
        "  --                the arguments after it are files, even when they start with -\n\n"
        "Exit codes: 0 every file calculated (whatever its status); 1 the catalogue or a file\n"
        "could not be read or written, or a file names a product the catalogue lacks;\n"
        "2 wrong usage.\n"),
    {{QStringLiteral("--db"), true},
     {QStringLiteral("--lang"), true},
     {QStringLiteral("--json"), false},
     {QStringLiteral("--chart-csv"), true},
     {QStringLiteral("--trace"), false}},
    true};

struct Options {
    QString Database;
    QString Language;
    bool Json = false;
    QString ChartFolder;
    bool Trace = false;
    QStringList Files;
};

// Options may stand anywhere; "--" ends them. No value when usable, else the exit
// code after --help or a usage error.
std::optional<int> parseArguments(const QStringList& arguments, Options& options, QTextStream& out,
                                  QTextStream& err) {
    CliArguments parsed;
    if (const auto answered = ParseCliArguments(CalcSyntax, arguments, parsed, out, err))
        return answered;
    options.Database = parsed.value(QStringLiteral("--db"), CataloguePath());
    options.Json = parsed.has(QStringLiteral("--json"));
    const QString language = parsed.value(QStringLiteral("--lang"), QStringLiteral("English"));
    if (LanguageIndexOfName(language.trimmed()) < 0)
        return CliUsageError(CalcSyntax, QStringLiteral("unknown language '%1'").arg(language),
                             err);
    options.Language = KnownLanguageOrEnglish(language.trimmed());
    options.ChartFolder = parsed.value(QStringLiteral("--chart-csv"));
    options.Trace = parsed.has(QStringLiteral("--trace"));
    options.Files = parsed.positionals;
    if (options.Files.isEmpty())
        return CliUsageError(CalcSyntax, QStringLiteral("no history file given"), err);
    return std::nullopt;
}

// Calculates history files against one open catalogue.
class FileCalculator {
public:
    explicit FileCalculator(TDMComm& db) : db_(db), products_(db) {}

    bool run(const QString& file, TCalcReport& result, QString& error) {
        result.File = file;
        THistoryError problem;
        if (!ReadHistoryCalc(file, result.History, problem)) {
            error = problem.Text;
            return false;
        }
        return calculate(result, error);
    }

    bool calculate(TCalcReport& result, QString& error) {
        const TCalcInput& input = result.History.Input;
        if (const QString missing = MissingProduct(db_, input); !missing.isEmpty()) {
            error = result.File.isEmpty() ? missing : result.File + QStringLiteral(": ") + missing;
            return false;
        }
        result.Session.Wizard.TubeQMax = result.History.TubeQMax;
        result.Status = CalcCircuit(input, result.Output, products_, result.Session);
        result.Figures = ResultFiguresOf(db_, input, result.Output);
        return true;
    }

private:
    TDMComm& db_;
    TDbProductLookup products_;
};

QString number(double value) {
    return QString::number(value, 'g', 15);
}

struct Figure {
    const char* name;
    double value;
    const char* meaning; // for the text output
};

// The figures of one result, in the order both outputs list them.
QList<Figure> figures(const TCalcReport& result) {
    const TCalcOutput& o = result.Output;
    const TCalcDetails& d = result.Session.Details;
    return {{"zuidazhenkongyali", o.zuidazhenkongyali, "maximum vacuum, kPa"},
            {"xizhuoyingdashijian", o.xizhuoyingdashijian, "adsorption response time, s"},
            {"pohuaiyingdashijian", o.pohuaiyingdashijian, "release response time, s (-1: none)"},
            {"anquanlv", o.anquanlv, "safety factor"},
            {"kongqixiaofeiliang", o.kongqixiaofeiliang, "air consumption of one ejector, L/min"},
            {"biyaozhenkongbengliuliang", o.biyaozhenkongbengliuliang,
             "required vacuum pump flow, L/min"},
            {"kongqixiaofeiliang_out", result.Figures.ShownAirFlow, "air consumption shown, L/min"},
            {"BiaoZhunYaLI_out",
             result.Figures.EjectorRows ? result.Figures.StandardPressure : qQNaN(),
             "standard supply pressure, MPa"},
            {"T1", d.T1, "adsorption time constant, s"},
            {"C1", d.C1, "release conductance from the supply, dm3/(s*bar)"},
            {"C2", d.C2, "release conductance from the atmosphere, dm3/(s*bar)"},
            {"C3", d.C3, "vacuum line conductance, dm3/(s*bar)"},
            {"pp", d.pp, "absolute pressure at the source, kPa"},
            {"Q", d.Q, "effective suction flow, L/min"},
            {"QL", d.QL, "leakage of all pads, L/min"}};
}

QString seriesCounts(const TChartData& chart, const QString& separator) {
    QStringList counts;
    for (const auto& series : chart.Series)
        counts << QString::number(series.size());
    return counts.join(separator);
}

} // namespace

void WriteCalcJsonFields(const TCalcReport& result, bool trace, const TResultText& words,
                         QTextStream& out) {
    const TCalcInput& input = result.History.Input;
    const TChartData& chart = result.Session.Chart;
    out << "\"file\":" << (result.File.isEmpty() ? QStringLiteral("null") : JsonString(result.File))
        << ",\"status\":" << result.Status
        << ",\"statusText\":" << JsonString(CalcStatusDescription(result.Status))
        << ",\"CircuitNum\":" << JsonString(input.CircuitNum)
        << ",\"System_Cat\":" << input.System_Cat;
    for (const Figure& figure : figures(result))
        out << ",\"" << figure.name << "\":" << JsonNumber(figure.value);
    out << ",\"seriesPoints\":[" << seriesCounts(chart, QStringLiteral(","))
        << "],\"bottomMax\":" << JsonNumber(chart.Bottom.Maximum)
        << ",\"bottomIncrement\":" << JsonNumber(chart.Bottom.Increment)
        << ",\"leftMin\":" << JsonNumber(chart.Left.Minimum) << ",\"display\":[";
    const QList<TResultText::TRow> rows = words.Outputs(result);
    for (int i = 0; i < rows.size(); ++i)
        out << (i ? "," : "") << "{\"name\":" << JsonString(rows[i].Name)
            << ",\"label\":" << JsonString(rows[i].Label)
            << ",\"text\":" << JsonString(rows[i].Text) << ",\"unit\":" << JsonString(rows[i].Unit)
            << '}';
    QStringList evaluation;
    for (const QString& line : words.Evaluation(result))
        evaluation << JsonString(line);
    out << "],\"evaluation\":[" << evaluation.join(',') << ']';
    if (trace) {
        QStringList lines;
        for (const QString& line : result.Session.Trace)
            lines << JsonString(line);
        out << ",\"trace\":[" << lines.join(',') << ']';
    }
}

void WriteCalcText(const TCalcReport& result, bool trace, const TResultText& words,
                   QTextStream& out) {
    const TCalcInput& input = result.History.Input;
    const TChartData& chart = result.Session.Chart;
    if (!result.File.isEmpty())
        out << TerminalSafe(result.File) << '\n';
    out << "  status                     " << result.Status << " ("
        << CalcStatusDescription(result.Status) << ")\n"
        << "  circuit                    " << TerminalSafe(input.CircuitNum) << " (category "
        << input.System_Cat << ")\n";
    if (result.Status == CalcDone) {
        // As the result page shows it.
        for (const TResultText::TRow& row : words.Outputs(result))
            out << "  " << qSetFieldWidth(27) << Qt::left << TerminalSafe(row.Label)
                << qSetFieldWidth(0) << row.Text << (row.Unit.isEmpty() ? "" : " ")
                << TerminalSafe(row.Unit) << '\n';
        for (const QString& line : words.Evaluation(result))
            out << "  ! " << TerminalSafe(line) << '\n';
    }
    out << "  figures:\n";
    for (const Figure& figure : figures(result)) {
        if (std::isfinite(figure.value))
            out << "    " << qSetFieldWidth(27) << Qt::left << figure.name << qSetFieldWidth(20)
                << number(figure.value) << qSetFieldWidth(0) << figure.meaning << '\n';
    }
    out << "  chart points per series    " << seriesCounts(chart, QStringLiteral(" ")) << '\n'
        << "  time axis                  0 to " << number(chart.Bottom.Maximum)
        << " s, labels every " << number(chart.Bottom.Increment) << " s\n";
    if (trace) {
        out << "  trace:\n";
        for (const QString& line : result.Session.Trace)
            out << "    " << TerminalSafe(line) << '\n';
    }
}

bool CalculateHistory(TDMComm& db, TCalcReport& report, QString& error) {
    return FileCalculator(db).calculate(report, error);
}

namespace {

bool writeChartCsv(const TCalcReport& result, const TResultText& words, const QString& folder,
                   const QString& stem, QString& error) {
    for (int i = 0; i < ChartSeriesCount; ++i) {
        QByteArray text = "time (s)," + words.SeriesName(i).toUtf8() + " vacuum (kPa)\n";
        for (const TChartPoint& point : result.Session.Chart.Series[i])
            text += (number(point.X) + ',' + number(point.Y)).toLatin1() + '\n';
        const QString path =
            QDir(folder).filePath(QStringLiteral("%1.series%2.csv").arg(stem).arg(i));
        QString reason;
        if (!WriteFileAtomically(path, text, reason)) {
            error = QStringLiteral("%1: %2").arg(result.File, reason);
            return false;
        }
    }
    return true;
}

QString baseName(const QString& file) {
    return QFileInfo(file).completeBaseName();
}

// The name stem of each input's chart files: its base name, unless an earlier
// input has that already (x.CAL and x.SEL, or two folders); then the first of
// "<base>-2", "<base>-3", ... that no input has, so no run overwrites one
// input's chart with another's.
QStringList chartStems(const QStringList& files) {
    QSet<QString> ownNames;
    for (const QString& file : files)
        ownNames.insert(baseName(file));
    QSet<QString> taken;
    QStringList stems;
    for (const QString& file : files) {
        const QString base = baseName(file);
        QString stem = base;
        for (int n = 2; taken.contains(stem); ++n) {
            const QString candidate = QStringLiteral("%1-%2").arg(base).arg(n);
            if (!ownNames.contains(candidate))
                stem = candidate;
        }
        taken.insert(stem);
        stems << stem;
    }
    return stems;
}

// Calculates and prints one file; false after its message on err.
bool calculateFile(FileCalculator& calculator, const TResultText& words, const QString& file,
                   const QString& chartStem, const Options& options, QTextStream& out,
                   QTextStream& err) {
    TCalcReport result;
    QString error;
    bool ok = calculator.run(file, result, error);
    if (ok) {
        if (options.Json) {
            out << '{';
            WriteCalcJsonFields(result, options.Trace, words, out);
            out << "}\n";
        } else {
            WriteCalcText(result, options.Trace, words, out);
        }
        ok = options.ChartFolder.isEmpty() ||
             writeChartCsv(result, words, options.ChartFolder, chartStem, error);
    }
    if (!ok) {
        out.flush();
        err << "zavk-cli calc: " << TerminalSafe(error) << '\n';
        err.flush();
    }
    return ok;
}

} // namespace

int RunCalcCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    if (const auto answered = parseArguments(arguments, options, out, err))
        return *answered;
    TDMComm db;
    if (!db.ConnectDB(options.Database, TDMComm::TOpenMode::ReadOnly)) {
        err << "zavk-cli calc: cannot open the catalogue " << TerminalSafe(options.Database) << ": "
            << TerminalSafe(db.LastError()) << '\n';
        return 1;
    }
    if (!options.ChartFolder.isEmpty() && !QDir().mkpath(options.ChartFolder)) {
        err << "zavk-cli calc: cannot create the folder " << TerminalSafe(options.ChartFolder)
            << '\n';
        return 1;
    }
    FileCalculator calculator(db);
    const TResultText words(db, options.Language);
    const QStringList stems = chartStems(options.Files);
    int failures = 0;
    for (int i = 0; i < options.Files.size(); ++i) {
        const QString& file = options.Files.at(i);
        if (!options.ChartFolder.isEmpty() && stems.at(i) != baseName(file))
            err << "zavk-cli calc: " << TerminalSafe(file) << ": chart files named "
                << TerminalSafe(stems.at(i)) << ".series<i>.csv, as an earlier file has the name "
                << TerminalSafe(baseName(file)) << '\n';
        if (!calculateFile(calculator, words, file, stems.at(i), options, out, err))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
