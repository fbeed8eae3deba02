// Self-check of the default chip database as the build ships it, read through the program's own
// loader.

#include "ShippedChips.h"

#include "chipdb/ChipName.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <bit>
#include <map>

namespace {

using Chip = ShippedChip;

bool isPowerOfTwo(quint32 v)
{
    return std::has_single_bit(v);
}

TEST(ShippedDatabase, HoldsEnoughChipsAndLeavesRoomForThePersonsOwn)
{
    // At least 79 of the 999 usable slots stay free for chips added in the editor.
    const int count = shippedDatabase().count();
    EXPECT_GE(count, 850);
    EXPECT_LE(count, 920);
    EXPECT_EQ(QFileInfo(QStringLiteral(ZORVEX_CHIP_DATABASE_FILE)).size(),
              static_cast<qint64>(count + 1) * 68);
}

TEST(ShippedDatabase, NamesAreWellFormedAndSplitTheSameUnderBothRules)
{
    for (const Chip& c : shippedChips()) {
        const QString name = c.rec->nameText();
        EXPECT_FALSE(c.type.isEmpty() || c.maker.isEmpty() || c.model.isEmpty()) << c.label();
        EXPECT_EQ(SplitChipName(name).size(), 3) << c.label();
        EXPECT_FALSE(name.contains(u'"')) << c.label();
        for (const QChar ch : name)
            EXPECT_GT(ch.unicode(), 32) << c.label();
        EXPECT_EQ(splitChipNameForEditor(name), (ChipNameParts{c.type, c.maker, c.model}))
            << c.label();
    }
}

TEST(ShippedDatabase, TypeListRunsInFamilyOrder)
{
    // Detection maps the programmer's chip classes 2 and 3 to type positions 1 and 2, so each
    // family needs one type text and the types must first appear in family order.
    QStringList typeList;
    QHash<QString, int> familyOfType;
    int previousFamily = 0;
    for (const Chip& c : shippedChips()) {
        if (!typeList.contains(c.type, Qt::CaseInsensitive))
            typeList.append(c.type);
        EXPECT_EQ(familyOfType.value(c.type, c.rec->family), c.rec->family) << c.label();
        familyOfType.insert(c.type, c.rec->family);
        EXPECT_GE(c.rec->family, previousFamily) << c.label();
        previousFamily = c.rec->family;
    }
    ASSERT_EQ(typeList.size(), ChipFamilyCount);
    for (int position = 0; position < ChipFamilyCount; ++position)
        EXPECT_EQ(familyOfType.value(typeList[position]), position);
}

TEST(ShippedDatabase, SizesAndPagesAreInRange)
{
    for (const Chip& c : shippedChips()) {
        const ChipRecord& r = *c.rec;
        EXPECT_TRUE(isPowerOfTwo(r.flashSize) && r.flashSize >= 64 && r.flashSize <= 64u << 20)
            << c.label();
        EXPECT_TRUE(isPowerOfTwo(r.flashPage) && r.flashPage <= 256 && r.flashPage <= r.flashSize)
            << c.label();
        EXPECT_LE(r.voltage, Voltage5V0) << c.label();
        EXPECT_LE(r.family, Family95Eeprom) << c.label();
        // None of these parts has a second memory area.
        EXPECT_EQ(r.eepromSize, 0) << c.label();
        EXPECT_EQ(r.eepromPage, 0) << c.label();
        if (r.family == Family25Flash) {
            EXPECT_EQ(r.flashPage, 256) << c.label();
        }
    }
}

TEST(ShippedDatabase, SubTypesFollowFamilyAndCapacity)
{
    // A 93C56 is addressed like a 93C66, so it carries the 93C66 code with half the capacity.
    const std::map<int, QSet<quint32>> sizesOf93Code{
        {0, {128}}, {1, {256}}, {2, {512, 256}}, {3, {1024}}, {4, {2048}}};
    for (const Chip& c : shippedChips()) {
        const ChipRecord& r = *c.rec;
        switch (r.family) {
        case Family25Flash:
            EXPECT_EQ(r.subType, c.maker == u"SST" ? SubTypeFlashSst : SubTypeFlashNonSst)
                << c.label();
            break;
        case Family24Eeprom:
            EXPECT_EQ(r.subType, r.flashSize >= 4096 ? SubType24From4K : SubType24Below4K)
                << c.label();
            break;
        case Family93Eeprom: {
            const bool wide = r.subType >= SubType93C46x16;
            const int k = r.subType - (wide ? SubType93C46x16 : SubType93C46x8);
            ASSERT_TRUE(k >= 0 && k <= 4) << c.label();
            EXPECT_TRUE(sizesOf93Code.at(k).contains(r.flashSize)) << c.label();
            EXPECT_EQ(r.flashPage, wide ? 2 : 1) << c.label();
            break;
        }
        default: {
            const int expected = r.flashSize > 65536   ? SubTypeSpiEepromAbove64K
                                 : r.flashSize >= 1024 ? SubTypeSpiEepromFrom512
                                                       : SubTypeSpiEepromBelow512;
            EXPECT_EQ(r.subType, expected) << c.label();
        }
        }
    }
}

TEST(ShippedDatabase, VoltageCodesMatchThePartNumbers)
{
    // A 3.3 V supply destroys a 1.8 V part, so the 1.8 V series are checked by name. Microchip's
    // 24C, 25C and 93C parts without letters before the C need 4.5 V to 5.5 V.
    const QRegularExpression lowVoltage(
        QStringLiteral("^(W25[QR]\\d+[A-Z]W|W74M\\d+[A-Z]W|MX25U|MX77U|GD25L[QBRF]|IS25W[PQ]"
                       "|XM25[QLR]U|MT25QU|N25Q\\d+A11|EN25S|SST2[56]WF|AT25SL|AT25DL|AT25DF081$"
                       "|S25FS|P25Q\\d+L|XT25Q|GT25Q)"));
    const QRegularExpression fiveVolt(QStringLiteral("^(24|25|93)C\\d"));
    for (const Chip& c : shippedChips()) {
        int expected = Voltage3V3;
        if (c.rec->family == Family25Flash && lowVoltage.match(c.model).hasMatch())
            expected = Voltage1V8;
        if (c.maker == u"Microchip" && fiveVolt.match(c.model).hasMatch())
            expected = Voltage5V0;
        EXPECT_EQ(c.rec->voltage, expected) << c.label();
    }
}

TEST(ShippedDatabase, NoModelTwiceWithinAMakerAndOneSpellingPerMaker)
{
    // The lists compare without case: "Maker" and "MAKER" would show as one maker whose list
    // hides the models of the other spelling.
    QSet<QString> models;
    QHash<QString, QString> spelling;
    for (const Chip& c : shippedChips()) {
        const QString key = (c.type + u',' + c.maker + u',' + c.model).toLower();
        EXPECT_FALSE(models.contains(key)) << c.label();
        models.insert(key);
        const QString makerKey = c.maker.toLower();
        EXPECT_EQ(spelling.value(makerKey, c.maker), c.maker) << c.label();
        spelling.insert(makerKey, c.maker);
    }
}

// Capacity in bytes that a JEDEC ID announces, or 0 where the maker's scheme gives none.
quint32 capacityFromJedecId(quint32 id)
{
    const quint32 maker = id >> 16;
    const quint32 type = (id >> 8) & 0xFF;
    const quint32 capacity = id & 0xFF;
    if (capacity >= 0x10 && capacity <= 0x1A)
        return 1u << capacity;
    // Some makers count 512 Mbit as 0x20, others as 0x1A.
    if (capacity == 0x20)
        return 1u << 26;
    // Macronix's 1.8 V parts count from 0x32 (2 Mbit) to 0x3A (512 Mbit).
    if (maker == 0xC2 && capacity >= 0x32 && capacity <= 0x3A)
        return 1u << (capacity - 0x20);
    // Atmel's DataFlash-style IDs carry the density in the low five bits of the second byte.
    if (maker == 0x1F)
        return 1u << (15 + (type & 0x1F));
    return 0;
}

TEST(ShippedDatabase, SpiFlashIdsCarryTheMakerCodeAndTheCapacity)
{
    const QHash<QString, quint32> jedecMaker{
        {"Winbond", 0xEF}, {"Macronix", 0xC2}, {"GigaDevice", 0xC8}, {"Spansion", 0x01},
        {"ST", 0x20},      {"Micron", 0x20},   {"XMC", 0x20},        {"ISSI", 0x9D},
        {"EON", 0x1C},     {"Puya", 0x85},     {"Atmel", 0x1F},      {"Adesto", 0x1F},
        {"SST", 0xBF},     {"Boya", 0x68},     {"XTX", 0x0B},        {"Zbit", 0x5E},
        {"Fudan", 0xA1},   {"AMIC", 0x37},     {"ESMT", 0x8C},       {"Zetta", 0xBA},
        {"Nantronics", 0xD5}, {"Sanyo", 0x62}, {"Intel", 0x89},      {"ESI", 0x4A},
        {"Giantec", 0xC4}, {"PMC", 0x7F9D}};
    // PMC sits in the second bank of maker codes: its IDs start with the continuation code 7F.
    // The ZB25VQ16 seen in use answers 0E 40 15 where its datasheet gives Zbit's 5E.
    const QHash<QString, quint32> makerCodeOfModel{{"ZB25VQ16", 0x0E}};
    // Parts whose IDs do not follow their maker's capacity scheme, with the capacity they have.
    // SST numbers its devices without a capacity code; Atmel's AT25F/AT25FS came before the
    // density scheme; Spansion's S25FL-A and -P parts below 128 Mbit count one less; Intel's S33
    // parts, Sanyo's LE25FW, PMC's Pm25L and ISSI's IS25WQ040 and IS25LQ016 number their devices
    // freely.
    const QRegularExpression exception(
        QStringLiteral("^(SST|AT25F|S25FL0\\d\\d[AP]|25F\\d+S33|LE25FW|Pm25L|IS25WQ040$|IS25LQ016$)"));
    for (const Chip& c : shippedChips()) {
        const ChipRecord& r = *c.rec;
        if (r.family != Family25Flash) {
            EXPECT_EQ(r.chipId, 0u) << c.label();
            continue;
        }
        EXPECT_LE(r.chipId, 0xFFFFFFu) << c.label();
        ASSERT_TRUE(jedecMaker.contains(c.maker)) << c.label();
        const quint32 makerCode = makerCodeOfModel.value(c.model, jedecMaker.value(c.maker));
        EXPECT_EQ(r.chipId >> (makerCode > 0xFF ? 8 : 16), makerCode) << c.label();
        if (exception.match(c.model).hasMatch()) {
            if (c.model.startsWith(u"S25FL")) {
                EXPECT_EQ(r.flashSize, 2u << (r.chipId & 0xFF)) << c.label();
            }
            continue;
        }
        EXPECT_EQ(capacityFromJedecId(r.chipId), r.flashSize) << c.label();
    }
}

TEST(ShippedDatabase, EepromCapacityMatchesThePartNumber)
{
    // 24/25/95 parts name their capacity in Kbit (M01, M1, M04 in Mbit; 1026 is 1 Mbit);
    // 93 parts use the 46..86 series numbers.
    const QRegularExpression kbit(QStringLiteral("(?:24|25|95)[A-Z]{0,2}?(M\\d{1,2}|\\d{2,4})"));
    const QRegularExpression microwire(QStringLiteral("93[A-Z]*(46|56|57|66|76|86)"));
    const QHash<QString, quint32> bytesOf93{{"46", 128}, {"56", 256},  {"57", 256},
                                            {"66", 512}, {"76", 1024}, {"86", 2048}};
    for (const Chip& c : shippedChips()) {
        const ChipRecord& r = *c.rec;
        if (r.family == Family25Flash)
            continue;
        if (r.family == Family93Eeprom) {
            const QRegularExpressionMatch m = microwire.match(c.model);
            ASSERT_TRUE(m.hasMatch()) << c.label();
            EXPECT_EQ(r.flashSize, bytesOf93.value(m.captured(1))) << c.label();
            continue;
        }
        const QRegularExpressionMatch m = kbit.match(c.model);
        ASSERT_TRUE(m.hasMatch()) << c.label();
        const QString code = m.captured(1);
        quint32 kbits = code.startsWith(u'M') ? code.mid(1).toUInt() * 1024 : code.toUInt();
        // Three digits ending in 0 count tenths of a Kbit up to 64 Kbit: 010, 080, 640; three
        // digits from 0 name a variant of the first two: 025 is a 2 Kbit part.
        if (code.size() == 3 && (code.endsWith(u'0') || code.startsWith(u'0')))
            kbits = code.left(2).toUInt();
        if (kbits == 1025 || kbits == 1026)
            kbits = 1024;
        EXPECT_EQ(r.flashSize, kbits * 128) << c.label();
    }
}

TEST(ShippedDatabase, RecordsOfOneMakerAndTypeStayTogether)
{
    // The lists show a maker's models in file order; a maker split into two runs would also
    // hide which of its parts detection finds first.
    QSet<QString> closed;
    QString current;
    for (const Chip& c : shippedChips()) {
        const QString group = c.type + u',' + c.maker;
        if (group == current)
            continue;
        EXPECT_FALSE(closed.contains(group)) << c.label();
        closed.insert(current);
        current = group;
    }
}

TEST(ShippedDatabase, DetectionFindsTheLowestSupplyOfASharedId)
{
    // Detection takes the first record with the reported ID and powers the chip with its
    // voltage: 3.3 V destroys a 1.8 V part, while 1.8 V merely fails on a 3.3 V one.
    const auto rank = [](quint8 voltage) { return voltage == Voltage1V8 ? 0 : voltage == Voltage3V3 ? 1 : 2; };
    QHash<quint32, const Chip*> first;
    for (const Chip& c : shippedChips()) {
        if (c.rec->family != Family25Flash)
            continue;
        const Chip* detected = first.value(c.rec->chipId, nullptr);
        if (!detected) {
            first.insert(c.rec->chipId, &c);
            continue;
        }
        EXPECT_LE(rank(detected->rec->voltage), rank(c.rec->voltage))
            << c.label() << " comes after " << detected->label();
    }
}

TEST(ShippedDatabase, DelaysCoverTheErase)
{
    // For SPI flash the delay bounds the 50 ms status polls of a chip erase, which takes longer
    // the larger the chip; the EEPROM families take a write-cycle time in milliseconds.
    for (const Chip& c : shippedChips()) {
        const ChipRecord& r = *c.rec;
        if (r.family != Family25Flash) {
            EXPECT_TRUE(r.delay >= 5 && r.delay <= 20) << c.label();
            continue;
        }
        EXPECT_GE(r.delay, 100) << c.label();
        if (r.subType == SubTypeFlashNonSst) {
            // At least a second of polling per 64 KiB: the slowest datasheets erase faster.
            EXPECT_GE(r.delay * 50u, r.flashSize / (64u << 10) * 1000u) << c.label();
        }
    }
}

} // namespace
