#include "chipdb/ChipRecord.h"

#include "chipdb/GbkCodec.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

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

// The members lie exactly where the file record keeps them (the header checks every offset), so
// a record is its bytes; only the numbers' byte order is the file's own, little-endian.
template <typename Convert>
ChipRecord withFileByteOrder(ChipRecord record, Convert convert)
{
    for (int which = 0; which <= static_cast<int>(ChipField::Voltage); ++which)
        withField(record, static_cast<ChipField>(which), [convert](auto& member) { member = convert(member); });
    return record;
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

quint32 ChipRecord::fieldMaximum(ChipField which)
{
    quint32 most = 0;
    ChipRecord record;
    withField(record, which, [&most]<typename T>(const T&) { most = std::numeric_limits<T>::max(); });
    return most;
}

ChipRecord ChipRecord::fromBytes(std::span<const char, Size> bytes)
{
    static_assert(std::is_trivially_copyable_v<ChipRecord>);
    ChipRecord r;
    std::memcpy(&r, bytes.data(), Size);
    return withFileByteOrder(r, [](auto value) { return qFromLittleEndian(value); });
}

void ChipRecord::toBytes(std::span<char, Size> out) const
{
    const ChipRecord r = withFileByteOrder(*this, [](auto value) { return qToLittleEndian(value); });
    std::memcpy(out.data(), &r, Size);
}
