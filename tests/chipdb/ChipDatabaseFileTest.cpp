#include "chipdb/ChipDatabaseFile.h"

#include "text/MessageCatalog.h"
#include "chipdb/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

ChipRecord chip(const QString& name, quint32 size = 4096)
{
    ChipRecord r;
    EXPECT_TRUE(r.setNameText(name));
    r.flashSize = size;
    r.flashPage = 256;
    return r;
}

QByteArray recordBytes(const ChipRecord& r)
{
    QByteArray b(ChipRecord::Size, '\0');
    r.toBytes(std::span<char, ChipRecord::Size>(b.data(), ChipRecord::Size));
    return b;
}

class ChipDatabaseFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("zorvex.Dat"));
    }
    void TearDown() override { setCurrentLanguage(Language::Simplified); }

    void writeFile(const QByteArray& bytes) const
    {
        QFile f(m_path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray readFile() const
    {
        QFile f(m_path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    ChipDbErrorReporter recorder() { return [this](const QString& m) { m_messages << m; }; }

    // A table holding five chips, for checking that failed loads change nothing.
    static ChipDatabase fiveChips()
    {
        ChipDatabase db;
        for (int i = 0; i < 5; ++i)
            db[i] = chip(QStringLiteral("T,M,OLD%1").arg(i));
        return db;
    }

    QTemporaryDir m_dir;
    QString m_path;
    QStringList m_messages;
};

TEST_F(ChipDatabaseFileTest, MissingAndEmptyFilesChangeNothing)
{
    ChipDatabase db = fiveChips();
    EXPECT_EQ(LoadChipDatabase(db, m_path, recorder()), ChipDbLoadStatus::Missing);
    writeFile({});
    EXPECT_EQ(LoadChipDatabase(db, m_path, recorder()), ChipDbLoadStatus::Loaded);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(db.count(), 5);

    ChipDatabase fresh;
    EXPECT_EQ(LoadChipDatabase(fresh, m_path, recorder()), ChipDbLoadStatus::Loaded);
    EXPECT_EQ(fresh.count(), 0);
    EXPECT_TRUE(fresh.chips().empty());
}

TEST_F(ChipDatabaseFileTest, WrongSizeIsRefusedInTheCurrentLanguageAndTableKept)
{
    writeFile(QByteArray(69, 'A'));
    ChipDatabase db = fiveChips();
    const ChipDatabase before = db;

    setCurrentLanguage(Language::English);
    EXPECT_EQ(LoadChipDatabase(db, m_path, recorder()), ChipDbLoadStatus::WrongSize);
    EXPECT_FALSE(chipDbLoadSucceeded(ChipDbLoadStatus::WrongSize));
    // The file is named on a second line: an installed program's database is not beside it.
    const QString shownPath = QDir::toNativeSeparators(m_path);
    EXPECT_EQ(m_messages, QStringList{QStringLiteral("The configuration file was destroyed.\n") + shownPath});
    EXPECT_TRUE(std::ranges::equal(db.table(), before.table()));
}

TEST_F(ChipDatabaseFileTest, RecordsReplaceOnlyTheSlotsTheFileCovers)
{
    QByteArray file;
    for (int i = 0; i < 3; ++i)
        file += recordBytes(chip(QStringLiteral("T,M,NEW%1").arg(i), 1u << (10 + i)));
    writeFile(file);

    ChipDatabase fresh;
    ASSERT_EQ(LoadChipDatabase(fresh, m_path, recorder()), ChipDbLoadStatus::Loaded);
    ASSERT_EQ(fresh.count(), 3);
    EXPECT_EQ(fresh[2].nameText(), QStringLiteral("T,M,NEW2"));
    EXPECT_EQ(fresh[2].flashSize, 4096u);

    // Without a terminator the old slots 3 and 4 stay in the list.
    ChipDatabase db = fiveChips();
    ASSERT_EQ(LoadChipDatabase(db, m_path, recorder()), ChipDbLoadStatus::Loaded);
    EXPECT_EQ(db.count(), 5);
    EXPECT_EQ(db[0].nameText(), QStringLiteral("T,M,NEW0"));
    EXPECT_EQ(db[3].nameText(), QStringLiteral("T,M,OLD3"));
}

TEST_F(ChipDatabaseFileTest, AFullTableLoadsButALongerFileIsRefused)
{
    QByteArray full;
    for (int i = 0; i < ChipDatabase::SlotCount; ++i)
        full += recordBytes(chip(QStringLiteral("T,M,C%1").arg(i)));
    writeFile(full);
    ChipDatabase db;
    ASSERT_EQ(LoadChipDatabase(db, m_path, recorder()), ChipDbLoadStatus::Loaded);
    EXPECT_EQ(db.count(), ChipDatabase::SlotCount);
    EXPECT_EQ(db.chips().back().nameText(), QStringLiteral("T,M,C999"));

    writeFile(full + recordBytes(chip(QStringLiteral("T,M,EXTRA"))));
    ChipDatabase kept = fiveChips();
    EXPECT_EQ(LoadChipDatabase(kept, m_path, recorder()), ChipDbLoadStatus::WrongSize);
    EXPECT_EQ(kept.count(), 5);
    EXPECT_EQ(m_messages.size(), 1);
}

TEST_F(ChipDatabaseFileTest, UnreadableFileIsReportedByName)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("zorvex.Dat")));
    ChipDatabase db = fiveChips();
    EXPECT_EQ(LoadChipDatabase(db, m_path, recorder()), ChipDbLoadStatus::Unreadable);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].contains(QDir::toNativeSeparators(m_path)));
    EXPECT_EQ(db.count(), 5);
}

