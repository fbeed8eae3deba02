#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <span>

// The two fingerprints of a chip image that production records carry: the CRC32 every other
// tool shows (zlib's, the IEEE polynomial) and a SHA-256.
struct ImageChecksums {
    quint32 crc32 = 0;
    QByteArray sha256;  // 32 bytes
    qint64 bytes = 0;   // how many bytes both cover

    // "CRC32 1A2B3C4D  SHA-256 <64 lower-case hex digits>  1024 bytes": two sums compare only
    // when they cover the same bytes, so the line says how many.
    [[nodiscard]] QString line() const;
};

[[nodiscard]] ImageChecksums imageChecksums(std::span<const quint8> image);

// CRC32 continued over more bytes: start with crc32Start() and feed the image in pieces, so a
// long image can be summed a slice at a time.
[[nodiscard]] quint32 crc32Start();
[[nodiscard]] quint32 crc32Continue(quint32 crc, std::span<const quint8> bytes);

// Eight upper-case hex digits.
[[nodiscard]] QString crc32Text(quint32 crc);
