#include "cli/SelectCommand.h"

#include "cli/CalcCommand.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/ResultText.h"
#include "cli/SelectRun.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"
#include "results/HistoryWriter.h"
#include "units/UnitConversion.h"
#include "units/UnitManager.h"

#include <QLocale>

namespace {

const char* const Help =
    R"(Runs the wizard's selection from the circuit to the result with no window:
the same rules, the first row of every list unless an option names one of its
rows. Values are in calculation units: s, MPa (gauge), kPa as a magnitude, kg,
L/min (ANR), m, pieces. Left out, a value is what the wizard starts with.

Exit codes: 0 the result was calculated; 1 a value or choice the wizard would
not take, or the catalogue cannot be read; 2 wrong usage; 3 the wizard stopped
with a message (its key and text are printed).)";

const CliSyntax Syntax{
    QStringLiteral("select"),
    QStringLiteral(
        "select [--db PATH] [--json] [--save FILE.SEL] [--region 0|1|2|3]\n"
        "                        --circuit CODE --mass KG [--pads N] [--attitude "
        "horizontal|vertical]\n"
        "                        [--safety F] [--time S] [--release-pressure MPA] [--pump KPA]\n"
        "                        [--method automatic|specified] [--vacuum KPA] [--pad-series "
        "ID] [--pad ID]\n"
        "                        [--buffer yes|no] [--leakage L_PER_MIN] [--tube-series ID] "
        "[--length M]\n"
        "                        [--ejector-series ID] [--supply 0.35|0.4|0.45|0.5] [--flow "
        "S|L]\n"
        "                        [--supply-valve-series ID] [--release-valve-series ID]\n"
        "                        [--switching-valve-series ID] [--throttle-series ID]"),
    QLatin1String(Help),
    {{"--db", true},
     {"--json", false},
     {"--save", true},
     {"--region", true},
     {"--circuit", true},
     {"--mass", true},
     {"--pads", true},
     {"--attitude", true},
     {"--safety", true},
     {"--time", true},
     {"--release-pressure", true},
     {"--pump", true},
     {"--method", true},
     {"--vacuum", true},
     {"--pad-series", true},
     {"--pad", true},
     {"--buffer", true},
     {"--leakage", true},
     {"--tube-series", true},
     {"--length", true},
     {"--ejector-series", true},
     {"--supply", true},
     {"--flow", true},
     {"--supply-valve-series", true},
     {"--release-valve-series", true},
     {"--switching-valve-series", true},
     {"--throttle-series", true}},
    false};

// A choice among fixed words; the first is what a missing option means.
bool readChoice(const CliArguments& args, const char* option, const QStringList& words, int& index,
                QString& problem) {
    if (!args.has(QLatin1String(option)))
        return true;
    index = int(words.indexOf(args.value(QLatin1String(option)).toLower()));
    if (index >= 0)
        return true;
    problem = QStringLiteral("%1 takes %2").arg(QLatin1String(option), words.join('|'));
    return false;
}

bool readNumber(const CliArguments& args, const char* option, std::optional<double>& value,
                QString& problem) {
    if (!args.has(QLatin1String(option)))
        return true;
    value = ParseNumber(args.value(QLatin1String(option)));
    if (value)
        return true;
    problem = QStringLiteral("%1 '%2' is not a number")
                  .arg(QLatin1String(option), TerminalSafe(args.value(QLatin1String(option))));
    return false;
}

void readText(const CliArguments& args, const char* option, std::optional<QString>& value) {
    if (args.has(QLatin1String(option)))
        value = args.value(QLatin1String(option));
}

