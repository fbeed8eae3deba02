#pragma once

#include <QString>

// The fill dialog's refusal of a range outside the buffer; last is the highest address, in hex.
[[nodiscard]] QString fillRangeInvalidText(const QString& last);
