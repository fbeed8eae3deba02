// The offer of newly shipped chips to a person's own saved database at start.

#include "text/MessageCatalogExtra.h"
#include "chipdb/ProgramFiles.h"
#include "chipdb/ShippedChipUpgrade.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

ChipRecord chip(const QString& name, quint32 id = 0xEF4017)
{
    ChipRecord rec;
    EXPECT_TRUE(rec.setNameText(name));
    rec.chipId = id;
    rec.flashSize = 8u << 20;
    rec.flashPage = 256;
    rec.delay = 4000;
    return rec;
}

std::unique_ptr<ChipDatabase> database(const QStringList& names)
{
    auto db = std::make_unique<ChipDatabase>();
    for (int slot = 0; slot < names.size(); ++slot)
        (*db)[slot] = chip(names[slot], 0xEF4000u + static_cast<quint32>(slot));
    return db;
}

QStringList namesOf(const ChipDatabase& db)
{
    QStringList names;
    for (const ChipRecord& rec : db.chips())
        names.append(rec.nameText());
    return names;
}

// An installed program: the person's copy and the shipped one in different folders; the
// fingerprint kept as the window keeps it in its settings file.
class ShippedChipOfferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("share"));
        m_files.portable = false;
        m_files.databasePath = m_dir.filePath(QStringLiteral("zorvex.Dat"));
        m_files.shippedDatabasePath = m_dir.filePath(QStringLiteral("share/zorvex.Dat"));
    }

    void writeFile(const QString& path, const ChipDatabase& db)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(chipDatabaseBytes(db, db.count()));
    }
    void ship(const QStringList& names) { writeFile(m_files.shippedDatabasePath, *database(names)); }
    // The person's copy on disk, and the table as the program loaded it.
    void own(const QStringList& names)
    {
        m_own = database(names);
        writeFile(m_files.databasePath, *m_own);
    }
    QByteArray ownFile() const
    {
        QFile file(m_files.databasePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ShippedChipOffer offer(bool answer)
    {
        const ShippedChipOfferResult result = offerShippedChips(*m_own, m_files, m_remembered,
            {[this, answer](const QString& question) {
                 m_questions.append(question);
                 return answer;
             },
             [this](const QString& message) { m_errors.append(message); }});
        if (!result.fingerprintToRemember.isEmpty())
            m_remembered = result.fingerprintToRemember;
        return result.outcome;
    }

    QTemporaryDir m_dir;
    ProgramFiles m_files;
    QString m_remembered;
    std::unique_ptr<ChipDatabase> m_own;
    QStringList m_questions;
    QStringList m_errors;
};

TEST(ShippedChipUpgrade, MissingChipsAreThoseWhoseNameTheCopyLacksInShippedOrder)
{
    // Names compare as the chip lists compare them: parts trimmed, letter case ignored; the
    // person's version of a chip wins whatever its facts.
    const auto own = database({"SPI_FLASH,Winbond,W25Q64JV", "24_EEPROM,atmel,AT24C02"});
    const auto shipped = database({"SPI_FLASH,Winbond,W25Q128JV", "SPI_FLASH,Winbond,w25q64jv",
        "24_EEPROM,Atmel,AT24C02", "24_EEPROM,Atmel,AT24C04", "SPI_FLASH,Winbond,W25Q128JV"});
    QStringList missing;
    for (const ChipRecord& rec : chipsMissingFrom(*own, *shipped))
        missing.append(rec.nameText());
    EXPECT_EQ(missing, (QStringList{"SPI_FLASH,Winbond,W25Q128JV", "24_EEPROM,Atmel,AT24C04"}));
}

TEST(ShippedChipUpgrade, AppendingStopsAtTheLastUsableSlotAndLeavesTheListAlone)
{
    auto db = std::make_unique<ChipDatabase>();
    for (int slot = 0; slot < 995; ++slot)
        (*db)[slot] = chip(QStringLiteral("SPI_FLASH,Own,P%1").arg(slot));
    const ChipDatabase before = *db;
    std::vector<ChipRecord> extra;
    for (int i = 0; i < 10; ++i)
        extra.push_back(chip(QStringLiteral("SPI_FLASH,New,N%1").arg(i)));
    EXPECT_EQ(appendChips(*db, extra), 4);
    EXPECT_EQ(db->count(), 999);
    for (int slot = 0; slot < 995; ++slot)
        EXPECT_EQ((*db)[slot].nameText(), before[slot].nameText());
    EXPECT_EQ((*db)[998].nameText(), QStringLiteral("SPI_FLASH,New,N3"));
    EXPECT_EQ(appendChips(*db, extra), 0);
}

TEST_F(ShippedChipOfferTest, YesAppendsAfterTheOwnRecordsSavesAndAsksNoMore)
{
    ship({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV", "24_EEPROM,Atmel,AT24C02"});
    own({"24_EEPROM,Atmel,AT24C02", "SPI_FLASH,Mine,MY25Q01", "SPI_FLASH,Winbond,W25Q64JV"});
    const QByteArray before = ownFile();

    EXPECT_EQ(offer(true), ShippedChipOffer::Added);
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions[0].contains(QDir::toNativeSeparators(m_files.databasePath)));
    EXPECT_TRUE(m_questions[0].contains(u" 1 "));
    EXPECT_EQ(namesOf(*m_own), (QStringList{"24_EEPROM,Atmel,AT24C02", "SPI_FLASH,Mine,MY25Q01",
                                   "SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV"}));
    // The person's records keep their bytes; the file is the table up to a new terminator.
    const QByteArray after = ownFile();
    EXPECT_EQ(after.left(3 * 68), before.left(3 * 68));
    EXPECT_EQ(after, chipDatabaseBytes(*m_own, 4));
    EXPECT_TRUE(m_errors.isEmpty());

    EXPECT_EQ(offer(true), ShippedChipOffer::AlreadyAsked);
    EXPECT_EQ(m_questions.size(), 1);
}

// A second window may save the copy while this one's question waits for an answer.
TEST_F(ShippedChipOfferTest, YesAddsAfterTheChipsAnotherWindowSavedWhileTheQuestionWaited)
{
    ship({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV"});
    own({"SPI_FLASH,Winbond,W25Q64JV"});
    const auto theirs = database({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Mine,MY25Q01"});
    const ShippedChipOfferResult result = offerShippedChips(*m_own, m_files, {},
        {[&](const QString&) {
             writeFile(m_files.databasePath, *theirs);
             return true;
         },
         {}});
    EXPECT_EQ(result.outcome, ShippedChipOffer::Added);
    EXPECT_EQ(namesOf(*m_own), (QStringList{"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Mine,MY25Q01",
                                   "SPI_FLASH,Winbond,W25Q128JV"}));
    EXPECT_EQ(ownFile(), chipDatabaseBytes(*m_own, 3));
}

TEST_F(ShippedChipOfferTest, NoKeepsTheCopyUntilTheShippedDatabaseChanges)
{
    ship({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV"});
    own({"SPI_FLASH,Winbond,W25Q64JV"});
    const QByteArray before = ownFile();

    EXPECT_EQ(offer(false), ShippedChipOffer::Declined);
    EXPECT_EQ(ownFile(), before);
    EXPECT_EQ(namesOf(*m_own), QStringList{"SPI_FLASH,Winbond,W25Q64JV"});
    // The answer is remembered, so a new start does not ask again...
    EXPECT_EQ(offer(false), ShippedChipOffer::AlreadyAsked);
    EXPECT_EQ(m_questions.size(), 1);
    // ...until a newer package ships another database.
    ship({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV", "SPI_FLASH,Winbond,W25Q256JV"});
    EXPECT_EQ(offer(true), ShippedChipOffer::Added);
    EXPECT_EQ(m_questions.size(), 2);
    EXPECT_TRUE(m_questions[1].contains(u" 2 "));
    EXPECT_EQ(m_own->count(), 3);
}

TEST_F(ShippedChipOfferTest, NothingIsAskedWhereThereIsNothingToOffer)
{
    // Every shipped chip present: remembered, so chips the person deletes later are not
    // offered again for the same shipped database.
    ship({"SPI_FLASH,Winbond,W25Q64JV"});
    own({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Mine,MY25Q01"});
    EXPECT_EQ(offer(true), ShippedChipOffer::NothingMissing);
    own({"SPI_FLASH,Mine,MY25Q01"});
    EXPECT_EQ(offer(true), ShippedChipOffer::AlreadyAsked);

    // A damaged shipped file offers nothing.
    m_remembered.clear();
    {
        QFile damaged(m_files.shippedDatabasePath);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(69, 'x'));
    }
    EXPECT_EQ(offer(true), ShippedChipOffer::NotApplicable);

    // No own copy yet (the program reads the shipped one), or a portable program whose own
    // database is the shipped file.
    QFile::remove(m_files.databasePath);
    EXPECT_EQ(offer(true), ShippedChipOffer::NotApplicable);
    m_files.databasePath = m_files.shippedDatabasePath;
    EXPECT_EQ(offer(true), ShippedChipOffer::NotApplicable);
    EXPECT_TRUE(m_questions.isEmpty());
}

TEST_F(ShippedChipOfferTest, AFullCopyIsNotAskedAndAnAlmostFullOneIsToldWhatDoesNotFit)
{
    QStringList mine;
    for (int i = 0; i < 998; ++i)
        mine.append(QStringLiteral("SPI_FLASH,Mine,M%1").arg(i));
    ship({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV", "SPI_FLASH,Winbond,W25Q256JV"});
    own(mine + QStringList{"SPI_FLASH,Mine,LAST"});
    EXPECT_EQ(offer(true), ShippedChipOffer::NoRoom);
    EXPECT_TRUE(m_questions.isEmpty());

    own(mine);
    EXPECT_EQ(offer(true), ShippedChipOffer::Added);
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions[0].contains(ExtraMessages::text(ExtraText::ShippedChipsNoRoom).arg(2)));
    EXPECT_EQ(m_own->count(), 999);
    EXPECT_EQ(ownFile().size(), 1000 * 68);
}

TEST_F(ShippedChipOfferTest, AFailedSaveKeepsTableAndFileAndAsksAgainNextTime)
{
    ship({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV"});
    own({"SPI_FLASH,Winbond,W25Q64JV"});
    // A folder where the file should be: the atomic save cannot put its file in place.
    QFile::remove(m_files.databasePath);
    ASSERT_TRUE(QDir().mkpath(m_files.databasePath));
    EXPECT_EQ(offer(true), ShippedChipOffer::SaveFailed);
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(namesOf(*m_own), QStringList{"SPI_FLASH,Winbond,W25Q64JV"});
    EXPECT_EQ(offer(true), ShippedChipOffer::SaveFailed);
    EXPECT_EQ(m_questions.size(), 2);
}

TEST_F(ShippedChipOfferTest, BytesPastTheOldTerminatorDoNotExtendTheSavedList)
{
    ship({"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV"});
    own({"SPI_FLASH,Winbond,W25Q64JV"});
    // A file may carry a stale record after its terminator, which the loader copies in too.
    (*m_own)[2] = chip(QStringLiteral("SPI_FLASH,Stale,OLD"));
    EXPECT_EQ(offer(true), ShippedChipOffer::Added);
    EXPECT_EQ(namesOf(*m_own), (QStringList{"SPI_FLASH,Winbond,W25Q64JV", "SPI_FLASH,Winbond,W25Q128JV"}));
    EXPECT_EQ(ownFile().size(), 3 * 68);
}

}  // namespace
