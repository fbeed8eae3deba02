#pragma once

#include "chipdb/ChipLists.h"
#include "programmer/OperationHost.h"

#include <array>

class ChipDatabase;

// The window's three chip lists without the widgets, for chip detection on a terminal: the same
// pass fills and chooses them, so detection chooses the same chip here as there.
class CliChipLists final : public ChipListSelection {
public:
    explicit CliChipLists(const ChipDatabase& database) : m_lists(database) {}

    int findItem(ChipList list, const QString& text) const override { return m_lists.find(of(list), text); }
    int position(ChipList list) const override { return m_position[index(list)]; }
    QString selectedText(ChipList list) const override { return m_lists.items(of(list)).value(position(list)); }
    int rememberedIndex(ChipList list) const override { return m_remembered[index(list)]; }
    void setRememberedIndex(ChipList list, int position) override { m_remembered[index(list)] = position; }
    void selectChip(int type, int manufacturer, int model) override;

    // Slot of the current chip: the one the last selectChip that found its model chose; -1 until
    // one was chosen.
    [[nodiscard]] int currentChip() const { return m_currentChip; }
    // Whether the last selectChip found its model. When it did not, the current chip is still an
    // earlier one, which the window keeps showing; a command must not take it for the new one.
    [[nodiscard]] bool lastChoiceFound() const { return m_lastChoiceFound; }

private:
    [[nodiscard]] static std::size_t index(ChipList list) { return static_cast<std::size_t>(list); }
    [[nodiscard]] static ChipLists::List of(ChipList list) { return static_cast<ChipLists::List>(list); }

    ChipLists m_lists;
    std::array<int, 3> m_position{-1, -1, -1};
    std::array<int, 3> m_remembered{0, 0, 0};
    int m_currentChip = -1;
    bool m_lastChoiceFound = false;
};
