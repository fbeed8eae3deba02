#include "chipdb/ChipName.h"

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
    // The text ends at a NUL as the stored bytes do; the loop below relies on that, since a NUL
    // is neither skipped as a blank nor able to start a part.
    const qsizetype nul = name.indexOf(QChar(u'\0'));
    const QStringView text = QStringView(name).first(nul < 0 ? name.size() : nul);
    const qsizetype n = text.size();

    QStringList parts;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlankOrControl(text[i]))
            ++i;
    };

    skipBlanks();
    while (i < n) {
        QString part;
        if (text[i] == kQuote) {
            ++i;
            while (i < n) {
                if (text[i] == kQuote) {
                    if (i + 1 < n && text[i + 1] == kQuote) {
                        part += QChar(kQuote);
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                part += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isBlankOrControl(text[i]) && text[i] != kComma)
                ++i;
            part = text.sliced(start, i - start).toString();
        }
        parts.append(part);
        skipBlanks();
        if (i < n && text[i] == kComma) {
            if (i == n - 1)
                parts.append(QString());
            ++i;
            skipBlanks();
        }
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
