#include "HexOffsetFormat.h"

#include "HexTypes.h"

#include "HexEditorError.h"

namespace {

// Reads hex digits from i on; returns the digit count and leaves i behind them.
int readHex(const QString& s, int& i, qint64& value)
{
    value = 0;
    int n = 0;
    while (i < s.size() && hexDigitValue(s[i]) >= 0) {
        if (value < (qint64{1} << 40))
            value = value * 16 + hexDigitValue(s[i]);
        ++i;
        ++n;
    }
    return n;
}

// Reads hex digits from i on that `mark` ends: leaves i behind the mark and returns the digit
// count. Without the mark i stays where it was and the result is -1.
int readHexUpTo(const QString& s, int& i, QChar mark, qint64& value)
{
    int end = i;
    const int digits = readHex(s, end, value);
    if (end >= s.size() || s[end] != mark)
        return -1;
    i = end + 1;
    return digits;
}

[[noreturn]] void missing(const QString& what)
{
    throw HexEditorError(QString::fromLatin1(HexMessages::MissingChar).arg(what));
}

} // namespace

HexOffsetFormat HexOffsetFormat::parse(const QString& format)
{
    HexOffsetFormat f;
    f.m_source = format;
    if (format.isEmpty())
        return f;
    const QString& s = format;
    int i = 0;
    qint64 value = 0;

    // Unit.
    const QChar unitLetter = s.size() >= 2 && s[1] == QLatin1Char('%') ? s[0].toUpper() : QChar();
    if (unitLetter == QLatin1Char('R') || unitLetter == QLatin1Char('C')) {
        f.m_unitKind = unitLetter == QLatin1Char('R') ? UnitKind::Rows : UnitKind::ColumnGroups;
        i = 2;
    } else if (readHexUpTo(s, i, QLatin1Char('%'), value) > 0) {
        if (!hexIsUnit(value))
            throw HexEditorError(QString::fromLatin1(HexMessages::BytesPerUnit).arg(value));
        f.m_unitKind = UnitKind::Fixed;
        f.m_fixedUnit = static_cast<int>(value);
    }

    // Width.
    if (i + 1 < s.size() && s[i] == QLatin1Char('-') && s[i + 1] == QLatin1Char('!')) {
        f.m_autoWidth = true;
        i += 2;
    } else if (const int digits = readHexUpTo(s, i, QLatin1Char('!'), value); digits >= 0) {
        f.m_minWidth = digits > 0 ? static_cast<int>(std::min<qint64>(value, 64)) : 1;
    }

    // Radix.
    if (readHex(s, i, value) == 0)
        missing(QStringLiteral("number radix"));
    if (i >= s.size() || s[i] != QLatin1Char(':'))
        missing(QStringLiteral(":"));
    ++i;
    if (value < 2 || value > 16)
        throw HexEditorError(QString::fromLatin1(HexMessages::InvalidRadix)
                                 .arg(QString::number(value, 16).toUpper()));
    f.m_radix = static_cast<int>(value);

    // Prefix | suffix.
    const int bar = s.indexOf(QLatin1Char('|'), i);
    if (bar < 0)
        missing(QStringLiteral("|"));
    f.m_prefix = s.mid(i, bar - i);
    f.m_suffix = s.mid(bar + 1);
    return f;
}

int HexOffsetFormat::digitsFor(qint64 value) const
{
    int n = 0;
    for (; value > 0; value /= m_radix)
        ++n;
    return n;
}

QString HexOffsetFormat::format(qint64 position, int unit, int autoDigits, bool lowerCase) const
{
    if (isEmpty()) {
        const QString digits = QString::number(position, 16);
        return lowerCase ? digits : digits.toUpper();
    }
    const qint64 value = position / std::max(unit, 1);
    QString digits = value == 0 ? QString() : QString::number(value, m_radix);
    const int width = m_autoWidth ? autoDigits : m_minWidth;
    digits = digits.rightJustified(width, QLatin1Char('0'));
    return m_prefix + (lowerCase ? digits.toLower() : digits.toUpper()) + m_suffix;
}
