#include "SerialNumber.h"

#include <QRegularExpression>

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
    constexpr quint64 All = std::numeric_limits<quint64>::max();
    switch (m_kind) {
    case Kind::LittleEndian:
    case Kind::BigEndian:
        return m_width >= 8 ? All : (quint64{1} << (8 * m_width)) - 1;
    case Kind::Hex:
        return m_width >= 16 ? All : (quint64{1} << (4 * m_width)) - 1;
    case Kind::Decimal: {
        quint64 largest = 0;
        for (int i = 0; i < m_width && largest <= (All - 9) / 10; ++i)
            largest = largest * 10 + 9;
        return m_width >= MaxTextWidth ? All : largest;
    }
    }
    return 0;
}

std::optional<QByteArray> SerialFormat::encode(quint64 value) const
{
    switch (m_kind) {
    case Kind::LittleEndian:
    case Kind::BigEndian: {
        if (m_width < 8 && value >> (8 * m_width) != 0)
            return std::nullopt;
        QByteArray bytes(m_width, '\0');
        for (int i = 0; i < m_width; ++i) {
            const int at = m_kind == Kind::LittleEndian ? i : m_width - 1 - i;
            bytes[at] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return bytes;
    }
    case Kind::Decimal:
    case Kind::Hex: {
        const QByteArray digits = QByteArray::number(value, m_kind == Kind::Decimal ? 10 : 16).toUpper();
        if (digits.size() > m_width)
            return std::nullopt;
        return QByteArray(m_width - digits.size(), '0') + digits;
    }
    }
    return std::nullopt;
}