// The request, or a problem naming the option at fault.
QString readRequest(const CliArguments& args, TSelectRequest& r) {
    QString problem;
    if (!args.has(QStringLiteral("--circuit")) || !args.has(QStringLiteral("--mass")))
        return QStringLiteral("--circuit and --mass are required");
    r.Circuit = args.value(QStringLiteral("--circuit")).toLower();
    int attitude = 0, method = 0, buffer = 0, flow = 0, region = -1, supply = -1;
    const std::pair<const char*, std::optional<double>*> numbers[] = {
        {"--mass", &r.Mass},       {"--pads", &r.Pads},
        {"--safety", &r.Safety},   {"--time", &r.Time},
        {"--pump", &r.Pump},       {"--vacuum", &r.Vacuum},
        {"--leakage", &r.Leakage}, {"--length", &r.Length},
        {"--supply", &r.Supply},   {"--release-pressure", &r.ReleasePressure}};
    for (const auto& [option, value] : numbers) {
        if (!readNumber(args, option, *value, problem))
            return problem;
    }
    if (!readChoice(args, "--attitude", {"horizontal", "vertical"}, attitude, problem) ||
        !readChoice(args, "--method", {"automatic", "specified"}, method, problem) ||
        !readChoice(args, "--buffer", {"yes", "no"}, buffer, problem) ||
        !readChoice(args, "--flow", {"s", "l"}, flow, problem) ||
        !readChoice(args, "--region", {"0", "1", "2", "3"}, region, problem))
        return problem;
    if (r.Supply && !readChoice(args, "--supply", {"0.35", "0.4", "0.45", "0.5"}, supply, problem))
        return problem;
    r.Vertical = attitude == 1;
    r.Automatic = method == 0;
    r.Buffer = buffer == 0;
    r.StandardFlow = flow == 0;
    if (region >= 0)
        r.Region = region;
    const std::pair<const char*, std::optional<QString>*> texts[] = {
        {"--pad-series", &r.PadSeries},
        {"--pad", &r.Pad},
        {"--tube-series", &r.TubeSeries},
        {"--ejector-series", &r.EjectorSeries},
        {"--supply-valve-series", &r.SupplyValveSeries},
        {"--release-valve-series", &r.ReleaseValveSeries},
        {"--switching-valve-series", &r.SwitchingValveSeries},
        {"--throttle-series", &r.ThrottleSeries}};
    for (const auto& [option, value] : texts)
        readText(args, option, *value);
    return QString();
}

// The sales region of the settings when the command names none.
int settingsRegion() {
    const int region = IniFile(SystemIniPath())
                           .readInteger(QStringLiteral("System"), QStringLiteral("AreaProduct"), 0);
    return region >= 0 && region <= 3 ? region : 0;
}

QString messageText(const TXMLLan& lan, const QString& key) {
    return key.isEmpty() ? QString() : lan.GetMessageText(key).simplified();
}

// The value buttons of the inputs the selection uses, by their parameters.
const std::pair<const char*, int> InputButtons[] = {
    {"Btnyingdashijian", 100},    {"BtnGongYingYaLi", 111},        {"BtnZhenKongPengYaLi", 112},
    {"BtnAnquanlv", 1000},        {"Btngongjianzhiliang", 113},    {"Btnxipanshuliang", 105},
    {"BtnZhenKongYaLi", 101},     {"Btngongjianxielouliang", 102}, {"BtnTubeLength", 106},
    {"Btnyingdashijian_in", 100}, {"Btngongyingyali_in", 111},     {"Btnzhenkongpengyali_in", 112},
    {"Btntubechangdu_in", 106},   {"Btnzhenkongyali_in", 101},     {"Btngongjianzhiliang_in", 113},
    {"Btnxilouliang_in", 102}};

// The history file of the run, as the result page saves it: the values in the
// default units, shown with their captions.
THistoryState historyState(const TWizardContext& c, const TSelectOutcome& outcome,
                           const TUnitManager& units, const TXMLLan& lan) {
    THistoryState state = c.HistoryState(TOperateType::otSelect);
    state.Controls = outcome.Controls;
    for (const auto& [button, parameter] : InputButtons) {
        const TSinglePara* para = units.FindParameter(parameter);
        const int index = para ? para->DefaultIndex() : -1;
        if (index >= 0)
            state.ButtonUnits.insert(QLatin1String(button),
                                     {index, UnitCaption(&lan, *para, index)});
    }
    return state;
}

QString jsonValue(const QVariant& value) {
    return value.typeId() == QMetaType::QString ? JsonString(value.toString())
                                                : JsonNumber(value.toDouble());
}

