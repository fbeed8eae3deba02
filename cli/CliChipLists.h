#pragma once

#include "programmer/OperationHost.h"

#include <QStringList>

#include <array>

class ChipDatabase;

// The window's three chip lists without the widgets, for chip detection on a terminal. They are
// filled and chosen exactly as the window fills its drop-down lists, so detection chooses the
// same chip here as there.
class CliChipLists final : public ChipListSelection {
public:
    explicit CliChipLists(const ChipDatabase& database) : m_database(database) {}

    int findItem(ChipList list, const QString& text) const override;
    int position(ChipList list) const override { return m_position[index(list)]; }
    QString selectedText(ChipList list) const override;
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

    const ChipDatabase& m_database;
    std::array<QStringList, 3> m_items;
    std::array<int, 3> m_position{-1, -1, -1};
    std::array<int, 3> m_remembered{0, 0, 0};
    int m_currentChip = -1;
    bool m_lastChoiceFound = false;
};
