#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// How a production serial number is written into the image: binary in 2, 4 or 8 bytes, little-
// or big-endian (le16 ... be64), or as W characters of decimal digits (ascii:W, zero-padded) or
// upper-case hex digits (hex:W).
class SerialFormat {
public:
    enum class Kind { LittleEndian, BigEndian, Decimal, Hex };

    // le16, be16, le32, be32, le64, be64, ascii:W, hex:W; empty for anything else.
    [[nodiscard]] static std::optional<SerialFormat> parse(const QString& text);

    [[nodiscard]] int width() const { return m_width; }
    // The largest number that fits.
    [[nodiscard]] quint64 largest() const;
    // The bytes of value in this format; empty when it does not fit.
    [[nodiscard]] std::optional<QByteArray> encode(quint64 value) const;

private:
    SerialFormat(Kind kind, int width) : m_kind(kind), m_width(width) {}
    // The digits every format is written with first: a binary one as two hex digits a byte.
    [[nodiscard]] int digits() const { return m_kind == Kind::Decimal || m_kind == Kind::Hex ? m_width : 2 * m_width; }

    Kind m_kind;
    int m_width;
};

// A decimal number as a person types it for a serial, an address, a count or a step: decimal
// or 0x-hex, no sign; empty when it is not one.
[[nodiscard]] std::optional<quint64> parseUnsigned(const QString& text);
