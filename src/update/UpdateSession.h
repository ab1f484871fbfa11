#pragma once

#include "update/UpdateClient.h"
#include "update/VersionList.h"

#include <functional>

// What the update wizard's copy step does, without a window: fetch the server's
// version list, compare it with the installation, and download what differs.
// Each file is written only when it has arrived whole and of the announced
// length, so a failure or a cancel never leaves a truncated file in place.
struct TUpdateHooks {
    std::function<void(const QString& fileName)> Downloading;
    std::function<void(int done, int total)> FileProgress;
    std::function<void(qint64 received, qint64 total)> ByteProgress;
    std::function<void(const TFileInfo& file)> Installed;
    std::function<bool()> Cancelled;
    // Runs before the catalogue file at the path is replaced: an open connection to it goes.
    std::function<void(const QString& path)> ReleaseCatalogue;
};

class TUpdateSession {
public:
    // installFolder: the installation to update, without a trailing "/";
    // programFolder: where the update script goes, with a trailing "/".
    TUpdateSession(const QString& installFolder, const QString& programFolder);

    TUrlInfo UrlInfo;
    QString ServerPath;
    TVersionList List;

    QString BaseUrl() const { return BaseUrlOf(UrlInfo.Url); }
    // Fetches the version list, saves it as "TmpVersion.ini" in the installation
    // and reads it. False with the reason (a hostile entry among them).
    bool FetchVersionList(TUpdateClient& client, QString* error);
    // True when the last list arrived but was refused: retrying cannot help.
    bool ListRefused() const { return listRefused_; }
    TCompareResult Compare();
    void DownloadEverything();
    QList<TFileInfo> Pending() const;
    // Downloads and installs the pending files in list order; stops at the first
    // failure or cancel (files installed before stay).
    bool Download(TUpdateClient& client, const TUpdateHooks& hooks, QString* error);
    // True when the program itself was downloaded and the update script written.
    bool ProgramReplaced() const { return programReplaced_; }

private:
    bool install(const TFileInfo& file, const QByteArray& content, const TUpdateHooks& hooks,
                 QString* error);

    QString installFolder_;
    QString programFolder_;
    bool programReplaced_ = false;
    bool listRefused_ = false;
};

// The update script: at exit it puts the downloaded program in place of the old
// one in the installation folder and removes the copy of the version list.
QString UpdateScriptText(const QString& installFolder);
bool WriteUpdateScript(const QString& scriptPath, const QString& installFolder, QString* error);
// What the main window adds after the wizard: start the new program (restart) or
// not; either way the script then deletes itself.
bool AppendUpdateScriptEnd(const QString& scriptPath, const QString& programPath, bool restart);
