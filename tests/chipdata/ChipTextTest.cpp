#include "ChipText.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QByteArray kHeader =
    "type manufacturer model chipId flashSize flashPage family subType delay xmlLink eepromSize "
    "eepromPage voltage\n";

QByteArray chipLine(const QByteArray& name,
                    const QByteArray& numbers = "0xEF4018 16777216 256 0 0 7500 0 0 0 0")
{
    return name + ' ' + numbers + '\n';
}

struct Parsed {
    std::unique_ptr<ChipDatabase> db = std::make_unique<ChipDatabase>();
    ChipTextReadResult result;
};

Parsed parse(const QByteArray& text)
{
    Parsed p;
    p.result = readChipText(text, QStringLiteral("chips.txt"), *p.db);
    return p;
}

ChipRecord namedRecord(const QString& name)
{
    ChipRecord rec;
    EXPECT_TRUE(rec.setNameText(name));
    rec.chipId = 0xC22018;
    rec.flashSize = 16777216;
    rec.flashPage = 256;
    rec.delay = 7500;
    return rec;
}

TEST(ChipText, ReadsEveryColumnIntoItsField)
{
    const Parsed p =
        parse("# comment\n\n" + kHeader
              + "SPI_FLASH Winbond W25Q128JV 0xef4018 16777216 256 0 1 7500 3 4096 32 1\n");
    ASSERT_TRUE(p.result.ok()) << p.result.error.toStdString();
    ASSERT_EQ(p.result.count, 1);
    const ChipRecord& rec = (*p.db)[0];
    EXPECT_EQ(rec.nameText(), QStringLiteral("SPI_FLASH,Winbond,W25Q128JV"));
    EXPECT_EQ(rec.chipId, 0xEF4018u);
    EXPECT_EQ(rec.flashSize, 16777216u);
    EXPECT_EQ(rec.flashPage, 256);
    EXPECT_EQ(rec.family, 0);
    EXPECT_EQ(rec.subType, 1);
    EXPECT_EQ(rec.delay, 7500);
    EXPECT_EQ(rec.xmlLink, 3);
    EXPECT_EQ(rec.eepromSize, 4096);
    EXPECT_EQ(rec.eepromPage, 32);
    EXPECT_EQ(rec.voltage, 1);
}

TEST(ChipText, AcceptsTabsCrLfAByteOrderMarkAndDecimalWithLeadingZero)
{
    const Parsed p =
        parse("\xEF\xBB\xBF" + kHeader + "24_EEPROM\tAtmel\t AT24C02 0 256 08 1 0 010 0 0 0 0\r\n");
    ASSERT_TRUE(p.result.ok()) << p.result.error.toStdString();
    // "010" is ten, not an octal eight.
    EXPECT_EQ((*p.db)[0].delay, 10);
    EXPECT_EQ((*p.db)[0].flashPage, 8);
    EXPECT_EQ((*p.db)[0].nameText(), QStringLiteral("24_EEPROM,Atmel,AT24C02"));
}

TEST(ChipText, ErrorsNameTheFileAndLine)
{
    struct Case {
        QByteArray text;
        const char* expected;
    };
    const Case cases[] = {
        {kHeader + chipLine("A B C", "0x1 2 3"), "chips.txt:2: expected 13 columns, found 6"},
        {kHeader + "\n" + chipLine("A B C", "0x1 2 3 4 5 6 7 8 9 10 11"),
         "chips.txt:3: expected 13 columns, found 14"},
        {kHeader + chipLine("A B C", "12x 2 3 0 0 5 0 0 0 0"),
         "chips.txt:2: bad number '12x' for chipId"},
        {kHeader + chipLine("A B C", "0x 2 3 0 0 5 0 0 0 0"),
         "chips.txt:2: bad number '0x' for chipId"},
        {kHeader + chipLine("A B C", "1 -2 3 0 0 5 0 0 0 0"),
         "chips.txt:2: bad number '-2' for flashSize"},
        {kHeader + chipLine("A B C", "1 2 3 0 0 5 0 65536 0 0"),
         "chips.txt:2: eepromSize 65536 does not fit the field (at most 65535)"},
        {kHeader + chipLine("A B C", "0x100000000 2 3 0 0 5 0 0 0 0"),
         "chips.txt:2: chipId 0x100000000 does not fit the field (at most 4294967295)"},
        {kHeader + chipLine("A B C", "1 2 3 0 256 5 0 0 0 0"),
         "chips.txt:2: subType 256 does not fit the field (at most 255)"},
        {kHeader + chipLine("A M,X C"), "chips.txt:2: manufacturer 'M,X' must not contain ','"},
        {kHeader + chipLine("A \"open C"), "chips.txt:2: a quoted column has no closing quote"},
        {kHeader + chipLine("A \"x\"y C"),
         "chips.txt:2: a closing quote must be followed by a blank"},
        {kHeader + chipLine("A x\"y C"),
         "chips.txt:2: a double quote inside a column must be quoted"},
        {chipLine("A B C"), "chips.txt:1: the first line must name the columns: type manufacturer "
                            "model chipId flashSize flashPage family subType delay xmlLink "
                            "eepromSize eepromPage voltage"},
        {"# only a comment\n", "chips.txt:1: no header line naming the columns"},
        {kHeader + "A B \xFF\xFE 1 2 3 0 0 5 0 0 0 0\n",
         "chips.txt:2: the line is not valid UTF-8"},
    };
    for (const Case& c : cases) {
        const Parsed p = parse(c.text);
        EXPECT_EQ(p.result.error.toStdString(), c.expected) << c.text.toStdString();
    }
}

