#include "text/LanguageTexts.h"

QString inCurrentLanguage(const LanguageTexts& texts)
{
    const Language language = currentLanguage();
    const int index = isValidLanguage(language) ? static_cast<int>(language) : 0;
    return QString::fromUtf8(texts[static_cast<std::size_t>(index)]);
}
