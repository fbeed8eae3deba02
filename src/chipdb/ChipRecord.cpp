#include "chipdb/ChipRecord.h"

#include "chipdb/GbkCodec.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Offsets of the fields in the file record; the struct's own offsets are checked against the
// same numbers in the header, these are the ones the byte order code relies on.
constexpr std::size_t kChipId = 48;
constexpr std::size_t kFlashSize = 52;
constexpr std::size_t kFlashPage = 56;
constexpr std::size_t kFamily = 58;
constexpr std::size_t kSubType = 59;
constexpr std::size_t kDelay = 60;
constexpr std::size_t kXmlLink = 62;
constexpr std::size_t kEepromSize = 64;
constexpr std::size_t kEepromPage = 66;
constexpr std::size_t kVoltage = 67;

template <typename T>
T readLe(std::span<const char, ChipRecord::Size> bytes, std::size_t offset)
{
    return qFromLittleEndian<T>(bytes.data() + offset);
}

template <typename T>
void writeLe(std::span<char, ChipRecord::Size> out, std::size_t offset, T value)
{
    qToLittleEndian<T>(value, out.data() + offset);
}

} // namespace

QByteArray ChipRecord::nameBytes() const
{
    const auto end = std::find(name.begin(), name.end(), '\0');
    return QByteArray(name.data(), static_cast<qsizetype>(end - name.begin()));
}

QString ChipRecord::nameText() const
{
    return decodeGbk(nameBytes());
}

bool ChipRecord::setNameText(const QString& text)
{
    const std::optional<QByteArray> bytes = encodeGbk(text);
    if (!bytes || static_cast<std::size_t>(bytes->size()) > MaxNameBytes || bytes->contains('\0'))
        return false;
    name.fill('\0');
    std::memcpy(name.data(), bytes->constData(), static_cast<std::size_t>(bytes->size()));
    return true;
}

void ChipRecord::setField(ChipField which, qint64 value)
{
    const auto u8 = static_cast<quint8>(value);
    const auto u16 = static_cast<quint16>(value);
    const auto u32 = static_cast<quint32>(value);
    switch (which) {
    case ChipField::ChipId: chipId = u32; break;
    case ChipField::FlashSize: flashSize = u32; break;
    case ChipField::FlashPage: flashPage = u16; break;
    case ChipField::Family: family = u8; break;
    case ChipField::SubType: subType = u8; break;
    case ChipField::Delay: delay = u16; break;
    case ChipField::XmlLink: xmlLink = u16; break;
    case ChipField::EepromSize: eepromSize = u16; break;
    case ChipField::EepromPage: eepromPage = u8; break;
    case ChipField::Voltage: voltage = u8; break;
    }
}

quint32 ChipRecord::field(ChipField which) const
{
    switch (which) {
    case ChipField::ChipId: return chipId;
    case ChipField::FlashSize: return flashSize;
    case ChipField::FlashPage: return flashPage;
    case ChipField::Family: return family;
    case ChipField::SubType: return subType;
    case ChipField::Delay: return delay;
    case ChipField::XmlLink: return xmlLink;
    case ChipField::EepromSize: return eepromSize;
    case ChipField::EepromPage: return eepromPage;
    case ChipField::Voltage: return voltage;
    }
    return 0;
}

ChipRecord ChipRecord::fromBytes(std::span<const char, Size> bytes)
{
    ChipRecord r;
    std::memcpy(r.name.data(), bytes.data(), NameSize);
    r.chipId = readLe<quint32>(bytes, kChipId);
    r.flashSize = readLe<quint32>(bytes, kFlashSize);
    r.flashPage = readLe<quint16>(bytes, kFlashPage);
    r.family = static_cast<quint8>(bytes[kFamily]);
    r.subType = static_cast<quint8>(bytes[kSubType]);
    r.delay = readLe<quint16>(bytes, kDelay);
    r.xmlLink = readLe<quint16>(bytes, kXmlLink);
    r.eepromSize = readLe<quint16>(bytes, kEepromSize);
    r.eepromPage = static_cast<quint8>(bytes[kEepromPage]);
    r.voltage = static_cast<quint8>(bytes[kVoltage]);
    return r;
}

void ChipRecord::toBytes(std::span<char, Size> out) const
{
    std::memcpy(out.data(), name.data(), NameSize);
    writeLe<quint32>(out, kChipId, chipId);
    writeLe<quint32>(out, kFlashSize, flashSize);
    writeLe<quint16>(out, kFlashPage, flashPage);
    out[kFamily] = static_cast<char>(family);
    out[kSubType] = static_cast<char>(subType);
    writeLe<quint16>(out, kDelay, delay);
    writeLe<quint16>(out, kXmlLink, xmlLink);
    writeLe<quint16>(out, kEepromSize, eepromSize);
    out[kEepromPage] = static_cast<char>(eepromPage);
    out[kVoltage] = static_cast<char>(voltage);
}
