#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct ChipRecord;

// The largest block the routines' scratch buffers hold; every page size of the database fits.
inline constexpr int MaxBlockSize = 256;

// Whether an operation may run on this record with a data buffer of bufferSize bytes. A record
// from a damaged database file could otherwise make a read run past the buffer (a capacity or
// a last block beyond it), a page-wise erase never end (page size 0), a block overrun the
// scratch buffer, or an operation complete having done nothing (a family no routine knows, a
// capacity of 0 or one no chip has). Returns the message to show when the record is refused.
[[nodiscard]] std::optional<QString> checkChipRecord(const ChipRecord& chip, qint64 bufferSize);
