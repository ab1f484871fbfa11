#include "cli/UpdateCommand.h"

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "core/Globals.h"
#include "update/UpdateSession.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

const CliSyntax UpdateSyntax{
    QStringLiteral("update"),
    QStringLiteral("update --check [--url URL] [--folder DIR]"),
    QStringLiteral(
        "Fetches the update server's version list and lists the files that differ from the\n"
        "installation, one per line: its path, then why (not installed, another time stamp\n"
        "or version). Nothing is downloaded and nothing in the installation changes.\n"
        "Server, server path and proxy come from section [HTTPURL] of System.ini.\n\n"
        "  --check        required: compare only\n"
        "  --url URL      the server instead of the Url of System.ini\n"
        "  --folder DIR   the installation to compare (default: the program folder)\n\n"
        "Exit codes: 0 done (\"up to date\" when nothing differs); 1 the server or the list\n"
        "could not be read, or the list names a file outside the installation; 2 wrong usage.\n"),
    {{QStringLiteral("--check"), false},
     {QStringLiteral("--url"), true},
     {QStringLiteral("--folder"), true}},
    false};

QString reasonOf(const QString& folder, const TFileInfo& file) {
    if (!QFileInfo(LocalPathOf(folder, file)).isFile())
        return QStringLiteral("not installed");
    if (file.Kind == TFileKind::Ordinary)
        return QStringLiteral("time stamp %1 on the server").arg(file.Stamp);
    return QStringLiteral("version %1 on the server").arg(file.Version);
}

} // namespace

int RunUpdateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CliArguments parsed;
    if (const auto answered = ParseCliArguments(UpdateSyntax, arguments, parsed, out, err))
        return *answered;
    if (!parsed.has(QStringLiteral("--check")))
        return CliUsageError(UpdateSyntax, QStringLiteral("--check is required"), err);
    const QString folder = QDir::cleanPath(parsed.value(QStringLiteral("--folder"), AppPath));
    // The list is read from a scratch copy: the installation itself stays untouched.
    QTemporaryDir scratch;
    QFile::copy(folder + QStringLiteral("/System.ini"),
                scratch.filePath(QStringLiteral("System.ini")));
    TUpdateSession session(scratch.path(), scratch.path() + '/');
    if (parsed.has(QStringLiteral("--url")))
        session.UrlInfo.Url = parsed.value(QStringLiteral("--url"));
    if (session.UrlInfo.Url.trimmed().isEmpty()) {
        err << "zavk-cli update: no server: give --url or set Url in section [HTTPURL] of "
            << TerminalSafe(folder) << "/System.ini\n";
        return CliExit::Failure;
    }
    TUpdateClient client;
    QString error;
    if (!client.Configure(session.UrlInfo) || !session.FetchVersionList(client, &error)) {
        const QString reason = error.isEmpty() ? client.LastError() : error;
        err << "zavk-cli update: "
            << (session.ListRefused() ? "the version list names a file outside the installation: "
                                      : "")
            << TerminalSafe(reason) << '\n';
        return CliExit::Failure;
    }
    TUpdateSession installed(folder, AppPath);
    installed.List = session.List;
    installed.Compare();
    const QList<TFileInfo> pending = installed.Pending();
    for (const TFileInfo& file : pending)
        out << TerminalSafe(file.RelativePath()) << '\t' << TerminalSafe(reasonOf(folder, file))
            << '\n';
    if (pending.isEmpty())
        out << "up to date\n";
    return CliExit::Success;
}
