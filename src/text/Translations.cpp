#include "text/Translations.h"

#include "text/Languages.h"

#include <QTranslator>

#include <array>
#include <memory>
#include <mutex>

namespace {

// Loaded when a language is first asked for; texts are looked up from worker threads too.
struct LoadedTranslation {
    std::once_flag loaded;
    std::unique_ptr<QTranslator> translator;
};

const QTranslator* translatorFor(Language language)
{
    static std::array<LoadedTranslation, LanguageCount> translations;
    LoadedTranslation& slot = translations[static_cast<std::size_t>(language)];
    std::call_once(slot.loaded, [&slot, language] {
        auto translator = std::make_unique<QTranslator>();
        const QString file = QStringLiteral(":/translations/zorvex_%1.qm")
                                 .arg(QLatin1String(languageInfo(language).code).toString().replace(u'-', u'_'));
        if (translator->load(file))
            slot.translator = std::move(translator);
    });
    return slot.translator.get();
}

}  // namespace

QString translationOf(const QString& english, Language language)
{
    if (!isTranslatedLanguage(language))
        return {};
    const QTranslator* translator = translatorFor(language);
    if (!translator)
        return {};
    const QString text = translator->translate(TranslationContext, english.toUtf8().constData());
    return text.isEmpty() ? QString() : text;
}

QString translatedText(const char16_t* english, Language language)
{
    const QString source = QString::fromUtf16(english);
    const QString text = translationOf(source, language);
    return text.isNull() ? source : text;
}
