#include "InputImage.h"

std::optional<BufferFileFormat> parseImageFormat(const QString& name)
{
    if (name == QLatin1String("bin"))
        return BufferFileFormat::Binary;
    if (name == QLatin1String("hex"))
        return BufferFileFormat::IntelHex;
    if (name == QLatin1String("srec"))
        return BufferFileFormat::SRecord;
    return std::nullopt;
}

qint32 loadInputImage(const QString& path, std::optional<BufferFileFormat> format, std::span<std::uint8_t> buffer,
                      BufferFileFeedback& feedback)
{
    if (!format)
        format = OpenFormatFor(path, feedback);
    if (!format)
        return 0;
    return OpenBufferFileAs(*format, path, buffer, feedback);
}
