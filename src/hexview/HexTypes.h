#pragma once

#include "text/HexDigit.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

enum TranslationKind { tkAsIs, tkDos8, tkASCII, tkMac, tkBCD, tkCustom };
enum HexCaretKind { ckFull, ckLeft, ckBottom, ckAuto };
enum HexProgressKind { pkLoad, pkSave, pkFind };

// The sizes a unit (of selection, insertion, offset counting) may have: 1, 2, 4 or 8 bytes.
[[nodiscard]] constexpr bool hexIsUnit(qint64 bytes) { return bytes == 1 || bytes == 2 || bytes == 4 || bytes == 8; }

// Appends v as four bytes, least significant first: the integers of the clipboard blocks and
// of the undo records.
inline void hexPut32(QByteArray& out, std::uint32_t v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    out.append(b, 4);
}

// The fifteen colours of the control. Defaults that name system colours are taken from the
// application palette when the set is built, so a themed desktop gets matching cells.
struct HexColors {
    QColor Background;
    QColor ActiveFieldBackground;
    QColor ChangedText;
    QColor ChangedBackground;
    QColor CursorFrame;
    QColor NonFocusCursorFrame;
    QColor Offset;
    QColor OddColumn;
    QColor EvenColumn;
    QColor CurrentOffsetBackground;
    QColor CurrentOffset;
    QColor OffsetBackground;
    QColor Grid;
    // Bytes marked as differing from another image. A fixed pair, apart from the changed-byte
    // pair, so the marks read the same on a light or a dark desktop.
    QColor DifferenceText;
    QColor DifferenceBackground;

    [[nodiscard]] static HexColors defaults();
    bool operator==(const HexColors&) const = default;
};

struct HexBookmark {
    qint64 position = -1;   // -1: not set
    bool inCharField = false;
    bool operator==(const HexBookmark&) const = default;
};

using HexBookmarks = std::array<HexBookmark, 10>;

// A run of bytes, first and last included.
struct HexRange {
    qint64 start = 0;
    qint64 end = 0;
    bool operator==(const HexRange&) const = default;
};

// Display names of the translations and of the two 16-bit character modes.
[[nodiscard]] QString translationName(TranslationKind kind);
[[nodiscard]] QString translationShortName(TranslationKind kind);
[[nodiscard]] QString unicodeModeName(bool bigEndian);
[[nodiscard]] QString unicodeModeShortName(bool bigEndian);
