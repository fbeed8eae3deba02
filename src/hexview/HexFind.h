#pragma once

#include "HexTranslation.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <functional>
#include <span>

// Lower-case of a byte of the 8-bit display set (Latin-1 with the Windows-1252 extras).
[[nodiscard]] std::uint8_t hexAnsiLower(std::uint8_t c) noexcept;

// The two comparison tables of a search: every data byte is mapped before it is compared.
struct HexFindTables {
    HexByteTable identity{};
    // Data byte -> display set -> lower case -> back, so case folds under any translation.
    HexByteTable ignoreCase{};

    [[nodiscard]] static HexFindTables build(const HexTranslation& tables, TranslationKind kind);
};

// How a typed search text becomes the bytes to look for.
struct HexSearchTextOptions {
    bool ignoreCase = false;
    bool translate = false;        // apply the view's translation (display set -> data)
    TranslationKind translation = tkAsIs;
    bool unicode = false;          // 16-bit characters
    bool unicodeBigEndian = false;
};

// The search text (display-set bytes) prepared for a search of the view's data.
[[nodiscard]] QByteArray hexPrepareSearchText(QByteArrayView text, const HexTranslation& tables,
                                              const HexSearchTextOptions& options);

struct HexFindRequest {
    std::span<const std::uint8_t> pattern;
    qint64 from = 0;
    qint64 to = 0;                          // inclusive; clipped to the last byte
    const HexByteTable* table = nullptr;    // null: identity
    int wildcard = -1;                      // a pattern byte that matches any data byte; -1: none
    // Called with the start position every progressStep compared positions (0: never).
    qint64 progressStep = 0;
    std::function<void(qint64 position)> progress;
};

// Position of the first match that lies wholly inside from..to, or -1. The scan runs in slices
// of start positions (for progress and speed), but every comparison reads the data itself, so a
// match across a slice boundary is found like any other.
[[nodiscard]] qint64 hexFind(std::span<const std::uint8_t> data, const HexFindRequest& request);
