#include "chipdb/ChipCodes.h"

#include "text/FixedTexts.h"

#include "chipdb/ChipRecord.h"

namespace {
constexpr int k93SixteenBitPositions = 5;  // positions 0..4 are the 8-bit organisation
}

QStringList chipFamilyLabels()
{
    return {fixedText(FixedText::Family25Flash), fixedText(FixedText::Family24Eeprom),
            fixedText(FixedText::Family93Eeprom), fixedText(FixedText::Family25Eeprom),
            fixedText(FixedText::Family95Eeprom)};
}

QStringList chipSubTypeLabels(int family)
{
    switch (family) {
    case Family25Flash:
        return {fixedText(FixedText::SubTypeNotSst), QStringLiteral("SST SPI flash")};
    case Family24Eeprom:
        return {fixedText(FixedText::SubTypeUnder4K), fixedText(FixedText::SubType4KOrMore)};
    case Family93Eeprom:
        return {QStringLiteral("93C46 8 BITS"),  QStringLiteral("93C57 8 BITS"),
                QStringLiteral("93C66 8 BITS"),  QStringLiteral("93C76 8 BITS"),
                QStringLiteral("93C86 8 BITS"),  QStringLiteral("93C46 16 BITS"),
                QStringLiteral("93C57 16 BITS"), QStringLiteral("93C66 16 BITS"),
                QStringLiteral("93C76 16 BITS"), QStringLiteral("93C86 16 BITS")};
    case Family25Eeprom:
    case Family95Eeprom:
        return {fixedText(FixedText::SubTypeUnder512), fixedText(FixedText::SubType512OrMore),
                fixedText(FixedText::SubTypeOver64K)};
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
