#pragma once

#include "HexTypes.h"

#include <array>
#include <cstdint>
#include <span>

using HexByteTable = std::array<std::uint8_t, 256>;

// Byte translation between the data's character set and the 8-bit display set (Latin-1 code
// points with the Windows-1252 extras). Built-in tables are shared; the custom pair belongs to
// one control so a program can fill it without affecting other controls.
class HexTranslation {
public:
    HexTranslation();

    // Data byte -> display byte, and display byte -> data byte.
    [[nodiscard]] const HexByteTable& toAnsi(TranslationKind kind) const;
    [[nodiscard]] const HexByteTable& fromAnsi(TranslationKind kind) const;

    // Replaces the custom pair; the reverse table is derived (first preimage wins, else '?').
    void setCustomToAnsi(const HexByteTable& table);

    void translateToAnsi(TranslationKind kind, std::span<std::uint8_t> bytes) const;
    void translateFromAnsi(TranslationKind kind, std::span<std::uint8_t> bytes) const;

private:
    HexByteTable m_customTo;
    HexByteTable m_customFrom;
};
