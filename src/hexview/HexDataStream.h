#pragma once

#include "HexTranslation.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

// The byte store of the hex view: one contiguous, growable block with a stream position. Every
// direct access is bounds-checked and raises HexEditorError before anything is touched, so a
// failing call leaves the store as it was.
class HexDataStream {
public:
    [[nodiscard]] qint64 size() const noexcept { return static_cast<qint64>(m_bytes.size()); }
    // New bytes (when growing) get `fill`.
    void setSize(qint64 size, std::uint8_t fill = 0);
    // Grows or shrinks without filling: for callers that overwrite every new byte at once.
    void setSizeForOverwrite(qint64 size);
    void clear() noexcept;

    [[nodiscard]] qint64 position() const noexcept { return m_position; }
    // Positions past the end are allowed, as for any stream; a later write grows the store.
    void seek(qint64 position);
    // Reads up to count bytes from the position; returns how many were read.
    qint64 read(void* buffer, qint64 count);
    // Writes at the position, growing the store when needed.
    void write(const void* buffer, qint64 count);

    [[nodiscard]] const std::uint8_t* addressOf(qint64 position, qint64 count) const;
    [[nodiscard]] std::uint8_t* addressOf(qint64 position, qint64 count);
    [[nodiscard]] std::span<const std::uint8_t> bytes() const noexcept
    {
        return {reinterpret_cast<const std::uint8_t*>(m_bytes.constData()), std::size_t(m_bytes.size())};
    }

    void readAt(qint64 position, void* buffer, qint64 count) const;
    void writeAt(qint64 position, const void* buffer, qint64 count);
    [[nodiscard]] std::uint8_t at(qint64 position) const;
    [[nodiscard]] QByteArray copy(qint64 position, qint64 count) const;
    // Copies count bytes from one place of the store to another; the ranges may overlap.
    void move(qint64 from, qint64 to, qint64 count);
    // Opens a gap of count bytes at position (filled from data, or zero when data is null).
    void insert(qint64 position, const void* data, qint64 count);
    void remove(qint64 position, qint64 count);

    void translateToAnsi(const HexTranslation& tables, TranslationKind kind, qint64 position,
                         qint64 count);
    void translateFromAnsi(const HexTranslation& tables, TranslationKind kind, qint64 position,
                           qint64 count);
    // Two hex digits per byte, no separators.
    [[nodiscard]] QString hexText(qint64 position, qint64 count, bool lowerCase = false) const;

private:
    // Growing leaves new bytes uninitialised until setSize fills them (QByteArray's own rule); a
    // load that overwrites the whole block then costs one copy instead of a fill and a copy.
    QByteArray m_bytes;
    qint64 m_position = 0;
};
