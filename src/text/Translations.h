#pragma once

#include "text/Language.h"

#include <QString>

// The texts of the languages beyond the three of the tables, kept as Qt Linguist files
// (data/translations/zorvex_<code>.ts) that the build compiles into the program. Each is looked up
// by its English text.
//
// The translation of english into language; the English text itself where the translation
// lacks it (a new text not yet translated), so that nothing comes out empty.
[[nodiscard]] QString translatedText(const char16_t* english, Language language);

// The translation alone: a null string where there is none.
[[nodiscard]] QString translationOf(const QString& english, Language language);

// The context every text of the translation files stands in.
inline constexpr char TranslationContext[] = "zorvex";
