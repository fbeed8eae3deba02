#pragma once

#include <QByteArray>
#include <QStringView>

#include <vector>

// Bytes written as hex text, as a person types them and as other programs copy them: pairs of
// hex digits, either case, separated by blanks, commas, line ends or nothing, each group
// optionally led by 0x ("DE AD", "dead", "0xDE,0xAD", "DE\r\nAD"). With wildcards, ?? stands for
// any one byte. Nothing else is read: a text that holds anything else is refused whole, naming
// the first character that could not be read, so that no text ever turns into other bytes.
namespace HexByteText {

struct Parsed {
    QByteArray bytes;                 // a wildcard's place holds 0
    std::vector<qsizetype> wildcards; // positions in bytes of the ?? bytes
    qsizetype badAt = -1;             // index in the text of the first unreadable character
    [[nodiscard]] bool ok() const { return badAt < 0; }
};

[[nodiscard]] Parsed parse(QStringView text, bool wildcards = false);

// The separators between groups of digits.
[[nodiscard]] bool isSeparator(QChar c);

}  // namespace HexByteText
