#pragma once

#include "HexTypes.h"

#include <array>
#include <cstdint>
#include <span>
#include <utility>

using HexByteTable = std::array<std::uint8_t, 256>;

// The character the character field shows for a display byte: the byte's code point, except
// that 0x80..0x9F are the Windows-1252 characters there (the euro sign for 0x80). Null for the
// five codes that table leaves unassigned.
[[nodiscard]] QChar ansiChar(std::uint8_t byte);
// The display byte showing a character, the inverse of ansiChar; -1 when none shows it.
[[nodiscard]] int ansiByteOf(QChar ch);
// The display byte a character of a text stands for: ansiByteOf, else for U+0080..U+009F their
// own code, as the view's copies carry those bytes as Latin-1 text; -1 for any other character.
[[nodiscard]] int textByteOf(QChar ch);

// Every byte to itself: the table of tkAsIs and of a search that matches bytes exactly.
[[nodiscard]] const HexByteTable& hexIdentityTable();

// Byte translation between the data's character set and the 8-bit display set (Latin-1 code
// points with the Windows-1252 extras). Built-in tables are shared; the custom pair belongs to
// one control so a program can fill it without affecting other controls.
class HexTranslation {
public:
    HexTranslation();

    // Data byte -> display byte, and display byte -> data byte.
    [[nodiscard]] const HexByteTable& toAnsi(TranslationKind kind) const { return tables(kind).first; }
    [[nodiscard]] const HexByteTable& fromAnsi(TranslationKind kind) const { return tables(kind).second; }

    // Replaces the custom pair; the reverse table is derived (first preimage wins, else '?').
    void setCustomToAnsi(const HexByteTable& table);

    void translateToAnsi(TranslationKind kind, std::span<std::uint8_t> bytes) const;
    void translateFromAnsi(TranslationKind kind, std::span<std::uint8_t> bytes) const;

private:
    [[nodiscard]] std::pair<const HexByteTable&, const HexByteTable&> tables(TranslationKind kind) const;

    HexByteTable m_customTo;
    HexByteTable m_customFrom;
};
