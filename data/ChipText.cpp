#include "ChipText.h"

#include "chipdb/GbkCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr int kNameColumns = 3;
constexpr int kColumnCount = 13;

// Column widths of the canonical text; a longer value is followed by a single blank. They fit
// the longest values of the default database, so its columns line up for review.
constexpr std::array<int, kColumnCount - 1> kWidths{11, 13, 17, 10, 10, 10, 7, 8, 6, 8, 11, 11};

constexpr std::array<ChipField, kColumnCount - kNameColumns> kNumericFields{
    ChipField::ChipId,     ChipField::FlashSize, ChipField::FlashPage, ChipField::Family,
    ChipField::SubType,    ChipField::Delay,     ChipField::XmlLink,   ChipField::EepromSize,
    ChipField::EepromPage, ChipField::Voltage};

bool isSeparator(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Splits one line into its columns; quoted columns lose their quotes. Empty optional with
// error set on a malformed line.
std::optional<QStringList> splitColumns(const QString& line, QString& error)
{
    QStringList columns;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && isSeparator(line[i]))
            ++i;
        if (i >= n)
            return columns;
        QString column;
        if (line[i] == u'"') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        column += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                column += line[i++];
            }
            if (!closed) {
                error = QStringLiteral("a quoted column has no closing quote");
                return std::nullopt;
            }
            if (i < n && !isSeparator(line[i])) {
                error = QStringLiteral("a closing quote must be followed by a blank");
                return std::nullopt;
            }
        } else {
            const qsizetype start = i;
            while (i < n && !isSeparator(line[i])) {
                if (line[i] == u'"') {
                    error = QStringLiteral("a double quote inside a column must be quoted");
                    return std::nullopt;
                }
                ++i;
            }
            column = line.mid(start, i - start);
        }
        columns.append(column);
    }
}

// Decimal, or hexadecimal after 0x; no sign, no octal (a leading 0 stays decimal).
std::optional<quint64> parseNumber(const QString& text)
{
    const bool hex = text.startsWith(u"0x") || text.startsWith(u"0X");
    const QStringView digits = QStringView(text).mid(hex ? 2 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        const bool ok = hex ? (c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f'))
                            : (c >= u'0' && c <= u'9');
        if (!ok || c.unicode() > 0x7F)
            return std::nullopt;
    }
    bool ok = false;
    const quint64 value = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t')
            return true;
    }
    return false;
}

// Fills rec from the columns of one chip line; returns the error text or an empty string.
QString recordFromColumns(const QStringList& columns, ChipRecord& rec)
{
    const QStringList& names = chipTextFields();
    for (int c = 0; c < kNameColumns; ++c) {
        // The model may hold further ",": the name is split at its first two only.
        if (c < 2 && columns[c].contains(u','))
            return QStringLiteral("%1 '%2' must not contain ','").arg(names[c], columns[c]);
        if (hasControlCharacter(columns[c]))
            return QStringLiteral("%1 holds a control character").arg(names[c]);
    }
    const QString name = columns[0] + u',' + columns[1] + u',' + columns[2];
    const std::optional<QByteArray> packed = encodeGbk(name);
    if (!packed)
        return QStringLiteral("name '%1' holds a character GBK cannot represent").arg(name);
    if (packed->size() > static_cast<qsizetype>(ChipRecord::MaxNameBytes)) {
        return QStringLiteral("name '%1' takes %2 bytes packed, at most %3 fit")
            .arg(name)
            .arg(packed->size())
            .arg(ChipRecord::MaxNameBytes);
    }
    rec = ChipRecord{};
    if (!rec.setNameText(name))
        return QStringLiteral("name '%1' cannot be stored").arg(name);

    for (int i = 0; i < static_cast<int>(kNumericFields.size()); ++i) {
        const int c = kNameColumns + i;
        const std::optional<quint64> value = parseNumber(columns[c]);
        if (!value)
            return QStringLiteral("bad number '%1' for %2").arg(columns[c], names[c]);
        const quint64 maximum = ChipRecord::fieldMaximum(kNumericFields[i]);
        if (*value > maximum) {
            return QStringLiteral("%1 %2 does not fit the field (at most %3)")
                .arg(names[c], columns[c])
                .arg(maximum);
        }
        rec.setField(kNumericFields[i], static_cast<qint64>(*value));
    }
    // Records the programs would refuse to work with are no chips to ship.
    if (!isChipCapacity(rec.flashSize))
        return QStringLiteral("flashSize %1 is no power of two from %2").arg(rec.flashSize).arg(MinChipCapacity);
    if (!isChipFamily(rec.family))
        return QStringLiteral("family %1 is none of 0 to %2").arg(rec.family).arg(ChipFamilyCount - 1);
    return {};
}

