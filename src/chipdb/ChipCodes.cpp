#include "chipdb/ChipCodes.h"

#include "chipdb/ChipRecord.h"

namespace {
constexpr int k93SixteenBitPositions = 5;  // positions 0..4 are the 8-bit organisation
}

QStringList chipFamilyLabels()
{
    return {QStringLiteral("25 flash 系列"), QStringLiteral("24 eeprom 系列"),
            QStringLiteral("93 eeprom 系列"), QStringLiteral("25 eeprom 系列"),
            QStringLiteral("95 eeprom 系列")};
}

QStringList chipSubTypeLabels(int family)
{
    switch (family) {
    case Family25Flash:
        return {QStringLiteral("非SST SPI flash"), QStringLiteral("SST SPI flash")};
    case Family24Eeprom:
        return {QStringLiteral("小于4KB"), QStringLiteral("大于等于4KB")};
    case Family93Eeprom:
        return {QStringLiteral("93C46 8 BITS"),  QStringLiteral("93C57 8 BITS"),
                QStringLiteral("93C66 8 BITS"),  QStringLiteral("93C76 8 BITS"),
                QStringLiteral("93C86 8 BITS"),  QStringLiteral("93C46 16 BITS"),
                QStringLiteral("93C57 16 BITS"), QStringLiteral("93C66 16 BITS"),
                QStringLiteral("93C76 16 BITS"), QStringLiteral("93C86 16 BITS")};
    case Family25Eeprom:
    case Family95Eeprom:
        return {QStringLiteral("小于512B"), QStringLiteral("大等于512B"), QStringLiteral("大于64KB")};
    default:
        return {};
    }
}

int subType93CodeFromPosition(int position)
{
    return position < k93SixteenBitPositions ? position + SubType93C46x8
                                             : position - k93SixteenBitPositions + SubType93C46x16;
}

int subType93PositionFromCode(int code)
{
    // Codes below 80 belong to the 8-bit block (7..11), the rest to the 16-bit block (87..91).
    return code < 80 ? code - SubType93C46x8 : code - SubType93C46x16 + k93SixteenBitPositions;
}
