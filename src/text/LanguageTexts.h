#pragma once

#include "text/MessageCatalog.h"

#include <QString>

#include <array>

// One text in each of the program's languages, in the order of Language.
using LanguageTexts = std::array<const char*, LanguageCount>;

// The text in the current language; a language outside the known ones reads the Simplified
// text, as the catalog does.
[[nodiscard]] QString inCurrentLanguage(const LanguageTexts& texts);
