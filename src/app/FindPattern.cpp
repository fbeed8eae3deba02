#include "FindPattern.h"

#include "text/MessageCatalogExtra.h"
#include "hexview/HexByteText.h"
#include "hexview/HexEditor.h"
#include "hexview/HexTranslation.h"

#include <algorithm>
#include <array>
#include <ranges>
#include <vector>

namespace {

ParsedFindPattern refused(ExtraText text, const QString& argument = {})
{
    const QString message = ExtraMessages::text(text);
    return {std::nullopt, argument.isNull() ? message : message.arg(argument)};
}

}  // namespace

ParsedFindPattern FindPattern::fromHex(const QString& text)
{
    HexByteText::Parsed parsed = HexByteText::parse(text, true);
    if (!parsed.ok()) {
        // The message names the whole group the unreadable character stands in.
        qsizetype first = parsed.badAt;
        qsizetype last = parsed.badAt;
        while (first > 0 && !HexByteText::isSeparator(text[first - 1]))
            --first;
        while (last + 1 < text.size() && !HexByteText::isSeparator(text[last + 1]))
            ++last;
        return refused(ExtraText::FindBadHexByte, text.mid(first, last - first + 1));
    }
    QByteArray& bytes = parsed.bytes;
    const std::vector<qsizetype>& wildcards = parsed.wildcards;
    if (bytes.isEmpty())
        return refused(ExtraText::FindEmpty);
    if (static_cast<qsizetype>(wildcards.size()) == bytes.size())
        return refused(ExtraText::FindOnlyWildcards);
    FindPattern pattern;
    pattern.typed = text.simplified();
    if (!wildcards.empty()) {
        // The view's search takes the wildcard as a byte value: one the pattern itself does not
        // hold, or a real byte would match anything.
        std::array<int, 256> uses{};
        for (const char byte : std::as_const(bytes))
            ++uses[static_cast<quint8>(byte)];
        for (const qsizetype position : wildcards)
            --uses[static_cast<quint8>(bytes[position])];
        const auto free = std::ranges::find(uses, 0);
        if (free == uses.end())
            return refused(ExtraText::FindTooManyValues);
        pattern.wildcard = static_cast<int>(free - uses.begin());
        for (const qsizetype position : wildcards)
            bytes[position] = static_cast<char>(pattern.wildcard);
    }
    pattern.bytes = bytes;
    return {pattern, {}};
}

ParsedFindPattern FindPattern::fromText(const QString& field, bool ignoreCase)
{
    // A text pasted with the line end or tab it was copied with brings control characters the
    // field shows as blanks; none can be typed, so those at the ends are not looked for.
    const auto isControl = [](QChar c) { return c.category() == QChar::Other_Control; };
    const QChar* first = std::ranges::find_if_not(field, isControl);
    const QChar* last = std::ranges::find_if_not(field | std::views::reverse, isControl).base();
    const QString text = first < last ? QString(first, last - first) : QString();
    if (text.isEmpty())
        return refused(ExtraText::FindEmpty);
    // Each character as the byte the character column shows it for (the euro sign for 0x80).
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const int byte = c <= 0xFFFF ? textByteOf(QChar(static_cast<char16_t>(c))) : -1;
        if (byte < 0)
            return refused(ExtraText::FindTextNotShown, QString::fromUcs4(&c, 1));
        bytes.append(static_cast<char>(byte));
    }
    return {FindPattern{.bytes = bytes, .isText = true, .ignoreCase = ignoreCase, .typed = text}, {}};
}

qint64 FindPattern::findIn(HexEditor& view, qint64 from) const
{
    const qint64 last = view.DataSize() - 1;
    if (from < 0 || from > last)
        return -1;
    if (isText) {
        const QByteArray prepared = view.PrepareFindText(bytes, ignoreCase, true);
        return view.Find(prepared.constData(), prepared.size(), from, last, ignoreCase);
    }
    if (wildcard >= 0)
        return view.FindWithWildcard(bytes.constData(), bytes.size(), from, last, false,
            static_cast<char>(wildcard));
    return view.Find(bytes.constData(), bytes.size(), from, last, false);
}
