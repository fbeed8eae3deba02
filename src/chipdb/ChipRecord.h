#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <bit>
#include <cstddef>
#include <span>

// Chip family codes (ChipRecord::family).
enum ChipFamily : quint8 {
    Family25Flash = 0,
    Family24Eeprom = 1,
    Family93Eeprom = 2,
    Family25Eeprom = 3,
    Family95Eeprom = 4,
};
inline constexpr int ChipFamilyCount = 5;

// A record whose family code no routine knows, or whose capacity is no power of two from 64
// bytes, is damaged: operations on it would check or write nothing and still complete.
inline constexpr quint32 MinChipCapacity = 64;
[[nodiscard]] constexpr bool isChipFamily(unsigned family) { return family < ChipFamilyCount; }
[[nodiscard]] constexpr bool isChipCapacity(quint64 bytes)
{
    return bytes >= MinChipCapacity && std::has_single_bit(bytes);
}

// Sub-type codes (ChipRecord::subType); their meaning depends on the family.
enum ChipSubType : quint8 {
    // Family25Flash
    SubTypeFlashNonSst = 0,
    SubTypeFlashSst = 1,
    // Family24Eeprom
    SubType24Below4K = 0,
    SubType24From4K = 1,
    // Family93Eeprom: 7 + k for 8-bit words, 87 + k for 16-bit words, k in part order
    SubType93C46x8 = 7,
    SubType93C57x8 = 8,
    SubType93C66x8 = 9,
    SubType93C76x8 = 10,
    SubType93C86x8 = 11,
    SubType93C46x16 = 87,
    SubType93C57x16 = 88,
    SubType93C66x16 = 89,
    SubType93C76x16 = 90,
    SubType93C86x16 = 91,
    // Family25Eeprom and Family95Eeprom
    SubTypeSpiEepromBelow512 = 0,
    SubTypeSpiEepromFrom512 = 1,
    SubTypeSpiEepromAbove64K = 2,
};

// Supply voltage codes (ChipRecord::voltage).
enum ChipVoltage : quint8 {
    Voltage3V3 = 0,
    Voltage1V8 = 1,
    Voltage5V0 = 2,
};

// The numeric fields by name, for code that fills a record column by column (the editor's save,
// the text form of the database).
enum class ChipField {
    ChipId,
    FlashSize,
    FlashPage,
    Family,
    SubType,
    Delay,
    XmlLink,
    EepromSize,
    EepromPage,
    Voltage,  // the last: the record's byte order is fixed field by field up to it
};

// One chip of the database. The members are laid out exactly as the 68-byte record of the file
// (no padding arises), but the file is always read and written through fromBytes()/toBytes(),
// which fix the little-endian byte order whatever the host's.
struct ChipRecord {
    static constexpr std::size_t Size = 68;
    static constexpr std::size_t NameSize = 48;
    static constexpr std::size_t MaxNameBytes = NameSize - 1;  // the NUL must fit

    // NUL-terminated GBK text "type,manufacturer,model"; a first byte of 0 marks the terminator.
    // A name from a damaged file may fill all 48 bytes without a NUL; readers stop at 48.
    std::array<char, NameSize> name{};
    quint32 chipId = 0;
    quint32 flashSize = 0;
    quint16 flashPage = 0;
    quint8 family = 0;
    quint8 subType = 0;
    quint16 delay = 0;
    quint16 xmlLink = 0;
    quint16 eepromSize = 0;
    quint8 eepromPage = 0;
    quint8 voltage = 0;

    [[nodiscard]] bool isTerminator() const { return name[0] == '\0'; }

    // The name's bytes up to the NUL (at most 48).
    [[nodiscard]] QByteArray nameBytes() const;
    // The name decoded from GBK.
    [[nodiscard]] QString nameText() const;
    // Stores text encoded as GBK. Refused (false, name unchanged) when the text needs more than
    // 47 bytes or holds a character GBK cannot represent; the bytes after the NUL are zeroed.
    [[nodiscard]] bool setNameText(const QString& text);

    // Stores the low 8, 16 or 32 bits of value, as wide as the field is (so an eepromSize of
    // 65,536 becomes 0 and an eepromPage of 256 becomes 0).
    void setField(ChipField field, qint64 value);
    [[nodiscard]] quint32 field(ChipField field) const;
    // The largest value the field stores whole: 255, 65,535 or 4,294,967,295.
    [[nodiscard]] static quint32 fieldMaximum(ChipField field);

    [[nodiscard]] static ChipRecord fromBytes(std::span<const char, Size> bytes);
    void toBytes(std::span<char, Size> out) const;

    friend bool operator==(const ChipRecord&, const ChipRecord&) = default;
};

static_assert(sizeof(ChipRecord) == ChipRecord::Size);
static_assert(offsetof(ChipRecord, name) == 0);
static_assert(offsetof(ChipRecord, chipId) == 48);
static_assert(offsetof(ChipRecord, flashSize) == 52);
static_assert(offsetof(ChipRecord, flashPage) == 56);
static_assert(offsetof(ChipRecord, family) == 58);
static_assert(offsetof(ChipRecord, subType) == 59);
static_assert(offsetof(ChipRecord, delay) == 60);
static_assert(offsetof(ChipRecord, xmlLink) == 62);
static_assert(offsetof(ChipRecord, eepromSize) == 64);
static_assert(offsetof(ChipRecord, eepromPage) == 66);
static_assert(offsetof(ChipRecord, voltage) == 67);
