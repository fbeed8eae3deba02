#pragma once

#include "text/Language.h"

#include <QString>

#include <array>

// One text in each of the table languages, in the order of Language.
using LanguageTexts = std::array<const char16_t*, TableLanguageCount>;

// The text in this language: a table language reads its column, another language the
// translation of the English column (the English text where the translation lacks it); a
// language outside the known ones reads the Simplified text, as the catalog does.
[[nodiscard]] QString textIn(const LanguageTexts& texts, Language language);
[[nodiscard]] inline QString inCurrentLanguage(const LanguageTexts& texts)
{
    return textIn(texts, currentLanguage());
}
