#pragma once

#include "buffer/BufferFileFeedback.h"

#include <QIODevice>
#include <QtGlobal>

#include <cstdint>
#include <span>

// Motorola S-records: data from S1, S2 and S3 records, reading stops at the first S7, S8 or S9,
// and S0, S4, S5, S6 are skipped. The writer emits the header "S00600004844521B", 16-byte data
// records of one width chosen by the total length (S1 up to 0xFFFF bytes, S2 up to 0xFFFFFF,
// S3 above) and the matching termination record, lines ending in CR LF.

// Files are read and written through OpenBufferFileAs and saveImageFile (BufferFile.h).

// Loads the records into `buffer` (its size is the capacity) and returns the number of bytes
// from the start of the buffer up to and including the highest byte a data record set, or 0
// after any error, which is shown through `feedback`. Bytes stored before an error stay.
[[nodiscard]] qint32 ReadSRecord(QIODevice& device, std::span<std::uint8_t> buffer, BufferFileFeedback& feedback);

// Writes `data` as S-records. False when the device does not take every byte, or when the data
// does not fit the format's 4 GiB address space.
[[nodiscard]] bool WriteSRecord(QIODevice& device, std::span<const std::uint8_t> data);
