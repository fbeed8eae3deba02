#include "text/LanguageTexts.h"

QString textIn(const LanguageTexts& texts, Language language)
{
    const int index = isValidLanguage(language) ? static_cast<int>(language) : 0;
    return QString::fromUtf16(texts[static_cast<std::size_t>(index)]);
}
