#pragma once

// The user's language. Its value comes straight from the settings file (key LANGU), so a
// Language may hold a number outside the named ones; the enum's fixed int base makes that well
// defined, and isValidLanguage() tells the two apart. The first three are the program's own,
// held in its text tables; the others are translated from the English texts (Translations.h).
enum class Language : int {
    Simplified = 0,   // Simplified Chinese, menu item China
    Traditional = 1,  // Traditional Chinese, menu item fanti
    English = 2,      // menu item Enlish
    German = 3,
    Spanish = 4,
    French = 5,
    Italian = 6,
    Polish = 7,
    PortugueseBrazil = 8,
    Russian = 9,
    Ukrainian = 10,
    Turkish = 11,
    Vietnamese = 12,
};

// The languages whose texts stand in the program's tables, one column each.
inline constexpr int TableLanguageCount = 3;
inline constexpr int LanguageCount = 13;

[[nodiscard]] constexpr bool isValidLanguage(Language language)
{
    const int value = static_cast<int>(language);
    return value >= 0 && value < LanguageCount;
}

// A valid language beyond the three of the tables: its texts are translations.
[[nodiscard]] constexpr bool isTranslatedLanguage(Language language)
{
    return isValidLanguage(language) && static_cast<int>(language) >= TableLanguageCount;
}

// The program has one current language, read from the settings at start and changed by the
// language menu. It is kept verbatim, out-of-range values included, so that the settings file
// gets back what it held and ApplyLanguage can leave every caption alone for such a value.
[[nodiscard]] Language currentLanguage();
void setCurrentLanguage(Language language);
