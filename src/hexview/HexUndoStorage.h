#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

enum HexUndoFlag {
    ufKindBytesChanged,
    ufKindByteRemoved,
    ufKindInsertBuffer,
    ufKindReplace,
    ufKindAppendBuffer,
    ufKindNibbleInsert,
    ufKindNibbleDelete,
    ufKindConvert,
    ufKindSelection,
    ufKindCombined,
    ufKindAllData,
    ufFlagByte1Changed,
    ufFlagByte2Changed,
    ufFlagModified,
    ufFlag2ndByteCol,
    ufFlagInCharField,
    ufFlagHasSelection,
    ufFlagInsertMode,
    ufFlagIsUnicode,
    ufFlagIsUnicodeBigEndian,
    ufFlagHasDescription,
};

constexpr std::uint32_t hexUndoBit(HexUndoFlag f) { return std::uint32_t{1} << f; }

// One undo step, decoded. On the wire (little-endian, unaligned): size, flags, caret, position,
// count, replaced count, translation (1 byte), bytes per unit, saved bytes (at least one),
// [description, its length], [selection start, end, anchor], size again.
struct HexUndoRecord {
    std::uint32_t flags = 0;
    std::int32_t caret = 0;
    std::int32_t position = 0;
    std::int32_t count = 0;
    std::int32_t replaced = 0;
    std::uint8_t translation = 0;
    std::int32_t bytesPerUnit = 1;
    QByteArray saved;
    QString description;  // only with ufFlagHasDescription
    std::int32_t selStart = -1, selEnd = -1, selAnchor = -1;  // only with ufFlagHasSelection

    [[nodiscard]] HexUndoFlag kind() const;
    [[nodiscard]] bool has(HexUndoFlag f) const { return flags & hexUndoBit(f); }
    [[nodiscard]] QByteArray encode() const;
    // Decodes one record; nullopt when the bytes are not a consistent record.
    [[nodiscard]] static std::optional<HexUndoRecord> decode(const char* data, qint64 size);
};

[[nodiscard]] QString hexUndoDefaultDescription(HexUndoFlag kind);

// The undo records back to back, oldest first, in one growable block. Dropping the oldest
// advances a head offset (compacted lazily), so a store at its byte limit stays cheap per edit.
class HexUndoStorage {
public:
    // Drops oldest records while the store exceeds maxUndo (> 0), then appends; the newest
    // record may thus take the store past the limit.
    void append(const HexUndoRecord& record, qint64 maxUndo);
    [[nodiscard]] std::optional<HexUndoRecord> newest() const;
    void removeNewest();
    void clear();

    [[nodiscard]] int count() const noexcept { return m_count; }
    [[nodiscard]] qint64 size() const noexcept { return qint64(m_bytes.size()) - m_head; }
    // The records as stored, oldest first.
    [[nodiscard]] QByteArray bytes() const { return m_bytes.mid(m_head); }

    int updateCount = 0;
    // The group being recorded wrote data (HexEditorEx's described groups use it).
    bool groupWrote = false;

private:
    void dropOldest();

    QByteArray m_bytes;
    qint64 m_head = 0;
    int m_count = 0;
};
