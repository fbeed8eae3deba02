#include "CliChipLists.h"

#include "chipdb/ChipDatabase.h"
#include "chipdb/ChipName.h"

namespace {

// Whether a list holds the text, letter case ignored (the drop-down lists' own rule).
bool holds(const QStringList& items, const QString& text)
{
    return items.contains(text, Qt::CaseInsensitive);
}

}  // namespace

int CliChipLists::findItem(ChipList list, const QString& text) const
{
    const QStringList& items = m_items[index(list)];
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QString CliChipLists::selectedText(ChipList list) const
{
    return m_items[index(list)].value(m_position[index(list)]);
}

void CliChipLists::selectChip(int type, int manufacturer, int model)
{
    QStringList& types = m_items[0];
    QStringList& manufacturers = m_items[1];
    QStringList& models = m_items[2];
    manufacturers.clear();
    models.clear();
    m_lastChoiceFound = false;
    int modelsAdded = 0;
    const std::span<const ChipRecord> chips = m_database.chips();
    for (std::size_t slot = 0; slot < chips.size(); ++slot) {
        const ChipNameParts parts = chipNamePartsForLists(chips[slot].nameText());
        if (!holds(types, parts.type))
            types.append(parts.type);
        // The lists grow during the pass: an item not added yet compares as an empty text, and
        // the comparisons with the chosen items are exact, letter case included.
        if (parts.type != types.value(type))
            continue;
        if (!parts.manufacturer.isEmpty() && !holds(manufacturers, parts.manufacturer))
            manufacturers.append(parts.manufacturer);
        if (parts.manufacturer != manufacturers.value(manufacturer))
            continue;
        if (parts.model.isEmpty() || holds(models, parts.model))
            continue;
        models.append(parts.model);
        if (modelsAdded == model) {
            m_currentChip = static_cast<int>(slot);
            m_lastChoiceFound = true;
        }
        ++modelsAdded;
    }
    const std::array<int, 3> positions{type, manufacturer, model};
    for (std::size_t list = 0; list < 3; ++list)
        m_position[list] = positions[list] >= 0 && positions[list] < m_items[list].size() ? positions[list] : -1;
}
