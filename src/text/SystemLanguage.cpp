#include "text/SystemLanguage.h"

#include "text/Languages.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

bool isPlainCLocale(const QString& locale)
{
    const QString name = locale.section(u'@', 0, 0).section(u'.', 0, 0);
    return name.isEmpty() || name == u"C" || name == u"POSIX";
}

// The language the program speaks for language[_territory][.codeset][@modifier]; nullopt for
// one it does not speak. Chinese is Traditional in Taiwan, Hong Kong and Macao.
std::optional<Language> spokenLanguage(const QString& locale)
{
    const QString name = locale.section(u'@', 0, 0).section(u'.', 0, 0);
    const QStringList parts = name.split(QLatin1Char('_'));
    const QString& language = parts.front();
    if (language.compare(u"zh", Qt::CaseInsensitive) == 0) {
        const QStringList traditional{QStringLiteral("TW"), QStringLiteral("HK"), QStringLiteral("MO")};
        const bool inTraditional = std::ranges::any_of(
            parts.mid(1), [&traditional](const QString& part) { return traditional.contains(part, Qt::CaseInsensitive); });
        return inTraditional ? Language::Traditional : Language::Simplified;
    }
    for (const LanguageInfo& info : languages()) {
        if (language.compare(QLatin1String(info.locale), Qt::CaseInsensitive) == 0)
            return info.language;
    }
    return std::nullopt;
}

}  // namespace

QString SystemLanguage::messagesLocale()
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    if (isPlainCLocale(locale))
        return locale;
    const QStringList preferred = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const QString& entry : preferred) {
        if (spokenLanguage(entry))
            return entry;
    }
    return preferred.isEmpty() ? locale : preferred.front();
}

Language SystemLanguage::forLocale(const QString& locale)
{
    if (isPlainCLocale(locale))
        return Language::Simplified;
    return spokenLanguage(locale).value_or(Language::English);
}

Language SystemLanguage::forTerminal()
{
    const QString locale = messagesLocale();
    return isPlainCLocale(locale) ? Language::English : forLocale(locale);
}
