#include "chipdb/ChipRecord.h"

#include "chipdb/GbkCodec.h"

#include <algorithm>
#include <cstring>

namespace {

// Where the file record keeps each number, little-endian, and how many bytes it takes; the
// struct's own offsets are checked against the same numbers in the header.
struct FieldPlace {
    ChipField field;
    std::size_t offset;
    std::size_t width;
};
constexpr FieldPlace kPlaces[] = {
    {ChipField::ChipId, 48, 4},     {ChipField::FlashSize, 52, 4},  {ChipField::FlashPage, 56, 2},
    {ChipField::Family, 58, 1},     {ChipField::SubType, 59, 1},    {ChipField::Delay, 60, 2},
    {ChipField::XmlLink, 62, 2},    {ChipField::EepromSize, 64, 2}, {ChipField::EepromPage, 66, 1},
    {ChipField::Voltage, 67, 1},
};

// Calls use with the member that holds the field, const or not as the record is.
template <typename Record, typename Use>
void withField(Record& record, ChipField which, Use use)
{
    switch (which) {
    case ChipField::ChipId: return use(record.chipId);
    case ChipField::FlashSize: return use(record.flashSize);
    case ChipField::FlashPage: return use(record.flashPage);
    case ChipField::Family: return use(record.family);
    case ChipField::SubType: return use(record.subType);
    case ChipField::Delay: return use(record.delay);
    case ChipField::XmlLink: return use(record.xmlLink);
    case ChipField::EepromSize: return use(record.eepromSize);
    case ChipField::EepromPage: return use(record.eepromPage);
    case ChipField::Voltage: return use(record.voltage);
    }
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
    withField(*this, which, [value]<typename T>(T& member) { member = static_cast<T>(value); });
}

quint32 ChipRecord::field(ChipField which) const
{
    quint32 value = 0;
    withField(*this, which, [&value](const auto& member) { value = member; });
    return value;
}

ChipRecord ChipRecord::fromBytes(std::span<const char, Size> bytes)
{
    ChipRecord r;
    std::memcpy(r.name.data(), bytes.data(), NameSize);
    for (const FieldPlace& place : kPlaces) {
        quint32 value = 0;
        for (std::size_t i = 0; i < place.width; ++i)
            value |= quint32{static_cast<quint8>(bytes[place.offset + i])} << (8 * i);
        r.setField(place.field, value);
    }
    return r;
}

void ChipRecord::toBytes(std::span<char, Size> out) const
{
    std::memcpy(out.data(), name.data(), NameSize);
    for (const FieldPlace& place : kPlaces) {
        const quint32 value = field(place.field);
        for (std::size_t i = 0; i < place.width; ++i)
            out[place.offset + i] = static_cast<char>(value >> (8 * i));
    }
}
