#pragma once

#include "buffer/BufferFileFeedback.h"

#include <QIODevice>
#include <QtGlobal>

#include <cstdint>
#include <span>

// Intel HEX: records 00 (data), 01 (end), 02 (segment base) and 04 (linear base) are read, 03
// and 05 skipped; the writer emits 32-byte data records, a type 04 record at every 64 KiB
// boundary the data crosses, and the end record. Lines end in CR LF, digits are upper case.

// Files are read and written through OpenBufferFileAs and saveImageFile (BufferFile.h).

// Loads the records into `buffer` (its size is the capacity) and returns the number of bytes
// from the start of the buffer up to and including the highest byte a data record set, or 0
// after any error, which is shown through `feedback` with the file's line number. Bytes no
// record sets keep their value; bytes stored before an error stay.
[[nodiscard]] qint32 ReadIntelHex(QIODevice& device, std::span<std::uint8_t> buffer, BufferFileFeedback& feedback);

// Writes `data` as Intel HEX records. False when the device does not take every byte, or when
// the data does not fit the format's 4 GiB address space.
[[nodiscard]] bool WriteIntelHex(QIODevice& device, std::span<const std::uint8_t> data);
