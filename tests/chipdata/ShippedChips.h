#pragma once

// The default chip database as the build ships it, read once through the program's own loader
// and split into its name parts, for the self-check tests.

#include "chipdb/ChipDatabase.h"

#include <QString>

#include <string>
#include <vector>

struct ShippedChip {
    int slot;
    QString type;
    QString maker;
    QString model;
    const ChipRecord* rec;
    [[nodiscard]] std::string label() const;
};

[[nodiscard]] const ChipDatabase& shippedDatabase();
[[nodiscard]] const std::vector<ShippedChip>& shippedChips();
