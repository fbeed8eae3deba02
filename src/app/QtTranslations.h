#pragma once

#include "text/Language.h"

// Qt's own texts (the buttons of every message box, the file dialogs) in the program's
// language, from the translations Qt ships (on Debian the qt6-translations-l10n package).
namespace QtTranslations {

// Installs the translation of language in place of the one installed before. English, and a
// language outside 0..2, use Qt's built-in English texts. Returns false when the translation
// file cannot be loaded, which is said on standard error; Qt's texts are then English.
bool apply(Language language);

}  // namespace QtTranslations
