#include "InputImage.h"

#include "CliCommand.h"
#include "OutputFile.h"

#include "text/HexDigit.h"
#include "text/MessageCatalogExtra.h"

#include <algorithm>

namespace {

bool allHexDigits(std::span<const std::uint8_t> bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t c) { return hexDigitValue(char32_t{c}) >= 0; });
}

// The text record format whose first record an image starts like: ":" and the eight digits of
// count, offset and type, or "S0" to "S3" and the four digits of count and address. Nothing
// for anything else: a raw image starts like that only by a rare chance.
std::optional<BufferFileFormat> recordFormatOf(std::span<const std::uint8_t> image)
{
    if (image.size() >= 9 && image[0] == ':' && allHexDigits(image.subspan(1, 8)))
        return BufferFileFormat::IntelHex;
    if (image.size() >= 6 && image[0] == 'S' && image[1] >= '0' && image[1] <= '3' && allHexDigits(image.subspan(2, 4)))
        return BufferFileFormat::SRecord;
    return std::nullopt;
}

}  // namespace

qint32 loadInputImage(const QString& path, std::optional<BufferFileFormat> format, std::span<std::uint8_t> buffer,
                      BufferFileFeedback& feedback, QByteArray* capsuleHeader)
{
    if (isStandardStream(path)) {
        // No name to choose the format by, and no second look at the data either.
        if (!format) {
            feedback.showError(ExtraMessages::text(ExtraText::StandardInputNeedsFormat));
            return 0;
        }
        return OpenBufferFileAs(*format, QStringLiteral("/dev/stdin"), buffer, feedback);
    }
    const bool chosenByName = !format;
    if (!format)
        format = OpenFormatFor(path, feedback);
    if (!format)
        return 0;
    const qint32 length = OpenBufferFileAs(*format, path, buffer, feedback, capsuleHeader);
    // Text records loaded as binary program their characters, not their data.
    const auto looksLike = recordFormatOf(buffer.first(static_cast<std::size_t>(std::max(length, 0))));
    if (chosenByName && *format == BufferFileFormat::Binary && looksLike) {
        const bool hex = *looksLike == BufferFileFormat::IntelHex;
        const QString warning = ExtraMessages::text(ExtraText::CliReadAsBinary)
                                    .arg(path, hex ? QStringLiteral("Intel HEX") : QStringLiteral("S-record"),
                                         QLatin1String(imageFormat(*looksLike).name));
        printError(warning);
    }
    return length;
}
