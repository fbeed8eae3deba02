#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The value of one hexadecimal digit, either case, or -1 for any other character. Every parser
// of hex text (records, fill values, the chip grid, the hex view) reads its digits through this.
[[nodiscard]] constexpr int hexDigitValue(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f')
        return static_cast<int>(c - U'a') + 10;
    if (c >= U'A' && c <= U'F')
        return static_cast<int>(c - U'A') + 10;
    return -1;
}

[[nodiscard]] constexpr int hexDigitValue(QChar c)
{
    return hexDigitValue(char32_t{c.unicode()});
}

// Hexadecimal digits as a signed 32-bit value: one or more digits, at most 8 significant ones
// (leading zeros do not count), the value wrapping into the signed range (FFFFFFFF reads as -1).
// Anything else, an empty text, a sign, a prefix or blanks included, is no number.
[[nodiscard]] inline std::optional<qint32> hexNumber32(const QString& digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint32 value = 0;
    int significant = 0;
    for (const QChar c : digits) {
        const int nibble = hexDigitValue(c);
        if (nibble < 0)
            return std::nullopt;
        if (significant > 0 || nibble != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        value = (value << 4) | static_cast<quint32>(nibble);
    }
    return static_cast<qint32>(value);
}