void printJson(const TWizardContext& c, const TSelectOutcome& outcome, const QString& stopText,
               const TCalcReport& report, const TResultText& words, QTextStream& out) {
    out << "{\"stopKey\":" << (outcome.StopKey ? JsonString(*outcome.StopKey) : "null")
        << ",\"stopText\":" << (outcome.StopKey ? JsonString(stopText) : "null")
        << ",\"products\":[";
    for (int i = 0; i < outcome.Products.size(); ++i) {
        const TChosenProduct& p = outcome.Products[i];
        out << (i ? "," : "") << "{\"kind\":" << JsonString(p.Kind)
            << ",\"series\":" << JsonString(p.SeriesId) << ",\"id\":" << JsonString(p.Id)
            << ",\"name\":" << JsonString(p.Name) << ",\"count\":" << p.Count << '}';
    }
    out << "],\"CalcInput\":{";
    const auto fields = CalcInputFields(c.Input);
    for (int i = 0; i < fields.size(); ++i)
        out << (i ? "," : "") << JsonString(fields[i].first) << ':' << jsonValue(fields[i].second);
    out << "},\"Tube_QMax\":" << JsonNumber(c.Tube_QMax)
        << ",\"PadVacuum\":" << JsonNumber(c.PadVacuum)
        << ",\"VA_Gongying_BiJiaoVaule\":" << JsonNumber(c.VA_Gongying_BiJiaoVaule)
        << ",\"VA_Pohuai_BiJiaoVaule\":" << JsonNumber(c.VA_Pohuai_BiJiaoVaule)
        << ",\"VA_Jieliu_BiJiaoVaule\":" << JsonNumber(c.VA_Jieliu_BiJiaoVaule)
        << ",\"EJ_Type\":" << JsonString(c.EJ_Type)
        << ",\"EJ_Valve_V2\":" << JsonString(c.EJ_Valve_V2);
    if (outcome.Calculated) {
        out << ',';
        WriteCalcJsonFields(report, false, words, out);
    }
    out << "}\n";
}

void printText(const TSelectOutcome& outcome, const QString& stopText, const TCalcReport& report,
               const TResultText& words, QTextStream& out) {
    for (const TChosenProduct& p : outcome.Products)
        out << qSetFieldWidth(16) << Qt::left << p.Kind << qSetFieldWidth(0) << " series "
            << TerminalSafe(p.SeriesId) << ", ID " << TerminalSafe(p.Id) << ", "
            << TerminalSafe(p.Name) << ", count " << p.Count << '\n';
    if (outcome.StopKey) {
        out << "stopped: "
            << (outcome.StopKey->isEmpty() ? QStringLiteral("(no message)")
                                           : TerminalSafe(*outcome.StopKey))
            << ": " << TerminalSafe(stopText) << '\n';
        return;
    }
    if (outcome.Calculated)
        WriteCalcText(report, false, words, out);
}

} // namespace

int RunSelectCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CliArguments args;
    if (const auto answered = ParseCliArguments(Syntax, arguments, args, out, err))
        return *answered;
    TSelectRequest request;
    if (const QString problem = readRequest(args, request); !problem.isEmpty())
        return CliUsageError(Syntax, problem, err);
    if (!request.Region)
        request.Region = settingsRegion();
    const QString database = args.value(QStringLiteral("--db"), CataloguePath());
    TDMComm db;
    if (!db.ConnectDB(database, TDMComm::TOpenMode::ReadOnly)) {
        err << "zavk-cli select: cannot open the catalogue " << TerminalSafe(database) << ": "
            << TerminalSafe(db.LastError()) << '\n';
        return CliExit::Failure;
    }
    const TUnitManager units(db, 1033);
    const TXMLLan lan(LanguageFilePathOf(QStringLiteral("English")));
    TCalcInput input;
    TWizardContext context(input);
    const TSelectOutcome outcome = RunSelection(db, units, request, context);
    if (!outcome.Problem.isEmpty() && !outcome.StopKey) {
        err << "zavk-cli select: " << TerminalSafe(outcome.Problem) << '\n';
        return CliExit::Failure;
    }
    TCalcReport report;
    if (outcome.Calculated) {
        report.History = {input, context.Tube_QMax, TOperateType::otSelect,
                          request.Vertical ? 1 : 0};
        QString error;
        if (!CalculateHistory(db, report, error)) {
            err << "zavk-cli select: " << TerminalSafe(error) << '\n';
            return CliExit::Failure;
        }
    }
    const QString save = args.value(QStringLiteral("--save"));
    if (!save.isEmpty()) {
        QString error;
        if (!WriteHistoryFile(save, historyState(context, outcome, units, lan), &error)) {
            err << "zavk-cli select: " << TerminalSafe(error) << '\n';
            return CliExit::Failure;
        }
        report.File = save;
    }
    const QString stopText =
        outcome.StopKey
            ? (outcome.StopKey->isEmpty() ? outcome.StopText : messageText(lan, *outcome.StopKey))
            : QString();
    const TResultText words(db, QStringLiteral("English"));
    if (args.has(QStringLiteral("--json")))
        printJson(context, outcome, stopText, report, words, out);
    else
        printText(outcome, stopText, report, words, out);
    return outcome.StopKey ? 3 : CliExit::Success;
}
