#include "text/Languages.h"

#include <QStringList>

#include <array>

namespace {

constexpr std::array<LanguageInfo, LanguageCount> kLanguages{{
    {Language::Simplified, "zh-CN", u"中文", "zh", "zh_CN"},
    {Language::Traditional, "zh-TW", u"繁體", "zh", "zh_TW"},
    {Language::English, "en", u"Enlish", "en", nullptr},
    {Language::German, "de", u"Deutsch", "de", "de"},
    {Language::Spanish, "es", u"Español", "es", "es"},
    {Language::French, "fr", u"Français", "fr", "fr"},
    {Language::Italian, "it", u"Italiano", "it", "it"},
    {Language::Polish, "pl", u"Polski", "pl", "pl"},
    {Language::PortugueseBrazil, "pt-BR", u"Português (Brasil)", "pt", "pt_BR"},
    {Language::Russian, "ru", u"Русский", "ru", "ru"},
    {Language::Ukrainian, "uk", u"Українська", "uk", "uk"},
    {Language::Turkish, "tr", u"Türkçe", "tr", "tr"},
    {Language::Vietnamese, "vi", u"Tiếng Việt", "vi", nullptr},
}};

}  // namespace

std::span<const LanguageInfo> languages()
{
    return kLanguages;
}

const LanguageInfo& languageInfo(Language language)
{
    return kLanguages[static_cast<std::size_t>(isValidLanguage(language) ? static_cast<int>(language) : 0)];
}

std::optional<Language> languageForCode(const QString& text)
{
    const QString name = text.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    for (const LanguageInfo& info : kLanguages) {
        if (name == QLatin1String(info.code).toString().toLower())
            return info.language;
    }
    if (name == u"english" || name == u"2")
        return Language::English;
    if (name == u"zh-hans" || name == u"simplified" || name == u"0")
        return Language::Simplified;
    if (name == u"zh-hant" || name == u"traditional" || name == u"1")
        return Language::Traditional;
    return std::nullopt;
}

QString languageCodes()
{
    QStringList codes;
    // English first: the language of a terminal without a locale.
    codes << QStringLiteral("en");
    for (const LanguageInfo& info : kLanguages) {
        if (info.language != Language::English)
            codes << QLatin1String(info.code);
    }
    return codes.join(QStringLiteral(", "));
}
