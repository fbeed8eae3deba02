#include "CliChipLists.h"

void CliChipLists::selectChip(int type, int manufacturer, int model)
{
    const int slot = m_lists.select(type, manufacturer, model);
    m_lastChoiceFound = slot >= 0;
    if (m_lastChoiceFound)
        m_currentChip = slot;
    // A position outside its list leaves that list with no item chosen.
    const std::array<int, 3> positions{type, manufacturer, model};
    for (std::size_t list = 0; list < 3; ++list) {
        const qsizetype size = m_lists.items(static_cast<ChipLists::List>(list)).size();
        m_position[list] = positions[list] >= 0 && positions[list] < size ? positions[list] : -1;
    }
}
