#include "buffer/ImageFormats.h"

#include "buffer/IntelHex.h"
#include "buffer/SRecord.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kCapsuleExtensions[] = {".cap"};
constexpr std::string_view kIntelHexExtensions[] = {".hex"};
constexpr std::string_view kSRecordExtensions[] = {".src", ".s19", ".s28", ".s37", ".srec", ".sx", ".mot"};

constexpr std::array<ImageFormat, 4> kFormats{{
    {BufferFileFormat::Binary, "bin", {}, nullptr, nullptr},
    {BufferFileFormat::IntelHex, "hex", kIntelHexExtensions, ReadIntelHex, WriteIntelHex},
    {BufferFileFormat::SRecord, "srec", kSRecordExtensions, ReadSRecord, WriteSRecord},
    // A chip holds no capsule header, so a capsule is chosen by its name only.
    {BufferFileFormat::Capsule, {}, kCapsuleExtensions, nullptr, nullptr},
}};

QString textOf(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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
        for (const std::string_view known : format.extensions) {
            if (extension == QLatin1String(known.data(), static_cast<qsizetype>(known.size())))
                return format.format;
        }
    }
    return std::nullopt;
}

std::optional<BufferFileFormat> formatNamed(QStringView name)
{
    for (const ImageFormat& format : kFormats) {
        if (!format.name.empty() && name == QLatin1String(format.name.data(), static_cast<qsizetype>(format.name.size())))
            return format.format;
    }
    return std::nullopt;
}

QString imageFormatNames(QStringView separator, QStringView last)
{
    QStringList names;
    for (const ImageFormat& format : kFormats) {
        if (!format.name.empty())
            names << textOf(format.name);
    }
    if (last.isEmpty() || names.size() < 2)
        return names.join(separator);
    const QString final = names.takeLast();
    return names.join(separator) + last.toString() + final;
}

QString imageFormatExtensions(BufferFileFormat format, QStringView prefix, QStringView separator)
{
    QStringList extensions;
    for (const std::string_view extension : imageFormat(format).extensions)
        extensions << prefix.toString() + textOf(extension);
    return extensions.join(separator);
}
