#include "chipdb/ChipCodes.h"
#include "chipdb/ChipRecord.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Bytes = std::array<char, ChipRecord::Size>;

Bytes bytesOf(const ChipRecord& r)
{
    Bytes out{};
    r.toBytes(out);
    return out;
}

unsigned byteAt(const Bytes& b, std::size_t i)
{
    return static_cast<unsigned char>(b[i]);
}

TEST(ChipRecord, FieldsAreLittleEndianAtTheirOffsets)
{
    ChipRecord r;
    ASSERT_TRUE(r.setNameText(QStringLiteral("W25Q,MAKER,X25")));
    r.chipId = 0x00EF4018;
    r.flashSize = 0x01000000;
    r.flashPage = 0x0100;
    r.family = Family93Eeprom;
    r.subType = SubType93C66x16;
    r.delay = 0x1234;
    r.xmlLink = 0xABCD;
    r.eepromSize = 0x8000;
    r.eepromPage = 0x80;
    r.voltage = Voltage1V8;

    const Bytes b = bytesOf(r);
    EXPECT_EQ(QByteArray(b.data()), QByteArray("W25Q,MAKER,X25"));
    const std::array<unsigned, 20> expected = {0x18, 0x40, 0xEF, 0x00, 0x00, 0x00, 0x00, 0x01,
                                               0x00, 0x01, 2,    89,   0x34, 0x12, 0xCD, 0xAB,
                                               0x00, 0x80, 0x80, 1};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(byteAt(b, 48 + i), expected[i]) << "offset " << 48 + i;

    EXPECT_EQ(ChipRecord::fromBytes(b), r);
}

TEST(ChipRecord, FieldsKeepOnlyTheLowBitsTheyHaveRoomFor)
{
    ChipRecord r;
    r.setField(ChipField::EepromSize, 65536);
    r.setField(ChipField::EepromPage, 256);
    r.setField(ChipField::Delay, -1);
    r.setField(ChipField::ChipId, 0x1'2345'6789LL);
    r.setField(ChipField::FlashSize, 67108864);
    EXPECT_EQ(r.eepromSize, 0);
    EXPECT_EQ(r.eepromPage, 0);
    EXPECT_EQ(r.delay, 0xFFFF);
    EXPECT_EQ(r.chipId, 0x23456789u);
    EXPECT_EQ(r.field(ChipField::FlashSize), 67108864u);

    const Bytes b = bytesOf(r);
    EXPECT_EQ(byteAt(b, 64), 0u);
    EXPECT_EQ(byteAt(b, 65), 0u);
    EXPECT_EQ(byteAt(b, 66), 0u);
}

TEST(ChipRecord, GbkNamesRoundTripThroughTheFileBytes)
{
    const QString name = QString::fromUtf16(u"串行闪存,华邦,W25Q64");
    ChipRecord r;
    ASSERT_TRUE(r.setNameText(name));
    // 华 = BB AA, 邦 = B0 EE in GBK; a file made by another tool holds exactly these bytes.
    EXPECT_TRUE(r.nameBytes().contains(QByteArray("\xBB\xAA\xB0\xEE", 4)));
    EXPECT_EQ(r.nameBytes().size(), 4 * 2 + 2 + 2 * 2 + 6);
    EXPECT_EQ(ChipRecord::fromBytes(bytesOf(r)).nameText(), name);

    Bytes foreign{};
    const char gbk[] = "\xD0\xBE\xC6\xAC,A,B";  // 芯片,A,B
    std::copy(std::begin(gbk), std::end(gbk), foreign.begin());
    EXPECT_EQ(ChipRecord::fromBytes(foreign).nameText(), QString::fromUtf16(u"芯片,A,B"));
}

TEST(ChipRecord, OverlongOrUnencodableNamesAreRefusedAndLeaveTheNameAlone)
{
    ChipRecord r;
    ASSERT_TRUE(r.setNameText(QStringLiteral("OLD")));
    EXPECT_TRUE(r.setNameText(QString(47, QLatin1Char('a'))));
    EXPECT_EQ(r.nameBytes().size(), 47);
    EXPECT_EQ(r.name[47], '\0');

    ASSERT_TRUE(r.setNameText(QStringLiteral("OLD")));
    EXPECT_FALSE(r.setNameText(QString(48, QLatin1Char('a'))));
    // 24 Chinese characters are 48 bytes in GBK although only 24 characters long.
    EXPECT_FALSE(r.setNameText(QString(24, QChar(0x82AF))));
    EXPECT_FALSE(r.setNameText(QString::fromUtf16(u"A,B,\U0001F600")));
    EXPECT_FALSE(r.setNameText(QString::fromUtf16(u"A\0B", 3)));
    EXPECT_EQ(r.nameText(), QStringLiteral("OLD"));
    EXPECT_EQ(r.name[3], '\0');
    EXPECT_EQ(r.name[4], '\0');

    // Shorter names leave no bytes of longer ones behind.
    ASSERT_TRUE(r.setNameText(QString(40, QLatin1Char('x'))));
    ASSERT_TRUE(r.setNameText(QStringLiteral("y")));
    for (std::size_t i = 1; i < ChipRecord::NameSize; ++i)
        EXPECT_EQ(r.name[i], '\0') << i;
}

TEST(ChipRecord, NameWithoutNulFromADamagedFileStopsAtTheField)
{
    Bytes b{};
    b.fill('Z');
    const ChipRecord r = ChipRecord::fromBytes(b);
    EXPECT_FALSE(r.isTerminator());
    EXPECT_EQ(r.nameBytes().size(), 48);
    EXPECT_EQ(r.nameText(), QString(48, QLatin1Char('Z')));
}

TEST(ChipCodes, SubTypeCodesOfThe93FamilyMapToEditorPositions)
{
    EXPECT_EQ(chipSubTypeLabels(Family93Eeprom).size(), 10);
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(subType93PositionFromCode(subType93CodeFromPosition(p)), p);
    EXPECT_EQ(subType93CodeFromPosition(0), SubType93C46x8);
    EXPECT_EQ(subType93CodeFromPosition(4), SubType93C86x8);
    EXPECT_EQ(subType93CodeFromPosition(5), SubType93C46x16);
    EXPECT_EQ(subType93PositionFromCode(SubType93C66x16), 7);
    EXPECT_EQ(chipSubTypeLabels(Family93Eeprom)[7], QStringLiteral("93C66 16 BITS"));
    EXPECT_EQ(chipSubTypeLabels(Family95Eeprom), chipSubTypeLabels(Family25Eeprom));
    EXPECT_TRUE(chipSubTypeLabels(5).isEmpty());
    EXPECT_EQ(chipFamilyLabels().size(), ChipFamilyCount);
}

} // namespace
