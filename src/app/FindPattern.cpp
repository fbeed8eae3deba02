#include "FindPattern.h"

#include "text/MessageCatalogExtra.h"
#include "hexview/HexEditor.h"
#include "hexview/HexTypes.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
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
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const QStringList tokens = text.split(separators, Qt::SkipEmptyParts);
    if (tokens.isEmpty())
        return refused(ExtraText::FindEmpty);
    QByteArray bytes;
    std::array<bool, 256> used{};
    std::vector<qsizetype> wildcards;  // positions of ?? in bytes
    for (const QString& token : tokens) {
        QStringView digits(token);
        if (digits.startsWith(u"0x", Qt::CaseInsensitive))
            digits = digits.mid(2);
        if (digits.isEmpty() || digits.size() % 2 != 0)
            return refused(ExtraText::FindBadHexByte, token);
        for (qsizetype i = 0; i < digits.size(); i += 2) {
            if (digits[i] == u'?' && digits[i + 1] == u'?') {
                wildcards.push_back(bytes.size());
                bytes.append('\0');
                continue;
            }
            const int high = hexDigitValue(digits[i]);
            const int low = hexDigitValue(digits[i + 1]);
            if (high < 0 || low < 0)
                return refused(ExtraText::FindBadHexByte, token);
            const int value = high * 16 + low;
            used[static_cast<std::size_t>(value)] = true;
            bytes.append(static_cast<char>(value));
        }
    }
    if (static_cast<qsizetype>(wildcards.size()) == bytes.size())
        return refused(ExtraText::FindOnlyWildcards);
    FindPattern pattern;
    pattern.typed = text.simplified();
    if (!wildcards.empty()) {
        // The view's search takes the wildcard as a byte value: one the pattern itself does not
        // hold, or a real byte would match anything.
        const auto free = std::find(used.begin(), used.end(), false);
        if (free == used.end())
            return refused(ExtraText::FindTooManyValues);
        pattern.wildcard = static_cast<int>(free - used.begin());
        for (const qsizetype position : wildcards)
            bytes[position] = static_cast<char>(pattern.wildcard);
    }
    pattern.bytes = bytes;
    return {pattern, {}};
}

ParsedFindPattern FindPattern::fromText(const QString& text, bool ignoreCase)
{
    if (text.isEmpty())
        return refused(ExtraText::FindEmpty);
    for (const char32_t c : text.toUcs4()) {
        if (c > 0xFF)
            return refused(ExtraText::FindTextNotShown, QString::fromUcs4(&c, 1));
    }
    FindPattern pattern;
    pattern.bytes = text.toLatin1();
    pattern.isText = true;
    pattern.ignoreCase = ignoreCase;
    pattern.typed = text;
    return {pattern, {}};
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
