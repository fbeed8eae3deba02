#include "text/SystemLanguage.h"

#include <QStringList>

namespace {

bool isPlainCLocale(const QString& locale)
{
    const QString name = locale.section(u'@', 0, 0).section(u'.', 0, 0);
    return name.isEmpty() || name == u"C" || name == u"POSIX";
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
        const QString language = entry.section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0);
        if (language.compare(u"zh", Qt::CaseInsensitive) == 0 || language.compare(u"en", Qt::CaseInsensitive) == 0)
            return entry;
    }
    return preferred.isEmpty() ? locale : preferred.front();
}

Language SystemLanguage::forLocale(const QString& locale)
{
    // language[_territory][.codeset][@modifier]
    if (isPlainCLocale(locale))
        return Language::Simplified;
    const QString name = locale.section(u'@', 0, 0).section(u'.', 0, 0);
    const QStringList parts = name.split(QLatin1Char('_'));
    if (parts.front().compare(u"zh", Qt::CaseInsensitive) != 0)
        return Language::English;
    for (const QString& part : parts.mid(1)) {
        for (const char16_t* traditional : {u"TW", u"HK", u"MO"}) {
            if (part.compare(QStringView(traditional), Qt::CaseInsensitive) == 0)
                return Language::Traditional;
        }
    }
    return Language::Simplified;
}

Language SystemLanguage::forTerminal()
{
    const QString locale = messagesLocale();
    return isPlainCLocale(locale) ? Language::English : forLocale(locale);
}
