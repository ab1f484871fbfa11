#include "core/Globals.h"

#include "core/DataFolder.h"
#include "core/Helpers.h"
#include "core/IniFile.h"
#include "core/Languages.h"

QString AppPath;
QString VersionText = QStringLiteral("0");
bool DebugMode = false;
QString DefaultLanguageGlobal = QStringLiteral("English");
QString SysIniStamp;
bool UpdatePending = false;
QString ButtonCaptions;
TOperateType OperateType = TOperateType::otSelect;

QString SystemIniPath() {
    return DataPath() + QStringLiteral("System.ini");
}

QString LanguageFilePathOf(const QString& language) {
    return AppPath + QStringLiteral("Language/") + language + QStringLiteral(".xml");
}

QString CataloguePath() {
    return DataPath() + QLatin1String(CatalogueFileName);
}

void LoadSystemGlobals() {
    const IniFile ini(SystemIniPath());
    DefaultLanguageGlobal =
        KnownLanguageOrEnglish(ini.readString("System", "DefaultLanguage", "English"));
    // Without a Version key the program's own version shows, the one of the splash.
    VersionText = ini.readString("System", "Version", ProgramVersionText());
    DebugMode = ini.readBool("System", "Debug", false);
}
