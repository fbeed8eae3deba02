#pragma once

#include <QStringList>

// The labels the editor lists for the family and sub-type codes, in list order. The list
// position is the code except for the 93 family, whose codes are subType93CodeFromPosition().
[[nodiscard]] QStringList chipFamilyLabels();
// Empty for a family outside 0..4.
[[nodiscard]] QStringList chipSubTypeLabels(int family);

// Family 2 list positions 0..4 are the 8-bit parts (codes 7..11), 5..9 the 16-bit parts (87..91).
[[nodiscard]] int subType93CodeFromPosition(int position);
[[nodiscard]] int subType93PositionFromCode(int code);