QString quoteIfNeeded(const QString& column)
{
    const bool plain = !column.isEmpty() && !column.startsWith(u'#') && !column.contains(u' ')
                       && !column.contains(u'\t') && !column.contains(u'"');
    if (plain)
        return column;
    QString quoted = column;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void appendLine(QString& out, const QStringList& columns)
{
    for (int c = 0; c < columns.size(); ++c) {
        out += columns[c];
        if (c + 1 == columns.size())
            break;
        const int width = kWidths[static_cast<std::size_t>(c)];
        out += QString(std::max<qsizetype>(1, width - columns[c].size()), u' ');
    }
    out += u'\n';
}

} // namespace

const QStringList& chipTextFields()
{
    static const QStringList fields{
        QStringLiteral("type"),    QStringLiteral("manufacturer"), QStringLiteral("model"),
        QStringLiteral("chipId"),  QStringLiteral("flashSize"),    QStringLiteral("flashPage"),
        QStringLiteral("family"),  QStringLiteral("subType"),      QStringLiteral("delay"),
        QStringLiteral("xmlLink"), QStringLiteral("eepromSize"),   QStringLiteral("eepromPage"),
        QStringLiteral("voltage")};
    return fields;
}

ChipTextReadResult readChipText(QByteArrayView utf8, const QString& fileName, ChipDatabase& db)
{
    ChipTextReadResult result;
    const auto fail = [&](int lineNumber, const QString& what) {
        result.error = QStringLiteral("%1:%2: %3").arg(fileName).arg(lineNumber).arg(what);
        return result;
    };

    bool headerSeen = false;
    int lineNumber = 0;
    qsizetype pos = 0;
    while (pos < utf8.size()) {
        qsizetype end = utf8.indexOf('\n', pos);
        if (end < 0)
            end = utf8.size();
        QByteArrayView raw = utf8.sliced(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (lineNumber == 1 && raw.startsWith("\xEF\xBB\xBF"))
            raw = raw.sliced(3);

        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(raw);
        if (decoder.hasError())
            return fail(lineNumber, QStringLiteral("the line is not valid UTF-8"));
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;

        QString error;
        const std::optional<QStringList> columns = splitColumns(line, error);
        if (!columns)
            return fail(lineNumber, error);
        if (!headerSeen) {
            if (*columns != chipTextFields()) {
                return fail(lineNumber, QStringLiteral("the first line must name the columns: ")
                                            + chipTextFields().join(u' '));
            }
            headerSeen = true;
            continue;
        }
        if (columns->size() != kColumnCount) {
            return fail(lineNumber, QStringLiteral("expected %1 columns, found %2")
                                        .arg(kColumnCount)
                                        .arg(columns->size()));
        }
        if (result.count == MaxChipTextRecords) {
            return fail(lineNumber,
                        QStringLiteral("more than %1 chips; the database holds at most %1")
                            .arg(MaxChipTextRecords));
        }
        error = recordFromColumns(*columns, db[result.count]);
        if (!error.isEmpty())
            return fail(lineNumber, error);
        ++result.count;
    }
    if (!headerSeen)
        return fail(lineNumber, QStringLiteral("no header line naming the columns"));
    return result;
}

ChipTextWriteResult writeChipText(std::span<const ChipRecord> chips)
{
    ChipTextWriteResult result;
    QString out;
    appendLine(out, chipTextFields());
    for (std::size_t slot = 0; slot < chips.size(); ++slot) {
        const ChipRecord& rec = chips[slot];
        const auto fail = [&](const QString& what) {
            result.error = QStringLiteral("slot %1: %2").arg(slot).arg(what);
            result.text.clear();
            return result;
        };
        const QByteArray bytes = rec.nameBytes();
        if (bytes.size() > static_cast<qsizetype>(ChipRecord::MaxNameBytes))
            return fail(QStringLiteral("the name has no NUL within its first 47 bytes"));
        const QString name = decodeGbk(bytes);
        if (encodeGbk(name) != bytes)
            return fail(QStringLiteral("the name is not valid GBK text"));
        if (hasControlCharacter(name))
            return fail(QStringLiteral("the name '%1' holds a control character").arg(name));
        // Split as the editor does, at the first two ",": the model keeps any further ",", so
        // joining the columns again restores the name.
        const qsizetype first = name.indexOf(u',');
        const qsizetype second = first < 0 ? -1 : name.indexOf(u',', first + 1);
        if (second < 0)
            return fail(QStringLiteral("the name '%1' does not hold three texts").arg(name));
        QStringList columns{quoteIfNeeded(name.left(first)),
                            quoteIfNeeded(name.mid(first + 1, second - first - 1)),
                            quoteIfNeeded(name.mid(second + 1))};
        for (const ChipField field : kNumericFields) {
            const quint32 value = rec.field(field);
            columns.append(field == ChipField::ChipId
                               ? QStringLiteral("0x")
                                     + QString::number(value, 16).toUpper().rightJustified(6, u'0')
                               : QString::number(value));
        }
        appendLine(out, columns);
    }
    result.text = out.toUtf8();
    return result;
}
