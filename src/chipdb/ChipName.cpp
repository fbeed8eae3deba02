#include "chipdb/ChipName.h"

#include <QRegularExpression>

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

QStringList SplitChipName(const QString& name)
{
    // The text ends at a NUL as the stored bytes do.
    const QString text = name.left(name.indexOf(QChar(u'\0')));
    // A part, quoted or not, then the blanks after it and the "," that ends it with the blanks
    // after that.
    static const QRegularExpression kPart(QStringLiteral(
        "(?:\"((?:[^\"]|\"\")*)\"?|([^,\\x00-\\x20]*))[\\x00-\\x20]*(?:(,)[\\x00-\\x20]*)?"));
    QStringList parts;
    qsizetype at = 0;
    while (at < text.size() && isBlankOrControl(text[at]))
        ++at;
    while (at < text.size()) {
        const QRegularExpressionMatch part = kPart.match(text, at, QRegularExpression::NormalMatch,
                                                         QRegularExpression::AnchorAtOffsetMatchOption);
        parts.append(text[at] == kQuote ? part.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\""))
                                        : part.captured(2));
        if (part.capturedEnd(3) == text.size())
            parts.append(QString());
        at = part.capturedEnd();
    }
    return parts;
}

ChipNameParts splitChipNameForEditor(const QString& name)
{
    // A missing "," leaves the text before it empty and everything in the part after it.
    auto cut = [](QStringView text) -> std::pair<QString, QString> {
        const qsizetype comma = text.indexOf(kComma);
        if (comma < 0)
            return {QString(), text.toString()};
        return {text.first(comma).toString(), text.sliced(comma + 1).toString()};
    };
    const auto [type, rest] = cut(name);
    const auto [manufacturer, model] = cut(rest);
    return {type, manufacturer, model};
}

QString trimChipText(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

ChipNameParts chipNamePartsForLists(const QString& name)
{
    const QStringList parts = SplitChipName(name);
    auto part = [&](qsizetype i) { return i < parts.size() ? trimChipText(parts[i]) : QString(); };
    return {part(0), part(1), part(2)};
}

QString joinChipName(const QString& type, const QString& manufacturer, const QString& model)
{
    return trimChipText(type) + QChar(kComma) + trimChipText(manufacturer) + QChar(kComma)
        + trimChipText(model);
}
