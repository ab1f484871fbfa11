#pragma once

#include <QList>
#include <QString>

// What the online update knows about the server and the installation: the
// connection settings of section HTTPURL, the server's version list, and which of
// its files differ from the installed ones.

struct TUrlInfo {
    QString Url;
    bool UseProxy = false;
    QString ProxyAddress;
    QString ProxyPort;
    bool UserLogin = false;
    QString UserName;
    QString UserPassword;
};

// The connection settings and the server path of a settings file.
TUrlInfo ReadUrlInfo(const QString& systemIniPath);
QString ReadServerFilePath(const QString& systemIniPath);
// Writes the proxy part of the settings (not Url); false with the reason on failure.
bool WriteProxySettings(const QString& systemIniPath, const TUrlInfo& info, QString* error);

// The name of the version list on the server and of its copy in the installation.
inline const char* const ServerVersionListName = "QOV_VERSION.ini";
inline const char* const LocalVersionListName = "TmpVersion.ini";
// The program file; a downloaded one is saved beside the running one and swapped
// in by the update script at exit.
inline const char* const ProgramFileName = "ZAVK";

enum class TFileKind { Ordinary, Catalogue, Settings };

struct TFileInfo {
    QString Dir;  // relative folder with "/" separators, empty for the top folder
    QString Name; // file name
    QString Stamp;
    QString Info;
    QString Version;
    TFileKind Kind = TFileKind::Ordinary;
    bool Skip = false;
    QString RelativePath() const { return Dir.isEmpty() ? Name : Dir + '/' + Name; }
};

struct TVersionInfo {
    QString Section;
    QString Key;
    QString Value;
};

struct TVersionList {
    QList<TFileInfo> Files;   // the catalogue, "System.ini", then the listed files
    QList<TVersionInfo> Keep; // settings of "System.ini" to carry over a replacement
};

// Reads the version list. False, with the reason, when the file cannot be read or
// an entry would leave the installation folder (an absolute path, a ".." step, an
// empty name): then nothing of the list may be used.
bool ReadVersionList(const QString& path, TVersionList& list, QString* error);

enum class TCompareResult { Error, AllCurrent, SomethingToDo };

// Marks each file that is installed and current as skipped: ordinary files by
// their last-write time to the minute, the catalogue by its version text, and
// "System.ini" by its IniFileVersion. When "System.ini" is to be replaced, the
// values of the settings to keep are read from the installed one.
TCompareResult CompareInstallation(const QString& installFolder, const QString& localDbVersion,
                                   TVersionList& list);

// Where a file of the list lies in the installation, and where on the server.
QString LocalPathOf(const QString& installFolder, const TFileInfo& file);
QString ServerUrlOf(const QString& baseUrl, const QString& serverPath, const QString& relative);
// The server address with a "/" at its end.
QString BaseUrlOf(const QString& url);

// The version text of the catalogue file; empty when it cannot be read.
QString CatalogueVersion(const QString& catalogueFile);
