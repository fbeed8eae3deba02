#include "buffer/ImageChecksum.h"

#include <QCryptographicHash>

#include <zlib.h>

#include <algorithm>

namespace {
// zlib counts lengths in unsigned int; slices keep every call well inside that.
constexpr std::size_t ZlibSlice = 1u << 30;
}  // namespace

QString ImageChecksums::line() const
{
    return QStringLiteral("CRC32 %1  SHA-256 %2  %3 bytes").arg(crc32Text(crc32), QString::fromLatin1(sha256.toHex())).arg(bytes);
}

ImageChecksums imageChecksums(std::span<const quint8> image)
{
    QCryptographicHash sha(QCryptographicHash::Sha256);
    sha.addData(QByteArrayView(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size())));
    return {crc32Continue(crc32Start(), image), sha.result(), static_cast<qint64>(image.size())};
}

quint32 crc32Start()
{
    return static_cast<quint32>(::crc32(0L, Z_NULL, 0));
}

quint32 crc32Continue(quint32 crc, std::span<const quint8> bytes)
{
    uLong value = crc;
    while (!bytes.empty()) {
        const std::size_t n = std::min(bytes.size(), ZlibSlice);
        value = ::crc32(value, bytes.data(), static_cast<uInt>(n));
        bytes = bytes.subspan(n);
    }
    return static_cast<quint32>(value);
}

QString crc32Text(quint32 crc)
{
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}
