// The added languages: their files hold exactly the program's texts, and every text is translated
// with its placeholders, line breaks and accelerator kept.
#include "text/Languages.h"
#include "text/TextRegistry.h"
#include "text/Translations.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Texts a language writes as English does: names, units and terms it takes over. Keep it short.
const QSet<QString> kSameAsEnglish{
    QStringLiteral("de:Chip"), QStringLiteral("de:Name"), QStringLiteral("de:Text"),
    QStringLiteral("fr:Type"),
    QStringLiteral("es:Chip"), QStringLiteral("es:Error"), QStringLiteral("es:0x%1-0x%2  %3 bytes"),
    QStringLiteral("es:&No"),
    QStringLiteral("it:Chip"), QStringLiteral("it:standard output"), QStringLiteral("it:&No"),
    QStringLiteral("pt-BR:Chip"), QStringLiteral("pt-BR:0x%1-0x%2  %3 bytes"),
    QStringLiteral("vi:Chip"),
};

std::vector<Language> addedLanguages()
{
    std::vector<Language> added;
    for (const LanguageInfo& info : languages()) {
        if (isTranslatedLanguage(info.language))
            added.push_back(info.language);
    }
    return added;
}

QString codeOf(Language language)
{
    return QString::fromLatin1(languageInfo(language).code);
}

// The sources of a translation file that are still in use (not vanished).
QSet<QString> sourcesIn(const QString& path)
{
    QSet<QString> sources;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation"
                 && xml.attributes().value(QStringLiteral("type")) != u"vanished")
            sources.insert(source);
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return sources;
}

// What a translation must keep of its English text, as one comparable string: the
// placeholders (sorted), the line feeds it starts with and whether it has an accelerator.
QString markers(const QString& text)
{
    QStringList placeholders;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        placeholders << match.captured();
    placeholders.sort();
    qsizetype leadingFeeds = 0;
    while (leadingFeeds < text.size() && text[leadingFeeds] == u'\n')
        ++leadingFeeds;
    const qsizetype accelerators = text.count(QRegularExpression(QStringLiteral("&[^&\\s]")));
    return QStringLiteral("%1 | %2 line feeds | %3 accelerators").arg(placeholders.join(u' ')).arg(leadingFeeds).arg(accelerators);
}

// A text with nothing to translate: upper-case terms, numbers, placeholders and signs only.
bool hasWords(const QString& text)
{
    QString rest = text;
    rest.remove(QRegularExpression(QStringLiteral("%\\d|\\(&.\\)|\\b[A-Z0-9_]+\\b")));
    return rest.contains(QRegularExpression(QStringLiteral("[a-z]")));
}

}  // namespace

TEST(Translations, EachFileHoldsExactlyTheProgramsTexts)
{
    QSet<QString> program;
    for (const TranslatableText& text : translatableTexts())
        program.insert(text.english);
    for (const Language language : addedLanguages()) {
        const QString path = QStringLiteral(ZORVEX_TRANSLATIONS_DIR "/zorvex_%1.ts").arg(codeOf(language).replace(u'-', u'_'));
        const QSet<QString> file = sourcesIn(path);
        for (const QString& missing : program - file)
            ADD_FAILURE() << path.toStdString() << " lacks \"" << missing.toStdString()
                          << "\" (build the target sync_translations)";
        for (const QString& extra : file - program)
            ADD_FAILURE() << path.toStdString() << " holds \"" << extra.toStdString() << "\", which the program no longer has";
    }
}

TEST(Translations, EveryTextIsTranslatedKeepingPlaceholdersLineFeedsAndAccelerators)
{
    for (const Language language : addedLanguages()) {
        const std::string code = codeOf(language).toStdString();
        for (const TranslatableText& text : translatableTexts()) {
            const std::string english = text.english.toStdString();
            const QString translation = translationOf(text.english, language);
            if (translation.isNull()) {
                ADD_FAILURE() << code << ": no finished translation of \"" << english << "\"";
                continue;
            }
            if (translation == text.english && hasWords(text.english)
                && !kSameAsEnglish.contains(codeOf(language) + u':' + text.english))
                ADD_FAILURE() << code << ": \"" << english << "\" is left in English";
            EXPECT_EQ(markers(translation), markers(text.english))
                << code << ": \"" << english << "\" became \"" << translation.toStdString() << "\"";
        }
    }
}
