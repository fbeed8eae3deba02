#include "chipdb/ChipLists.h"

#include "chipdb/ChipDatabase.h"
#include "chipdb/ChipName.h"

#include <algorithm>

int ChipLists::find(List list, const QString& text) const
{
    const QStringList& items = m_items[list];
    const auto it = std::ranges::find_if(items, [&text](const QString& item) {
        return item.compare(text, Qt::CaseInsensitive) == 0;
    });
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

int ChipLists::select(int type, int manufacturer, int model)
{
    QStringList& types = m_items[Type];
    QStringList& manufacturers = m_items[Manufacturer];
    QStringList& models = m_items[Model];
    manufacturers.clear();
    models.clear();
    int chosen = -1;
    const std::span<const ChipRecord> chips = m_database.chips();
    for (std::size_t slot = 0; slot < chips.size(); ++slot) {
        const ChipNameParts parts = chipNamePartsForLists(chips[slot].nameText());
        if (find(Type, parts.type) < 0)
            types.append(parts.type);
        if (parts.type != types.value(type))
            continue;
        if (!parts.manufacturer.isEmpty() && find(Manufacturer, parts.manufacturer) < 0)
            manufacturers.append(parts.manufacturer);
        if (parts.manufacturer != manufacturers.value(manufacturer))
            continue;
        if (parts.model.isEmpty() || find(Model, parts.model) >= 0)
            continue;
        if (models.size() == model)
            chosen = static_cast<int>(slot);
        models.append(parts.model);
    }
    return chosen;
}
