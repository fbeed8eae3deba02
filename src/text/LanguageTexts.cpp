#include "text/LanguageTexts.h"

#include "text/Translations.h"

QString textIn(const LanguageTexts& texts, Language language)
{
    if (!isValidLanguage(language))
        language = Language::Simplified;
    const int index = static_cast<int>(language);
    if (index < TableLanguageCount)
        return QString::fromUtf16(texts[static_cast<std::size_t>(index)]);
    return translatedText(texts[static_cast<std::size_t>(Language::English)], language);
}
