#pragma once

#include <QChar>

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