TEST(ChipText, NameMustFitFortySevenBytesOfGbk)
{
    // "SPI_FLASH,Maker," is 16 bytes; the model fills the rest.
    const QByteArray fits = QByteArray(31, 'M');
    EXPECT_TRUE(parse(kHeader + chipLine("SPI_FLASH Maker " + fits)).result.ok());

    const Parsed tooLong = parse(kHeader + chipLine("SPI_FLASH Maker " + fits + "M"));
    EXPECT_TRUE(
        tooLong.result.error.contains(QStringLiteral("takes 48 bytes packed, at most 47 fit")))
        << tooLong.result.error.toStdString();

    // Chinese characters take two bytes each in GBK, though three in the UTF-8 text.
    const QByteArray chinese = QString(15, QChar(0x82AF)).toUtf8();  // 芯 x 15 = 30 bytes
    EXPECT_TRUE(parse(kHeader + chipLine("SPI_FLASH Maker " + chinese)).result.ok());
    EXPECT_FALSE(
        parse(kHeader + chipLine("SPI_FLASH Maker " + chinese + "\xE8\x8A\xAF")).result.ok());

    const Parsed emoji = parse(kHeader + chipLine("SPI_FLASH Maker \xF0\x9F\x98\x80"));
    EXPECT_TRUE(emoji.result.error.contains(QStringLiteral("GBK cannot represent")))
        << emoji.result.error.toStdString();
}

TEST(ChipText, RefusesTheThousandthChip)
{
    QByteArray text = kHeader;
    for (int i = 0; i < MaxChipTextRecords; ++i)
        text += chipLine("T M C" + QByteArray::number(i));
    const Parsed full = parse(text);
    ASSERT_TRUE(full.result.ok()) << full.result.error.toStdString();
    EXPECT_EQ(full.result.count, 999);

    const Parsed over = parse(text + chipLine("T M last"));
    EXPECT_EQ(over.result.error.toStdString(),
              "chips.txt:1001: more than 999 chips; the database holds at most 999");
}

TEST(ChipText, OddNamesTheEditorCanStoreSurviveBothDirections)
{
    const QString names[] = {
        QStringLiteral("SPI FLASH,Maker,Model"),    // blank inside the type
        QStringLiteral("#type,Maker,Model"),        // would read as a comment
        QStringLiteral("T,,Model"),                 // empty manufacturer
        QStringLiteral("T,Ma\"ker,Mo\"\"del"),      // quotes
        QStringLiteral("T,Maker,A,B"),              // the model keeps its ","
        QStringLiteral(" T , Maker ,"),             // blanks kept, empty model
        QStringLiteral("25 flash 系列,厂商,芯片"),  // GBK on disk
    };
    std::vector<ChipRecord> records;
    for (const QString& name : names)
        records.push_back(namedRecord(name));
    records.back().chipId = 0x12;  // written as 0x000012

    const ChipTextWriteResult written = writeChipText(records);
    ASSERT_TRUE(written.ok()) << written.error.toStdString();
    EXPECT_TRUE(written.text.contains("0x000012 "));

    const Parsed back = parse(written.text);
    ASSERT_TRUE(back.result.ok()) << back.result.error.toStdString();
    ASSERT_EQ(back.result.count, static_cast<int>(records.size()));
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ((*back.db)[static_cast<int>(i)], records[i]) << names[i].toStdString();

    const ChipTextWriteResult again = writeChipText(back.db->chips());
    EXPECT_EQ(again.text, written.text);
}

TEST(ChipText, WritingRefusesRecordsWithoutATextForm)
{
    const ChipRecord fewParts = namedRecord(QStringLiteral("T,Model"));
    const ChipTextWriteResult few = writeChipText(std::span(&fewParts, 1));
    EXPECT_EQ(few.error.toStdString(), "slot 0: the name 'T,Model' does not hold three texts");
    EXPECT_TRUE(few.text.isEmpty());

    ChipRecord badBytes = namedRecord(QStringLiteral("T,M,X"));
    badBytes.name[4] = '\x81';  // a GBK lead byte with no second byte
    const ChipRecord pair[] = {namedRecord(QStringLiteral("T,M,Y")), badBytes};
    EXPECT_EQ(writeChipText(pair).error.toStdString(), "slot 1: the name is not valid GBK text");

    ChipRecord unterminated = namedRecord(QStringLiteral("T,M,X"));
    unterminated.name.fill('A');
    EXPECT_TRUE(
        writeChipText(std::span(&unterminated, 1)).error.contains(QStringLiteral("no NUL")));

    ChipRecord control = namedRecord(QStringLiteral("T,M,X"));
    control.name[4] = '\n';
    EXPECT_TRUE(
        writeChipText(std::span(&control, 1)).error.contains(QStringLiteral("control character")));
}

} // namespace
