#include "buffer/ImageFormats.h"

#include "buffer/IntelHex.h"
#include "buffer/SRecord.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

constexpr const char* kCapsuleExtensions[] = {".cap"};
constexpr const char* kIntelHexExtensions[] = {".hex"};
constexpr const char* kSRecordExtensions[] = {".src", ".s19", ".s28", ".s37", ".srec", ".sx", ".mot"};

constexpr std::array<ImageFormat, 4> kFormats{{
    {BufferFileFormat::Binary, "bin", {}, nullptr, nullptr},
    {BufferFileFormat::IntelHex, "hex", kIntelHexExtensions, ReadIntelHex, WriteIntelHex},
    {BufferFileFormat::SRecord, "srec", kSRecordExtensions, ReadSRecord, WriteSRecord},
    // A chip holds no capsule header, so a capsule is chosen by its name only.
    {BufferFileFormat::Capsule, "", kCapsuleExtensions, nullptr, nullptr},
}};

}  // namespace

std::span<const ImageFormat> imageFormats()
{
    return kFormats;
}

const ImageFormat& imageFormat(BufferFileFormat format)
{
    return *std::find_if(kFormats.begin(), kFormats.end(), [format](const ImageFormat& f) { return f.format == format; });
}

std::optional<BufferFileFormat> formatOfExtension(QStringView extension)
{
    for (const ImageFormat& format : kFormats) {
        if (std::any_of(format.extensions.begin(), format.extensions.end(),
                        [extension](const char* known) { return extension == QLatin1String(known); }))
            return format.format;
    }
    return std::nullopt;
}

std::optional<BufferFileFormat> formatNamed(QStringView name)
{
    for (const ImageFormat& format : kFormats) {
        if (*format.name != '\0' && name == QLatin1String(format.name))
            return format.format;
    }
    return std::nullopt;
}

QString imageFormatNames(QStringView separator, QStringView last)
{
    QStringList names;
    for (const ImageFormat& format : kFormats) {
        if (*format.name != '\0')
            names << QLatin1String(format.name);
    }
    const QString final = last.isEmpty() || names.size() < 2 ? QString() : last.toString() + names.takeLast();
    return names.join(separator) + final;
}

QString imageFormatExtensions(BufferFileFormat format, QStringView prefix, QStringView separator)
{
    QStringList extensions;
    for (const char* extension : imageFormat(format).extensions)
        extensions << prefix.toString() + QLatin1String(extension);
    return extensions.join(separator);
}
