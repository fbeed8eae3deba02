#pragma once

#include <QString>

class ChipDatabase;

// Choosing the chip of a command by its model name, as a person types it: letter case does not
// matter, the manufacturer is needed only where makers share a model name, and a name that is
// not in the database is answered with the names that come closest. Returns the chip's slot, or
// -1 after printing why none was chosen.
[[nodiscard]] int findChipByModel(const ChipDatabase& database, const QString& model, const QString& maker = {});
