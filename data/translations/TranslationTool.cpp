// zorvex-translations sync DIR: brings the translation files in DIR (zorvex_<code>.ts, one per
// added language) in line with the program's texts. A text the program gained is added,
// unfinished, for the translator; a translation whose text the program no longer has is kept,
// marked vanished, so that a reworded text can reuse it; every other translation is kept as it
// is. Files are written in the program's text order, the way Qt Linguist reads them.
#include "text/Languages.h"
#include "text/TextRegistry.h"
#include "text/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

struct Translation {
    QString text;
    QString type;  // "" finished, "unfinished", "vanished"
    QString comment;  // the translator's own comment
};

QHash<QString, Translation> readTranslations(const QString& path)
{
    QHash<QString, Translation> found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    QString source;
    Translation translation;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"message") {
            source.clear();
            translation = {};
        } else if (xml.isStartElement() && xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"translatorcomment") {
            translation.comment = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"translation") {
            translation.type = xml.attributes().value(QStringLiteral("type")).toString();
            translation.text = xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"message") {
            found.insert(source, translation);
        }
    }
    if (xml.hasError())
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(xml.errorString()));
    return found;
}

void writeMessage(QXmlStreamWriter& xml, const QString& source, const QString& extra, const Translation& translation)
{
    xml.writeStartElement(QStringLiteral("message"));
    xml.writeTextElement(QStringLiteral("source"), source);
    if (!extra.isEmpty())
        xml.writeTextElement(QStringLiteral("extracomment"), extra);
    if (!translation.comment.isEmpty())
        xml.writeTextElement(QStringLiteral("translatorcomment"), translation.comment);
    xml.writeStartElement(QStringLiteral("translation"));
    if (!translation.type.isEmpty())
        xml.writeAttribute(QStringLiteral("type"), translation.type);
    xml.writeCharacters(translation.text);
    xml.writeEndElement();
    xml.writeEndElement();
}

bool sync(const QString& path, const LanguageInfo& language)
{
    QHash<QString, Translation> old = readTranslations(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), QString::fromLatin1(language.code).replace(u'-', u'_'));
    xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    xml.writeStartElement(QStringLiteral("context"));
    xml.writeTextElement(QStringLiteral("name"), QString::fromLatin1(TranslationContext));
    int added = 0;
    for (const TranslatableText& text : translatableTexts()) {
        Translation translation = old.take(text.english);
        if (translation.type == u"vanished" || translation.type == u"obsolete")
            translation.type = QStringLiteral("unfinished");
        if (translation.text.isEmpty()) {
            translation.type = QStringLiteral("unfinished");
            ++added;
        }
        QString extra = text.where + QStringLiteral(" | zh-CN: ") + text.simplified;
        if (text.fixed)
            extra = text.where + QStringLiteral(" | shown alike in zh-CN, zh-TW and en as: ") + text.simplified;
        if (!text.note.isEmpty())
            extra += QStringLiteral(" | ") + text.note;
        writeMessage(xml, text.english, extra, translation);
    }
    old.removeIf([](const auto& entry) { return entry.value().text.isEmpty(); });
    for (auto it = old.cbegin(); it != old.cend(); ++it) {
        Translation translation = it.value();
        translation.type = QStringLiteral("vanished");
        writeMessage(xml, it.key(), {}, translation);
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    if (!file.commit()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    std::printf("%s: %d texts to translate, %lld vanished\n", qPrintable(path), added, static_cast<long long>(old.size()));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 || arguments[1] != u"sync") {
        std::fputs("Usage: zorvex-translations sync DIR\n", stderr);
        return 2;
    }
    bool ok = true;
    for (const LanguageInfo& language : languages()) {
        if (!isTranslatedLanguage(language.language))
            continue;
        const QString name = QStringLiteral("zorvex_%1.ts").arg(QString::fromLatin1(language.code).replace(u'-', u'_'));
        ok = sync(QDir(arguments[2]).filePath(name), language) && ok;
    }
    return ok ? 0 : 1;
}
