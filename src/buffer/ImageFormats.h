#pragma once

#include "buffer/BufferFileFeedback.h"

#include <QIODevice>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <span>

// The image file formats in one table: the name the command line gives each (--from, --to), the
// file-name extensions that choose it, and the codec of the text formats. Open and save, the
// command line, the window's file dialogs and the help texts all read it from here.

enum class BufferFileFormat { Binary, Capsule, IntelHex, SRecord };

// A text format's codec on an open device (IntelHex.h, SRecord.h).
using ImageReader = qint32 (*)(QIODevice& device, std::span<std::uint8_t> buffer, BufferFileFeedback& feedback);
using ImageWriter = bool (*)(QIODevice& device, std::span<const std::uint8_t> data);

struct ImageFormat {
    BufferFileFormat format;
    const char* name;                         // on the command line; empty: none (the capsule)
    std::span<const char* const> extensions;  // lower case, with the dot; binary takes every other
    ImageReader read;                              // null for the raw formats, whose bytes are the image
    ImageWriter write;
};

// Every format, those with a command-line name first, in the order the names are listed.
[[nodiscard]] std::span<const ImageFormat> imageFormats();
[[nodiscard]] const ImageFormat& imageFormat(BufferFileFormat format);

// The format an extension (lower case, with its dot) chooses; empty when no format claims it.
[[nodiscard]] std::optional<BufferFileFormat> formatOfExtension(QStringView extension);
// The format of a command-line name (exact, lower case); empty for any other name.
[[nodiscard]] std::optional<BufferFileFormat> formatNamed(QStringView name);

// The command-line names joined by `separator` ("bin|hex|srec"); the last two are joined by
// `last` when it is given ("bin, hex or srec").
[[nodiscard]] QString imageFormatNames(QStringView separator, QStringView last = {});
// A format's extensions, each after `prefix`, joined by `separator` ("*.src *.s19 ...").
[[nodiscard]] QString imageFormatExtensions(BufferFileFormat format, QStringView prefix, QStringView separator);
