#include "settings/BaseClass.h"

#include "core/DMComm.h"
#include "core/DataFolder.h"
#include "core/FileAccess.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"
#include "units/UnitManager.h"

#include <QFile>
#include <QFileInfo>

TBaseClass* BaseClass = nullptr;

namespace {

const QString SystemSection = QStringLiteral("System");

TBaseClass::HelpViewer& helpViewer() {
    static TBaseClass::HelpViewer viewer;
    return viewer;
}

// The installer's hint is a small text file whose first line is a decimal
// language identifier. Whatever else InstallLanPath names is not ours to delete.
constexpr qint64 MaxHintSize = 1024;

bool readHint(const QString& path, int& lcid) {
    QByteArray content;
    QString error;
    if (!ReadRegularFile(path, MaxHintSize, content, error))
        return false;
    const QByteArray firstLine = content.split('\n').first();
    bool isNumber = false;
    lcid = firstLine.trimmed().toInt(&isNumber);
    return isNumber;
}

} // namespace

TBaseClass::TBaseClass() {
    LoadSettings();
    const int languageId = LanguageLcid(Language);
    UnitManager = DMComm && DMComm->Connected()
                      ? std::make_unique<TUnitManager>(*DMComm, languageId)
                      : std::make_unique<TUnitManager>(languageId);
}

TBaseClass::~TBaseClass() = default;

void TBaseClass::LoadSettings() {
    const IniFile ini(SystemIniPath());
    AreaProduct = ini.readInteger(SystemSection, "AreaProduct", 0);
    if (AreaProduct < 0 || AreaProduct > 3)
        AreaProduct = 0;
    DefaultLanguage =
        KnownLanguageOrEnglish(ini.readString(SystemSection, "DefaultLanguage", "English"));
    Language = DefaultLanguage;
    for (int i = 0; i < LanguageCount; ++i) {
        const bool byDefault = QLatin1String(LanguageNames[i]) != QLatin1String("Russian");
        Available[i] = ini.readInteger(SystemSection, LanguageNames[i], byDefault ? 1 : 0) == 1;
    }
    UnitFreedom = ini.readInteger(SystemSection, "UnitFreedom", 1) == 1;
    ApplyInstallLanguage();
    DefaultSchemeID = ini.readInteger(SystemSection, "DefaultSchemeID", 0);
    Lan = std::make_unique<TXMLLan>(LanguageFilePath());
}

void TBaseClass::ApplyInstallLanguage() {
    IniFile ini(SystemIniPath());
    InstallLanPath = ini.readString(SystemSection, "InstallLanPath");
    StartNum = ini.readInteger(SystemSection, "StartNum", 0);
    int lcid = 0;
    if (InstallLanPath.isEmpty() || !readHint(InstallLanPath, lcid))
        return;
    // The hint is consumed once read, so it is not applied again.
    QFile::remove(InstallLanPath);
    if (StartNum != 0)
        return;

    QString name = DefaultLanguage;
    const int index = LanguageIndexOfLcid(lcid);
    if (index >= 0)
        name = Available[index] ? QLatin1String(LanguageNames[index]) : QLatin1String("English");
    if (name != Language) {
        if (!ini.writeString(SystemSection, "DefaultLanguage", name)) {
            ReportWriteFailure(ini.errorString());
            return;
        }
        Language = DefaultLanguage = name;
    }
    if (ini.writeInteger(SystemSection, "StartNum", 1))
        StartNum = 1;
    else
        ReportWriteFailure(ini.errorString());
}

bool TBaseClass::UsesNamedHelpTopics() const {
    const bool named = Language == QLatin1String("French") ||
                       Language == QLatin1String("Spanish") ||
                       Language == QLatin1String("German") || Language == QLatin1String("Italian");
    return named && HelpInOwnLanguage();
}

bool TBaseClass::HelpInOwnLanguage() const {
    return QFileInfo(ownHelpFilePath()).isFile();
}

QString TBaseClass::ownHelpFilePath() const {
    return AppPath + QStringLiteral("HELP/") + Language + QStringLiteral(".qch");
}

QString TBaseClass::LanguageFilePath() const {
    return LanguageFilePathOf(Language);
}

QString TBaseClass::HelpFilePath() const {
    return HelpInOwnLanguage() ? ownHelpFilePath() : AppPath + QStringLiteral("HELP/English.qch");
}

void TBaseClass::ShowHelp(const QString& topic) const {
    const QString file = HelpFilePath();
    if (helpViewer() && QFileInfo(file).isFile())
        helpViewer()(file, topic);
}

void TBaseClass::SetHelpViewer(HelpViewer viewer) {
    helpViewer() = std::move(viewer);
}

bool TBaseClass::ConvertDecimalSeparator(const QString& sourcePath, const QString& targetPath,
                                         int mode) const {
    return ::ConvertDecimalSeparator(sourcePath, targetPath, mode);
}

void TBaseClass::RecordSysIniStamp(const QString& path) {
    SysIniStamp = FileStampText(path);
}

bool TBaseClass::RestoreSysIniStamp() {
    return SetFileStamp(SystemIniPath(), SysIniStamp);
}
