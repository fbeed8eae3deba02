#include "HexOffsetFormat.h"

#include "HexTypes.h"

#include "HexEditorError.h"

#include <QRegularExpression>

namespace {

// The value of hex digits; it stops growing past 2^40, which is past every valid number.
qint64 hexValue(QStringView digits)
{
    qint64 value = 0;
    for (const QChar c : digits)
        if (value < (qint64{1} << 40))
            value = value * 16 + hexDigitValue(c);
    return value;
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
    // Unit ("R%", "C%" or hex digits and "%"), width ("-!" or hex digits and "!"), radix
    // digits and ":"; each digit run is read whole, so the first alternative that fits is the
    // only one.
    static const QRegularExpression grammar(QStringLiteral(
        "^(?:([RrCc])%|([0-9A-Fa-f]*)%)?(?:(-)!|([0-9A-Fa-f]*)!)?([0-9A-Fa-f]*)(:?)"));
    const QRegularExpressionMatch m = grammar.match(format);
    if (m.hasCaptured(1)) {
        f.m_unitKind = m.captured(1).toUpper() == u'R' ? UnitKind::Rows : UnitKind::ColumnGroups;
    } else if (m.capturedLength(2) > 0) {
        const qint64 unit = hexValue(m.capturedView(2));
        if (!hexIsUnit(unit))
            throw HexEditorError(QString::fromLatin1(HexMessages::BytesPerUnit).arg(unit));
        f.m_unitKind = UnitKind::Fixed;
        f.m_fixedUnit = static_cast<int>(unit);
    }
    f.m_autoWidth = m.hasCaptured(3);
    if (m.capturedLength(4) > 0)
        f.m_minWidth = static_cast<int>(std::min<qint64>(hexValue(m.capturedView(4)), 64));

    if (m.capturedLength(5) == 0)
        missing(QStringLiteral("number radix"));
    if (m.capturedLength(6) == 0)
        missing(QStringLiteral(":"));
    const qint64 radix = hexValue(m.capturedView(5));
    if (radix < 2 || radix > 16)
        throw HexEditorError(QString::fromLatin1(HexMessages::InvalidRadix)
                                 .arg(QString::number(radix, 16).toUpper()));
    f.m_radix = static_cast<int>(radix);

    // Prefix | suffix.
    const qsizetype bar = format.indexOf(QLatin1Char('|'), m.capturedEnd(0));
    if (bar < 0)
        missing(QStringLiteral("|"));
    f.m_prefix = format.mid(m.capturedEnd(0), bar - m.capturedEnd(0));
    f.m_suffix = format.mid(bar + 1);
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
