#include "update/UpdateSession.h"

#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/IniFile.h"
#include "core/Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A text as one word of a POSIX shell line, whatever it holds.
QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace('\'', QStringLiteral("'\\''"));
    return '\'' + quoted + '\'';
}

bool writeWhole(const QString& path, const QByteArray& content, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

} // namespace

TUpdateSession::TUpdateSession(const QString& installFolder, const QString& programFolder)
    : installFolder_(installFolder), programFolder_(programFolder) {
    const QString settings = installFolder_ + QStringLiteral("/System.ini");
    UrlInfo = ReadUrlInfo(settings);
    ServerPath = ReadServerFilePath(settings);
}

bool TUpdateSession::FetchVersionList(TUpdateClient& client, QString* error) {
    listRefused_ = false;
    QByteArray body;
    const QString url = ServerUrlOf(BaseUrl(), ServerPath, QLatin1String(ServerVersionListName));
    const QString local = installFolder_ + '/' + QLatin1String(LocalVersionListName);
    if (!client.Get(url, body)) {
        if (error)
            *error = client.LastError();
        return false;
    }
    if (!writeWhole(local, body, error))
        return false;
    listRefused_ = !ReadVersionList(local, List, error);
    return !listRefused_;
}

TCompareResult TUpdateSession::Compare() {
    return CompareInstallation(
        installFolder_, CatalogueVersion(installFolder_ + '/' + QLatin1String(CatalogueFileName)),
        List);
}

void TUpdateSession::DownloadEverything() {
    for (TFileInfo& file : List.Files)
        file.Skip = false;
}

QList<TFileInfo> TUpdateSession::Pending() const {
    QList<TFileInfo> pending;
    for (const TFileInfo& file : List.Files) {
        if (!file.Skip)
            pending.append(file);
    }
    return pending;
}

bool TUpdateSession::Download(TUpdateClient& client, const TUpdateHooks& hooks, QString* error) {
    const QList<TFileInfo> pending = Pending();
    hooks.FileProgress(0, int(pending.size()));
    for (int i = 0; i < pending.size(); ++i) {
        const TFileInfo& file = pending.at(i);
        if (hooks.Cancelled()) {
            if (error)
                *error = QStringLiteral("cancelled");
            return false;
        }
        hooks.Downloading(file.Name);
        QByteArray content;
        const QString url = ServerUrlOf(BaseUrl(), ServerPath, file.RelativePath());
        if (!client.Download(url, content, hooks.Cancelled, hooks.ByteProgress)) {
            if (error)
                *error = client.LastError();
            return false;
        }
        if (!install(file, content, hooks, error))
            return false;
        hooks.Installed(file);
        hooks.FileProgress(i + 1, int(pending.size()));
    }
    return true;
}

bool TUpdateSession::install(const TFileInfo& file, const QByteArray& content,
                             const TUpdateHooks& hooks, QString* error) {
    QString target = LocalPathOf(installFolder_, file);
    const bool program = file.Dir.isEmpty() && file.Name == QLatin1String(ProgramFileName);
    if (program) {
        target += QStringLiteral(".bak");
        if (!WriteUpdateScript(programFolder_ + QLatin1String(UpdateScriptName), installFolder_,
                               error))
            return false;
        programReplaced_ = true;
        UpdatePending = true;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (file.Kind == TFileKind::Catalogue && hooks.ReleaseCatalogue)
        hooks.ReleaseCatalogue(target);
    if (!writeWhole(target, content, error))
        return false;
    if (program)
        QFile::setPermissions(target, QFile::permissions(target) | QFile::ExeOwner |
                                          QFile::ExeGroup | QFile::ExeOther);
    if (file.Kind == TFileKind::Settings) {
        IniFile settings(target);
        for (const TVersionInfo& keep : List.Keep) {
            if (!settings.writeString(keep.Section, keep.Key, keep.Value)) {
                if (error)
                    *error = settings.errorString();
                return false;
            }
        }
    }
    SetFileStamp(target, file.Stamp); // a stamp that cannot be set only costs a download next time
    return true;
}

QString UpdateScriptText(const QString& installFolder) {
    const QString program = QLatin1String(ProgramFileName);
    return QStringLiteral("#!/bin/sh\n"
                          "# Left by the online update of ZAVK: puts the downloaded program in\n"
                          "# place once ZAVK has ended.\n"
                          "cd %1 || exit 1\n"
                          "rm -f %2\n"
                          "rm -f %3\n"
                          "mv %2.bak %2 && chmod +x %2\n")
        .arg(shellQuoted(installFolder), program, QLatin1String(LocalVersionListName));
}

bool WriteUpdateScript(const QString& scriptPath, const QString& installFolder, QString* error) {
    return writeWhole(scriptPath, UpdateScriptText(installFolder).toUtf8(), error);
}

bool AppendUpdateScriptEnd(const QString& scriptPath, const QString& programPath, bool restart) {
    QFile script(scriptPath);
    if (!script.open(QIODevice::Append | QIODevice::Text))
        return false;
    QString lines;
    if (restart)
        lines += QStringLiteral("nohup %1 >/dev/null 2>&1 &\n").arg(shellQuoted(programPath));
    lines += QStringLiteral("rm -f %1\n").arg(shellQuoted(scriptPath));
    return script.write(lines.toUtf8()) == lines.toUtf8().size();
}
