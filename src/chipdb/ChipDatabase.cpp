#include "chipdb/ChipDatabase.h"

#include <algorithm>

int ChipDatabase::count() const
{
    const auto end = std::find_if(m_slots.begin(), m_slots.end(),
                                  [](const ChipRecord& r) { return r.isTerminator(); });
    return static_cast<int>(end - m_slots.begin());
}

std::span<const ChipRecord> ChipDatabase::chips() const
{
    return std::span<const ChipRecord>(m_slots).first(static_cast<std::size_t>(count()));
}
