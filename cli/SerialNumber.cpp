#include "SerialNumber.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

// The widest text form: 20 decimal digits hold every 64-bit number, 16 hex digits too.
constexpr int MaxTextWidth = 20;

}  // namespace

std::optional<quint64> parseUnsigned(const QString& text)
{
    if (text.isEmpty() || text.startsWith(u'-') || text.startsWith(u'+') || text.trimmed() != text)
        return std::nullopt;
    bool ok = false;
    const quint64 value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toULongLong(&ok, 16)
                                                                                     : text.toULongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<SerialFormat> SerialFormat::parse(const QString& text)
{
    static const QRegularExpression binary(QStringLiteral("^(le|be)(16|32|64)$"));
    static const QRegularExpression digits(QStringLiteral("^(ascii|hex):([0-9]{1,2})$"));
    if (const QRegularExpressionMatch m = binary.match(text); m.hasMatch())
        return SerialFormat(m.captured(1) == u"le" ? Kind::LittleEndian : Kind::BigEndian, m.captured(2).toInt() / 8);
    if (const QRegularExpressionMatch m = digits.match(text); m.hasMatch()) {
        const int width = m.captured(2).toInt();
        if (width < 1 || width > MaxTextWidth)
            return std::nullopt;
        return SerialFormat(m.captured(1) == u"ascii" ? Kind::Decimal : Kind::Hex, width);
    }
    return std::nullopt;
}

quint64 SerialFormat::largest() const
{
    // Every digit at its highest; more digits than 64 bits hold take every number.
    const bool decimal = m_kind == Kind::Decimal;
    bool ok = false;
    const quint64 largest = QByteArray(digits(), decimal ? '9' : 'F').toULongLong(&ok, decimal ? 10 : 16);
    return ok ? largest : std::numeric_limits<quint64>::max();
}

std::optional<QByteArray> SerialFormat::encode(quint64 value) const
{
    const QByteArray number = QByteArray::number(value, m_kind == Kind::Decimal ? 10 : 16).toUpper();
    if (number.size() > digits())
        return std::nullopt;
    const QByteArray text = QByteArray(digits() - number.size(), '0') + number;
    if (m_kind == Kind::Decimal || m_kind == Kind::Hex)
        return text;
    QByteArray bytes = QByteArray::fromHex(text);  // big-endian
    if (m_kind == Kind::LittleEndian)
        std::reverse(bytes.begin(), bytes.end());
    return bytes;
}
