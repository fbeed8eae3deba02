#include "chipdb/TForm2Rows.h"

#include "text/MessageCatalog.h"
#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipCodes.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(CellInteger, AcceptsDecimalAndPrefixedHexadecimal)
{
    EXPECT_EQ(parseCellInteger("100"), 100);
    EXPECT_EQ(parseCellInteger("  12"), 12);
    EXPECT_EQ(parseCellInteger("-5"), -5);
    EXPECT_EQ(parseCellInteger("+7"), 7);
    EXPECT_EQ(parseCellInteger("0xEF4018"), 0xEF4018);
    EXPECT_EQ(parseCellInteger("0X1f"), 0x1F);
    EXPECT_EQ(parseCellInteger("$ff"), 0xFF);
    EXPECT_EQ(parseCellInteger("x10"), 16);
    EXPECT_EQ(parseCellInteger("X10"), 16);
    EXPECT_EQ(parseCellInteger("-0x10"), -16);
    EXPECT_EQ(parseCellInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(parseCellInteger("0x000000001"), 1);
    EXPECT_EQ(parseCellInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseCellInteger("-2147483648"), INT32_MIN);
}

TEST(CellInteger, RefusesEverythingElse)
{
    for (const char* text : {"", " ", "abc", "12 ", "1.5", "0x", "$", "-", "2147483648",
                             "-2147483649", "0x123456789", "99999999999999999999", "0x1G", "- 1"})
        EXPECT_EQ(parseCellInteger(text), std::nullopt) << text;
    EXPECT_EQ(notAnIntegerMessage("abc"), "'abc' is not a valid integer value");
}

TEST(ChipRows, HalvingsCountWhileAboveOne)
{
    EXPECT_EQ(halvings(64), 6);
    EXPECT_EQ(halvings(4096), 12);
    EXPECT_EQ(halvings(3), 1);
    EXPECT_EQ(halvings(1), 0);
    EXPECT_EQ(halvings(0), 0);
    EXPECT_EQ(halvings(-8), 0);
}

TEST(ChipRows, ListItemsMatchTheirPowers)
{
    const QStringList flash = flashSizeItems();
    ASSERT_EQ(flash.size(), 21);
    EXPECT_EQ(flash.front(), "64B");
    EXPECT_EQ(flash[4], "1KB");
    EXPECT_EQ(flash.back(), "64MB");
    const QStringList eeprom = eepromSizeItems();
    ASSERT_EQ(eeprom.size(), 27);
    EXPECT_EQ(eeprom[0], "0B");
    EXPECT_EQ(eeprom[1], "2B");
    EXPECT_EQ(eeprom[16], "64KB");
    EXPECT_EQ(pageSizeItems().back(), "256");
}

ChipRecord sampleRecord()
{
    ChipRecord record;
    EXPECT_TRUE(record.setNameText("SPI_FLASH,WINBOND,W25Q64"));
    record.chipId = 0xEF4017;
    record.flashSize = 8 * 1024 * 1024;
    record.flashPage = 256;
    record.family = Family25Flash;
    record.subType = 0;
    record.delay = 100;
    record.voltage = Voltage1V8;
    record.eepromSize = 0;
    record.eepromPage = 4;
    record.xmlLink = 7;
    return record;
}

TEST(ChipRows, RecordBecomesRowInColumnOrderAndBack)
{
    const ChipGridRow row = rowFromRecord(sampleRecord());
    const ChipGridRow expected{"SPI_FLASH", "WINBOND", "W25Q64", "0xEF4017", "8388608", "256", "0",
                               "0",         "100",     "1",      "0",        "4",       "7"};
    EXPECT_EQ(row, expected);

    const RowsToRecordsResult back = recordsFromRows({row});
    ASSERT_TRUE(back.error.isEmpty());
    ASSERT_EQ(back.records.size(), 1u);
    EXPECT_EQ(back.records[0], sampleRecord());
}

TEST(ChipRows, LoadingAndEncodingARowRoundTrips)
{
    const RowDecodeResult decoded = decodeRow(rowFromRecord(sampleRecord()));
    ASSERT_TRUE(decoded.fields);
    const ChipEditorFields& f = *decoded.fields;
    EXPECT_EQ(f.flashSize, 17);  // 8MB
    EXPECT_EQ(f.flashPage, 8);
    EXPECT_EQ(f.voltage, 1);
    EXPECT_EQ(f.eepromSize, 0);
    EXPECT_EQ(f.eepromPage, 2);
    EXPECT_EQ(f.delay, "100");
    EXPECT_EQ(f.link, "7");
    EXPECT_EQ(encodeRow(f), rowFromRecord(sampleRecord()));
}

ChipGridRow rowWith(int family, int subType, qint64 flashSize)
{
    ChipRecord record = sampleRecord();
    record.family = static_cast<quint8>(family);
    record.subType = static_cast<quint8>(subType);
    record.flashSize = static_cast<quint32>(flashSize);
    return rowFromRecord(record);
}

TEST(ChipRows, SubTypeIsReadOrProposedByFamily)
{
    // 93 family: codes 7..11 and 87..91 map to the ten list positions and back.
    const auto c66x16 = decodeRow(rowWith(Family93Eeprom, 89, 512)).fields;
    ASSERT_TRUE(c66x16);
    EXPECT_EQ(chipSubTypeLabels(Family93Eeprom)[c66x16->subType], "93C66 16 BITS");
    EXPECT_EQ(encodeRow(*c66x16)[7], "89");
    const auto c46x8 = decodeRow(rowWith(Family93Eeprom, 7, 128)).fields;
    EXPECT_EQ(c46x8->subType, 0);
    EXPECT_EQ(encodeRow(*c46x8)[7], "7");

    // SPI EEPROMs: proposed from the capacity whatever was stored; code 2 is never proposed.
    EXPECT_EQ(decodeRow(rowWith(Family25Eeprom, 2, 512)).fields->subType, 0);
    EXPECT_EQ(decodeRow(rowWith(Family95Eeprom, 0, 1024)).fields->subType, 1);
    // 24 family: from 4 KB up.
    EXPECT_EQ(decodeRow(rowWith(Family24Eeprom, 1, 2048)).fields->subType, 0);
    EXPECT_EQ(decodeRow(rowWith(Family24Eeprom, 0, 4096)).fields->subType, 1);
    // 25 flash: the stored code.
    EXPECT_EQ(decodeRow(rowWith(Family25Flash, 1, 4096)).fields->subType, 1);
    // A family outside the list chooses neither family nor sub-type.
    const auto unknown = decodeRow(rowWith(7, 1, 4096)).fields;
    EXPECT_EQ(unknown->family, -1);
    EXPECT_EQ(unknown->subType, -1);
    EXPECT_FALSE(unknown->allListsChosen());
}

TEST(ChipRows, PositionsOutsideTheirListChooseNothing)
{
    EXPECT_EQ(decodeRow(rowWith(Family25Flash, 0, 32)).fields->flashSize, -1);
    EXPECT_EQ(decodeRow(rowWith(Family25Flash, 0, qint64{128} * 1024 * 1024)).fields->flashSize, -1);
    ChipGridRow row = rowWith(Family25Flash, 0, 64);
    row[9] = "3";  // voltage beyond 5.0V
    EXPECT_EQ(decodeRow(row).fields->voltage, -1);
}

TEST(ChipRows, EepromSizeZeroAndSixtyFourKilobytes)
{
    ChipEditorFields f = *decodeRow(rowFromRecord(sampleRecord())).fields;
    f.eepromSize = 0;  // "0B"
    EXPECT_EQ(encodeRow(f)[10], "0");
    f.eepromSize = 16;  // "64KB"
    const ChipGridRow row = encodeRow(f);
    EXPECT_EQ(row[10], "65536");
    const RowsToRecordsResult records = recordsFromRows({row});  // does not fit the 16-bit field
    EXPECT_TRUE(records.records.empty());
    EXPECT_EQ(records.badColumn, 10);
}

TEST(ChipRows, AValueItsFieldCannotHoldIsRefusedNotCutToItsLowBits)
{
    setCurrentLanguage(Language::English);
    const std::tuple<int, const char*, const char*> beyond[] = {
        {5, "65536", "65535"}, {6, "256", "255"},   {7, "0x100", "255"}, {8, "70000", "65535"},
        {8, "-1", "65535"},    {9, "256", "255"},   {10, "65536", "65535"}, {11, "256", "255"},
        {12, "65536", "65535"},
    };
    for (const auto& [column, text, most] : beyond) {
        ChipGridRow row = rowFromRecord(sampleRecord());
        row[static_cast<std::size_t>(column)] = text;
        const RowsToRecordsResult refused = recordsFromRows({rowFromRecord(sampleRecord()), row});
        EXPECT_TRUE(refused.records.empty()) << column << " " << text;
        EXPECT_EQ(refused.badRow, 1);
        EXPECT_EQ(refused.badColumn, column);
        EXPECT_EQ(refused.error, ExtraMessages::text(ExtraText::ChipValueBeyondField)
                                     .arg(2).arg(chipGridHeaders()[column], text).arg(most));
    }
    // The largest values each field holds are stored as typed; 32-bit fields keep every bit.
    ChipGridRow full = rowFromRecord(sampleRecord());
    for (const auto& [column, text] : {std::pair{3, "0xFFFFFFFF"}, {5, "65535"}, {8, "65535"}, {10, "65535"},
                                       {11, "255"}, {12, "65535"}})
        full[static_cast<std::size_t>(column)] = text;
    const RowsToRecordsResult stored = recordsFromRows({full});
    ASSERT_TRUE(stored.error.isEmpty()) << stored.error.toStdString();
    EXPECT_EQ(stored.records[0].chipId, 0xFFFFFFFFu);
    EXPECT_EQ(stored.records[0].eepromSize, 65535);
    EXPECT_EQ(stored.records[0].eepromPage, 255);
    setCurrentLanguage(Language::Simplified);
}

TEST(ChipRows, SaveTrimsNamePartsAndChecksEveryRow)
{
    ChipGridRow row = rowFromRecord(sampleRecord());
    row[0] = "  SPI FLASH ";
    row[1] = "\tWINBOND";
    const RowsToRecordsResult trimmed = recordsFromRows({row});
    ASSERT_TRUE(trimmed.error.isEmpty());
    EXPECT_EQ(trimmed.records[0].nameText(), "SPI FLASH,WINBOND,W25Q64");

    ChipGridRow bad = rowFromRecord(sampleRecord());
    bad[12] = "";  // an added row whose link field was left empty
    const RowsToRecordsResult failed = recordsFromRows({rowFromRecord(sampleRecord()), bad});
    EXPECT_EQ(failed.error, "'' is not a valid integer value");
    EXPECT_TRUE(failed.records.empty());

    ChipGridRow longName = rowFromRecord(sampleRecord());
    longName[2] = QString(40, QLatin1Char('M'));  // 9 + 1 + 7 + 1 + 40 = 58 bytes
    const RowsToRecordsResult refused = recordsFromRows({longName});
    EXPECT_TRUE(refused.records.empty());
    EXPECT_TRUE(refused.error.contains("47")) << refused.error.toStdString();

    ChipGridRow fits = rowFromRecord(sampleRecord());
    fits[2] = QString(29, QLatin1Char('M'));  // exactly 47 bytes
    EXPECT_TRUE(recordsFromRows({fits}).error.isEmpty());
}

TEST(ChipRows, ACommaThatWouldMoveTextIntoTheNextPartIsRefused)
{
    setCurrentLanguage(Language::English);
    for (const int column : {0, 1}) {
        ChipGridRow row = rowFromRecord(sampleRecord());
        row[column] = "Win,bond";
        const RowsToRecordsResult refused = recordsFromRows({rowFromRecord(sampleRecord()), row});
        EXPECT_TRUE(refused.records.empty());
        EXPECT_EQ(refused.error, ExtraMessages::text(ExtraText::ChipNameHasComma).arg(2).arg("Win,bond"));
        EXPECT_EQ(refused.badColumn, column);
    }
    // The model keeps what follows the second ",", so a name read with more of them saves as it was.
    ChipRecord extra = sampleRecord();
    ASSERT_TRUE(extra.setNameText("SPI_FLASH,Winbond,W25Q64,JV"));
    const RowsToRecordsResult kept = recordsFromRows({rowFromRecord(extra)});
    ASSERT_TRUE(kept.error.isEmpty());
    EXPECT_EQ(kept.records[0], extra);
}

TEST(ChipRows, AChipTheChipListsCouldNeverChooseIsRefused)
{
    // The lists tell texts apart ignoring letter case, but follow a chip by its exact type and
    // maker: a later row spelt otherwise, or naming the same model again, is out of their reach.
    const std::pair<const char*, int> cases[] = {
        {"spi_flash,Macronix,MX25L3205", 0},
        {"SPI_FLASH,winbond,W25Q32", 1},
        {"SPI_FLASH,WINBOND,w25q64", 2},
        {"SPI_FLASH,Macronix,W25Q64", -1},   // another maker's model of that name
        {"24_EEPROM,Winbond,W25Q64", -1},    // another type's
    };
    // A row that names the same chip as an earlier one again.
    const RowsToRecordsResult again = recordsFromRows({rowFromRecord(sampleRecord()), rowFromRecord(sampleRecord())});
    EXPECT_EQ(again.badRow, 1);
    EXPECT_EQ(again.error, ExtraMessages::text(ExtraText::ChipNameUnreachable)
                               .arg(2).arg("SPI_FLASH,WINBOND,W25Q64").arg(1).arg("SPI_FLASH,WINBOND,W25Q64"));
    for (const auto& [name, column] : cases) {
        ChipRecord later = sampleRecord();
        ASSERT_TRUE(later.setNameText(name));
        const RowsToRecordsResult alone = recordsFromRows({rowFromRecord(sampleRecord()), rowFromRecord(later)});
        if (column < 0) {
            EXPECT_TRUE(alone.error.isEmpty()) << name << ": " << alone.error.toStdString();
            continue;
        }
        EXPECT_TRUE(alone.records.empty()) << name;
        EXPECT_EQ(alone.badRow, 1) << name;
        EXPECT_EQ(alone.badColumn, column) << name;
        EXPECT_EQ(alone.error, ExtraMessages::text(ExtraText::ChipNameUnreachable)
                                   .arg(2).arg(name).arg(1).arg("SPI_FLASH,WINBOND,W25Q64"));
    }
}

TEST(ChipRows, ANameGbkCannotHoldIsRefusedNamingTheCharacterNotItsLength)
{
    setCurrentLanguage(Language::English);
    // In every part of the name, outside and inside the Basic Multilingual Plane, after
    // characters GBK does hold.
    const std::pair<int, QString> cases[] = {
        {0, QString::fromUtf8("SPI\u20A9")},             // won sign
        {1, QString::fromUtf8("华邦\xF0\x9F\x98\x80")},   // an emoji: two UTF-16 units
        {2, QString::fromUtf8("W25\uD55C")},             // a Hangul syllable
    };
    for (const auto& [column, text] : cases) {
        ChipGridRow row = rowFromRecord(sampleRecord());
        row[static_cast<std::size_t>(column)] = text;
        const RowsToRecordsResult refused = recordsFromRows({rowFromRecord(sampleRecord()), row});
        EXPECT_TRUE(refused.records.empty());
        const QString bad = text.mid(column == 1 ? 2 : 3);
        EXPECT_TRUE(refused.error.contains(u'"' + bad + u'"')) << refused.error.toStdString();
        EXPECT_TRUE(refused.error.contains("GBK") && refused.error.contains("2"))
            << refused.error.toStdString();
        EXPECT_FALSE(refused.error.contains("47")) << refused.error.toStdString();
    }
    setCurrentLanguage(Language::Simplified);
}

}  // namespace
