#pragma once

#include "chipdb/ChipRecord.h"

#include <array>
#include <span>

// The fixed table of chip slots. The chip list is the run of slots from 0 up to, not including,
// the first terminator record (or all slots when there is none); slots after it keep whatever
// they held and are not part of the list.
class ChipDatabase {
public:
    static constexpr int SlotCount = 1000;

    // Slot access; slot must lie in 0..SlotCount-1.
    [[nodiscard]] ChipRecord& operator[](int slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    [[nodiscard]] const ChipRecord& operator[](int slot) const
    {
        return m_slots[static_cast<std::size_t>(slot)];
    }

    // Number of chips in the list.
    [[nodiscard]] int count() const;
    // The chips of the list, slot 0 first.
    [[nodiscard]] std::span<const ChipRecord> chips() const;
    // Every slot, list and beyond.
    [[nodiscard]] std::span<const ChipRecord, SlotCount> table() const { return m_slots; }

private:
    std::array<ChipRecord, SlotCount> m_slots{};
};
