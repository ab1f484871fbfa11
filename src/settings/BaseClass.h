#pragma once

#include <QString>

#include <array>
#include <functional>
#include <memory>

#include "core/Languages.h"

class TXMLLan;
class TUnitManager;

// The settings object: reads "System.ini" once at start-up, applies the
// installer's language hint, owns the language object and the unit manager,
// and answers every question about language, region, unit scheme and help.
class TBaseClass {
public:
    TBaseClass();
    ~TBaseClass();
    TBaseClass(const TBaseClass&) = delete;
    TBaseClass& operator=(const TBaseClass&) = delete;

    std::unique_ptr<TXMLLan> Lan;
    QString HelpTopic;
    std::unique_ptr<TUnitManager> UnitManager;
    QString Language;
    QString DefaultLanguage;
    std::array<bool, LanguageCount> Available{};
    int AreaProduct = 0;
    int DefaultSchemeID = 0;
    bool UnitFreedom = true;
    QString InstallLanPath;
    int StartNum = 0;

    static int LanguageLcid(const QString& languageName) { return ::LanguageLcid(languageName); }
    // French, Spanish, German and Italian help files use named topics; the others,
    // and the English help shown in their place, numbered ones.
    bool UsesNamedHelpTopics() const;
    // True when the current language has its own help file.
    bool HelpInOwnLanguage() const;
    // Path of the current language's file, AppPath + "Language/" + Language + ".xml".
    QString LanguageFilePath() const;
    // The help file shown: AppPath + "HELP/" + Language + ".qch", or the English one
    // while the language has none of its own.
    QString HelpFilePath() const;
    // Opens the help file at the topic through the installed viewer; a missing file does nothing.
    void ShowHelp(const QString& topic) const;
    void ShowCurrentHelp() const { ShowHelp(HelpTopic); }

    bool ConvertDecimalSeparator(const QString& sourcePath, const QString& targetPath,
                                 int mode) const;

    // Stores the last-write time of the file in SysIniStamp (empty when it does not exist).
    static void RecordSysIniStamp(const QString& path);
    // Gives "System.ini" back the time stamp recorded at start-up.
    static bool RestoreSysIniStamp();

    using HelpViewer = std::function<void(const QString& helpFile, const QString& topic)>;
    // The window layer installs the viewer that ShowHelp uses.
    static void SetHelpViewer(HelpViewer viewer);

private:
    QString ownHelpFilePath() const;
    void LoadSettings();
    void ApplyInstallLanguage();
};

// The one settings object, created by the main window.
extern TBaseClass* BaseClass;
