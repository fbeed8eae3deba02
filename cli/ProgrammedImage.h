#pragma once

#include <QtGlobal>

#include <span>

struct ChipRecord;

// The part of the buffer a write sends and a verify compares: DataLength rounded up to whole
// pages, at most the chip's size. Its checksums are the ones printed for the operation.
[[nodiscard]] std::span<const quint8> programmedImage(std::span<const quint8> buffer, qint64 dataLength,
                                                      const ChipRecord& chip);
