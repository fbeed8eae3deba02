#include "SystemLanguage.h"

#include <QStringList>

QString SystemLanguage::messagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

Language SystemLanguage::forLocale(const QString& locale)
{
    // language[_territory][.codeset][@modifier]
    const QString name = locale.section(u'@', 0, 0).section(u'.', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return Language::Simplified;
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
