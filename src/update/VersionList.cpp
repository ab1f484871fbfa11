#include "update/VersionList.h"

#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString UrlSection = QStringLiteral("HTTPURL");

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A path from the list with "/" separators, or empty when it would leave the
// installation folder: absolute paths, drive letters, ".." steps and names made
// of dots or blanks alone are refused.
QString safeRelativePath(const QString& listed) {
    QString path = listed.trimmed();
    path.replace('\\', '/');
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (path.isEmpty() || path.startsWith('/') || drive.match(path).hasMatch() ||
        path.contains(QChar(0)))
        return QString();
    const QStringList steps = path.split('/', Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        if (step.trimmed().isEmpty() || step == QLatin1String(".") || step == QLatin1String(".."))
            return QString();
    }
    return steps.join('/');
}

// An entry of the list for a relative path with "/" separators.
TFileInfo entryAt(const QString& relative, TFileKind kind = TFileKind::Ordinary) {
    TFileInfo file;
    const int slash = int(relative.lastIndexOf('/'));
    file.Dir = slash < 0 ? QString() : relative.left(slash);
    file.Name = relative.mid(slash + 1);
    file.Kind = kind;
    return file;
}

} // namespace

TUrlInfo ReadUrlInfo(const QString& systemIniPath) {
    const IniFile ini(systemIniPath);
    TUrlInfo info;
    info.Url = ini.readString(UrlSection, QStringLiteral("Url"));
    info.UseProxy = ini.readBool(UrlSection, QStringLiteral("UseProxy"), false);
    info.ProxyAddress = ini.readString(UrlSection, QStringLiteral("ProxyAddress"));
    info.ProxyPort = ini.readString(UrlSection, QStringLiteral("ProxyPort"));
    info.UserLogin = ini.readBool(UrlSection, QStringLiteral("UserLogin"), false);
    info.UserName = ini.readString(UrlSection, QStringLiteral("UserName"));
    info.UserPassword = ini.readString(UrlSection, QStringLiteral("UserPassword"));
    return info;
}

QString ReadServerFilePath(const QString& systemIniPath) {
    return IniFile(systemIniPath).readString(UrlSection, QStringLiteral("FilePath"));
}

bool WriteProxySettings(const QString& systemIniPath, const TUrlInfo& info, QString* error) {
    IniFile ini(systemIniPath);
    const bool ok =
        ini.writeStrings(UrlSection, {{QStringLiteral("UseProxy"), flag(info.UseProxy)},
                                      {QStringLiteral("ProxyAddress"), info.ProxyAddress},
                                      {QStringLiteral("ProxyPort"), info.ProxyPort},
                                      {QStringLiteral("UserLogin"), flag(info.UserLogin)},
                                      {QStringLiteral("UserName"), info.UserName},
                                      {QStringLiteral("UserPassword"), info.UserPassword}});
    if (!ok && error)
        *error = ini.errorString();
    return ok;
}

bool ReadVersionList(const QString& path, TVersionList& list, QString* error) {
    list = TVersionList();
    const IniFile ini(path);
    if (!ini.exists()) {
        if (error)
            *error = QStringLiteral("the version list %1 cannot be read").arg(path);
        return false;
    }
    const QString versions = QStringLiteral("FileVersion");
    list.Files << entryAt(QLatin1String(CatalogueFileName), TFileKind::Catalogue)
               << entryAt(QStringLiteral("System.ini"), TFileKind::Settings);
    list.Files[0].Version = ini.readString(versions, QStringLiteral("DataBaseVersion"), "1.0");
    list.Files[1].Version = ini.readString(versions, QStringLiteral("IniFileVersion"), "1.0");
    const int count = ini.readInteger(QStringLiteral("FileInfo"), QStringLiteral("FileCount"), 0);
    for (int i = 1; i <= count; ++i) {
        const QString entry =
            ini.readString(QStringLiteral("FileInfo"), QStringLiteral("FileName[%1]").arg(i));
        const QString relative = safeRelativePath(GetPiece(entry, QStringLiteral(";"), 1));
        if (relative.isEmpty()) {
            if (error)
                *error = QStringLiteral("FileName[%1]=%2").arg(i).arg(entry);
            list = TVersionList();
            return false;
        }
        TFileInfo file = entryAt(relative);
        file.Stamp = GetPiece(entry, QStringLiteral(";"), 2);
        file.Info = GetPiece(entry, QStringLiteral(";"), 3);
        list.Files << file;
    }
    const int keep = ini.readInteger(QStringLiteral("VersionInfo"), QStringLiteral("InfoCount"), 0);
    for (int i = 1; i <= keep; ++i) {
        const QString entry =
            ini.readString(QStringLiteral("VersionInfo"), QStringLiteral("InfoString[%1]").arg(i));
        list.Keep.append({GetPiece(entry, QStringLiteral(";"), 1),
                          GetPiece(entry, QStringLiteral(";"), 2), QString()});
    }
    return true;
}

TCompareResult CompareInstallation(const QString& installFolder, const QString& localDbVersion,
                                   TVersionList& list) {
    const QString settingsPath = installFolder + QStringLiteral("/System.ini");
    const IniFile settings(settingsPath);
    const QString localIniVersion =
        settings.readString(QStringLiteral("System"), QStringLiteral("IniFileVersion"));
    int checked = 0;
    int current = 0;
    for (TFileInfo& file : list.Files) {
        ++checked;
        file.Skip = false;
        const QString path = LocalPathOf(installFolder, file);
        if (!QFileInfo(path).isFile())
            continue;
        switch (file.Kind) {
        case TFileKind::Ordinary:
            file.Skip = FileStampText(path) == file.Stamp;
            break;
        case TFileKind::Catalogue:
            file.Skip = localDbVersion == file.Version;
            break;
        case TFileKind::Settings:
            file.Skip = localIniVersion == file.Version;
            for (TVersionInfo& keep : list.Keep)
                keep.Value = settings.readString(keep.Section, keep.Key);
            break;
        }
        current += file.Skip ? 1 : 0;
    }
    if (checked != list.Files.size())
        return TCompareResult::Error;
    return current == checked ? TCompareResult::AllCurrent : TCompareResult::SomethingToDo;
}

QString LocalPathOf(const QString& installFolder, const TFileInfo& file) {
    return installFolder + '/' + file.RelativePath();
}

QString ServerUrlOf(const QString& baseUrl, const QString& serverPath, const QString& relative) {
    QString path = serverPath;
    path.replace('\\', '/');
    while (path.startsWith('/'))
        path.remove(0, 1);
    return baseUrl + path +
           (path.isEmpty() || path.endsWith('/') ? QString() : QStringLiteral("/")) + relative;
}

QString BaseUrlOf(const QString& url) {
    const QString trimmed = url.trimmed();
    return trimmed.endsWith('/') ? trimmed : trimmed + '/';
}

QString CatalogueVersion(const QString& catalogueFile) {
    TDMComm db;
    TDataTable rows;
    if (!QFileInfo(catalogueFile).isFile() ||
        !db.ConnectDB(catalogueFile, TDMComm::TOpenMode::ReadOnly) ||
        !db.GetDataPacket(QStringLiteral("Select * From DBVersion"), rows) || rows.IsEmpty())
        return QString();
    return rows.AsString(QStringLiteral("VersionID"));
}
