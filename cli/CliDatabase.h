#pragma once

#include <QString>

class ChipDatabase;

// Loads the chip database a command names with --db, or else the window program's own (the one
// a person edits and saves there). False after printing why it cannot be used; with
// requireChips a database that lists no chip is refused too.
[[nodiscard]] bool loadCliDatabase(ChipDatabase& database, const QString& databasePath, bool requireChips);
