#pragma once

#include "buffer/BufferFile.h"

#include <QString>

#include <optional>
#include <span>

// The input image of a command: its format forced with --from, or chosen by the file name as
// the window's Open chooses it.

// Loads path into buffer (the caller fills it with 0xFF first); "-" reads standard input, in
// the format that must then be given. Returns the decoded length; 0
// after an error, which feedback has shown. A file chosen as binary by its name that starts
// like an Intel HEX or S-record file gets a warning on stderr naming the --from that reads it.
// `capsuleHeader`, when given, gets the header of a capsule (see OpenBufferFileAs).
[[nodiscard]] qint32 loadInputImage(const QString& path, std::optional<BufferFileFormat> format,
                                    std::span<std::uint8_t> buffer, BufferFileFeedback& feedback,
                                    QByteArray* capsuleHeader = nullptr);
