#pragma once

#include <QString>
#include <QStringList>

class ChipDatabase;

// Choosing the chip of a command by its model name, as a person types it: letter case does not
// matter, the manufacturer is needed only where makers share a model name, and a name that is
// not in the database is answered with the names that come closest. Returns the chip's slot, or
// -1 after printing why none was chosen.
[[nodiscard]] int findChipByModel(const ChipDatabase& database, const QString& model, const QString& maker = {});

// The models of the database nearest to name, closest first, at most count of them: those that
// contain the name (or that it contains) before the rest, then by edit distance.
[[nodiscard]] QStringList closestModels(const ChipDatabase& database, const QString& name, int count = 5);
