#pragma once

#include <QString>
#include <array>

// The ten user-interface languages, in the order every language list shows them.
inline constexpr int LanguageCount = 10;
extern const std::array<const char*, LanguageCount> LanguageNames;

// Windows language identifier of a language name (1041 Japanese ... 1049 Russian); 0 otherwise.
int LanguageLcid(const QString& languageName);
// Index in LanguageNames of the identifier, -1 for an unknown identifier.
int LanguageIndexOfLcid(int lcid);
// Index in LanguageNames of a name compared without regard to case, -1 when unknown.
int LanguageIndexOfName(const QString& languageName);
// A language name read from a file or typed by the user, spelt as in LanguageNames
// (it names the language file); case and surrounding blanks are ignored, and an
// unknown name gives "English".
QString KnownLanguageOrEnglish(const QString& languageName);
