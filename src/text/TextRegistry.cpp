#include "text/TextRegistry.h"

#include "text/Captions.h"
#include "text/CliTexts.h"
#include "text/FixedTexts.h"
#include "text/MessageCatalogExtra.h"
#include "text/OperationTexts.h"
#include "text/ProduceTexts.h"

#include <QSet>

namespace {

// English texts whose wording slipped; the translations say what they mean.
struct Note {
    const char16_t* english;
    const char* note;
};

constexpr Note kNotes[] = {
    {u"Bank Flash ...", "A typing slip for \"Blank check Flash ...\": the blank check is running."},
    {u"Bank(&B)", "A typing slip for \"Blank check\": the menu command that checks the chip is erased."},
    {u"Enlish", "A typing slip for \"English\": the Language menu item for English."},
    {u"File already exists. Is it covered? ", "Means \"The file already exists. Overwrite it?\""},
    {u"\n\n Please manually select the corresponding type burn.",
     "Means \"Please choose the matching chip model by hand and program it.\""},
    {u"The configuration file was destroyed.", "Means \"The chip list file is damaged.\""},
    {u"\n\n Chip type", "A label on a line of its own, followed directly by the chip's type: end it with a colon and a blank."},
};

QString noteFor(const QString& english)
{
    for (const Note& note : kNotes) {
        if (english == QStringView(note.english))
            return QString::fromLatin1(note.note);
    }
    return {};
}

}  // namespace

std::vector<TranslatableText> translatableTexts()
{
    QSet<QString> seen;
    std::vector<TranslatableText> texts;
    const auto add = [&seen, &texts](const QString& english, const QString& simplified, const QString& traditional,
                                     const QString& where, bool fixed = false) {
        // A text the same in all three is a name or a term ("Enlish", "EEPROM"): every
        // language keeps it.
        const bool name = english == simplified && english == traditional;
        if (english.isEmpty() || name || seen.contains(english))
            return;
        seen.insert(english);
        texts.push_back({english, simplified, where, noteFor(english), fixed});
    };
    const auto addTexts = [&add](const LanguageTexts& entry, const QString& where) {
        add(QString::fromUtf16(entry[2]), QString::fromUtf16(entry[0]), QString::fromUtf16(entry[1]), where);
    };
    const auto addTable = [&addTexts](std::span<const LanguageTexts> table, const QString& name) {
        for (std::size_t i = 0; i < table.size(); ++i)
            addTexts(table[i], QStringLiteral("%1 %2").arg(name).arg(i));
    };

    for (int m = 0; m < MessageCatalog::MessageCount; ++m) {
        add(MessageCatalog::entry(3 * m + 2), MessageCatalog::entry(3 * m), MessageCatalog::entry(3 * m + 1),
            QStringLiteral("message %1").arg(m));
    }
    addTable(ExtraMessages::table(), QStringLiteral("extra"));
    for (const char* set : {"TForm1", "TForm2", "TForm3", "TForm3.ListView1", "TForm4"}) {
        for (const CaptionEntry& entry : captionsFor(QLatin1StringView(set)).entries)
            addTexts(entry.texts, QStringLiteral("caption %1.%2").arg(QLatin1String(set), QLatin1String(entry.control)));
    }
    addTable(operationTextTable(), QStringLiteral("operation"));
    addTable(produceTextTable(), QStringLiteral("produce"));
    addTable(cliTextTable(), QStringLiteral("command line"));
    // Alike in the table languages, translated in the others: taken even where the shown text
    // is the same in all three.
    const std::span<const FixedEntry> fixed = fixedTextTable();
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        add(QString::fromUtf16(fixed[i].english), QString::fromUtf16(fixed[i].shown), QString(),
            QStringLiteral("fixed %1").arg(i), true);
    }
    return texts;
}
