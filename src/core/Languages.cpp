#include "core/Languages.h"

const std::array<const char*, LanguageCount> LanguageNames = {
    "Japanese", "Chinese", "Korean",  "English",    "Spanish",
    "French",   "German",  "Italian", "Portuguese", "Russian"};

namespace {
// 1044 stands for Portuguese, as the installer writes it.
constexpr std::array<int, LanguageCount> Lcids = {1041, 2052, 1042, 1033, 1034,
                                                  1036, 1031, 1040, 1044, 1049};
} // namespace

int LanguageLcid(const QString& languageName) {
    for (int i = 0; i < LanguageCount; ++i) {
        if (languageName == QLatin1String(LanguageNames[i]))
            return Lcids[i];
    }
    return 0;
}

int LanguageIndexOfLcid(int lcid) {
    for (int i = 0; i < LanguageCount; ++i) {
        if (Lcids[i] == lcid)
            return i;
    }
    return -1;
}

int LanguageIndexOfName(const QString& languageName) {
    for (int i = 0; i < LanguageCount; ++i) {
        if (languageName.compare(QLatin1String(LanguageNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString KnownLanguageOrEnglish(const QString& languageName) {
    const int index = LanguageIndexOfName(languageName.trimmed());
    return QLatin1String(index >= 0 ? LanguageNames[index] : "English");
}