TEST_F(ChipDatabaseFileTest, SavingFiveChipsWritesSixRecordsEndingInATerminator)
{
    ChipDatabase db = fiveChips();
    db[5] = chip(QStringLiteral("T,M,STALE"));
    ASSERT_TRUE(WriteChipDatabaseFile(db, 5, m_path, recorder()));
    EXPECT_TRUE(m_messages.isEmpty());

    const QByteArray bytes = readFile();
    ASSERT_EQ(bytes.size(), 408);
    EXPECT_EQ(bytes.right(ChipRecord::Size), QByteArray(ChipRecord::Size, '\0'));
    EXPECT_EQ(bytes.left(ChipRecord::Size), recordBytes(db[0]));
    EXPECT_TRUE(db[5].isTerminator());

    ChipDatabase back;
    back[7] = chip(QStringLiteral("T,M,BEYOND"));
    ASSERT_EQ(LoadChipDatabase(back, m_path, recorder()), ChipDbLoadStatus::Loaded);
    EXPECT_EQ(back.count(), 5);
    EXPECT_TRUE(std::ranges::equal(back.chips(), db.chips()));

    // No chips at all still leaves a valid file: the terminator alone.
    ASSERT_TRUE(WriteChipDatabaseFile(db, 0, m_path, recorder()));
    EXPECT_EQ(readFile(), QByteArray(ChipRecord::Size, '\0'));
}

TEST_F(ChipDatabaseFileTest, CountWithoutRoomForTheTerminatorIsRefused)
{
    writeFile(QByteArray("old"));
    ChipDatabase db = fiveChips();
    for (int count : {-1, ChipDatabase::SlotCount}) {
        EXPECT_FALSE(WriteChipDatabaseFile(db, count, m_path, recorder()));
        EXPECT_TRUE(chipDatabaseBytes(db, count).isEmpty());
    }
    EXPECT_EQ(readFile(), QByteArray("old"));
    EXPECT_EQ(m_messages.size(), 2);
    EXPECT_EQ(db.count(), 5);
}

TEST_F(ChipDatabaseFileTest, PathThatIsADirectoryFailsWithItsName)
{
    const QString dirPath = m_dir.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(dirPath));
    ChipDatabase db = fiveChips();
    setCurrentLanguage(Language::English);
    EXPECT_FALSE(WriteChipDatabaseFile(db, 5, dirPath, recorder()));
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith(QStringLiteral("Error writing file.")));
    EXPECT_TRUE(m_messages[0].contains(QDir::toNativeSeparators(dirPath)));
}

// A write that stops half-way (here: the file size limit, which holds even for root) must leave
// the previous database as it was, and say why although the write that stopped reported no error.
TEST_F(ChipDatabaseFileTest, WriteFailingHalfWayKeepsTheOldFile)
{
    const QByteArray old = recordBytes(ChipRecord{});
    writeFile(old);

    ChipDatabase db = fiveChips();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteChipDatabaseFile(db, 5, m_path, recorder());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages.value(0).contains(QStringLiteral("File too large"))) << m_messages.value(0).toStdString();
    EXPECT_EQ(readFile(), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("zorvex.Dat")});
}

TEST(ChipDatabasePath, ExtensionIsReplacedOrAppended)
{
    EXPECT_EQ(chipDatabasePath(QStringLiteral("/opt/z/prog.exe")), QStringLiteral("/opt/z/prog.Dat"));
    EXPECT_EQ(chipDatabasePath(QStringLiteral("/usr/bin/zorvex")), QStringLiteral("/usr/bin/zorvex.Dat"));
    EXPECT_EQ(chipDatabasePath(QStringLiteral("/a.b/zorvex")), QStringLiteral("/a.b/zorvex.Dat"));
    EXPECT_EQ(chipDatabasePath(QStringLiteral("/x/z.v1.bin")), QStringLiteral("/x/z.v1.Dat"));
}

} // namespace
