#pragma once

#include <QString>

// Process-wide values shared by every subsystem.

// Program folder with a trailing "/"; set when the program loads, before any window.
extern QString AppPath;
// Values of "System.ini" refreshed by LoadSystemGlobals.
extern QString VersionText;
extern bool DebugMode;
extern QString DefaultLanguageGlobal;
// Last-write time of "System.ini" at start-up, "yyyy-MM-dd hh:mm" (empty when absent).
extern QString SysIniStamp;
// Set when an update downloaded a new executable; the update script then runs at exit.
extern bool UpdatePending;
// The four message-box button captions "Yes;No;OK;Cancel" in the current language.
extern QString ButtonCaptions;

enum class TOperateType { otSelect, otCalc };
extern TOperateType OperateType;

// Full path of the settings file in the data folder (core/DataFolder.h).
QString SystemIniPath();
// The product catalogue's path inside the program (or data) folder.
inline const char* const CatalogueFileName = "Data/MORELDB.db";
// Full path of the product catalogue in the data folder, CatalogueFileName.
QString CataloguePath();

// The language file of a language in the program folder, "Language/<name>.xml".
QString LanguageFilePathOf(const QString& language);

// Reads DefaultLanguage, Version (default: the program's version) and Debug of
// "System.ini" into the globals above.
void LoadSystemGlobals();
