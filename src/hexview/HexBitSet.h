#pragma once

#include <QtGlobal>

#include <cstdint>
#include <vector>

// One bit per byte offset of the store, grown on demand; bits beyond the size read as clear.
class HexBitSet {
public:
    [[nodiscard]] qint64 size() const noexcept { return m_size; }
    [[nodiscard]] bool test(qint64 index) const noexcept;
    void set(qint64 index, bool value);
    // Drops every bit from index on (used when data after a point moved or vanished).
    void truncate(qint64 size);
    void clear() noexcept;
    [[nodiscard]] bool any() const noexcept;

private:
    std::vector<std::uint64_t> m_words;
    qint64 m_size = 0;
};
