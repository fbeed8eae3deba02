#include "chipdb/ChipDatabaseFile.h"
#include "chipdb/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

// Where the programs keep their settings and chip database: beside themselves when they run
// from a folder of their own, in the user's folders once installed.
namespace {

class ProgramFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The user's folders of this test, not of the person running it.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("home/config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("home/data")).toLocal8Bit());
    }

    QString make(const QString& relative, const QByteArray& content = "x")
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        return file;
    }
    QString at(const QString& relative) const { return QDir::cleanPath(m_dir.filePath(relative)); }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(ProgramFilesTest, PortableProgramKeepsBothFilesBesideItself)
{
    const QString exe = make(QStringLiteral("portable/zorvex"));
    const ProgramFiles files = ProgramFiles::locate(exe);
    EXPECT_TRUE(files.portable);
    EXPECT_EQ(files.settingsPath, at(QStringLiteral("portable/zorvex.ini")));
    EXPECT_EQ(files.databasePath, at(QStringLiteral("portable/zorvex.Dat")));
    EXPECT_EQ(files.databaseToRead(), files.databasePath);
}

TEST_F(ProgramFilesTest, InstalledProgramReadsTheShippedDatabaseUntilTheUserSavesOne)
{
    const QString exe = make(QStringLiteral("usr/bin/zorvex"));
    const QString shipped = make(QStringLiteral("usr/share/zorvex/zorvex.Dat"));
    // Writable for the test (and for root), yet an install: nothing goes into its folders.
    const ProgramFiles files = ProgramFiles::locate(exe);
    EXPECT_FALSE(files.portable);
    EXPECT_EQ(files.settingsPath, at(QStringLiteral("home/config/zorvex/zorvex.ini")));
    EXPECT_EQ(files.databasePath, at(QStringLiteral("home/data/zorvex/zorvex.Dat")));
    EXPECT_EQ(files.databaseToRead(), shipped);
    EXPECT_EQ(chipDatabaseFileToRead(files.databasePath, exe), shipped);

    // The editor's save creates the user's folder; from then on the user's copy is read.
    ChipDatabase db;
    ASSERT_TRUE(db[0].setNameText(QStringLiteral("SPI_FLASH,Maker,Chip")));
    ASSERT_TRUE(WriteChipDatabaseFile(db, 1, files.databasePath, {}));
    EXPECT_EQ(files.databaseToRead(), files.databasePath);
    EXPECT_EQ(chipDatabaseFileToRead(files.databasePath, exe), files.databasePath);
    QFile saved(files.databasePath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), 2 * 68);
}

TEST_F(ProgramFilesTest, OtherPathsAreReadAsTheyAre)
{
    const QString exe = make(QStringLiteral("usr/bin/zorvex"));
    make(QStringLiteral("usr/share/zorvex/zorvex.Dat"));
    const QString elsewhere = at(QStringLiteral("elsewhere/chips.Dat"));
    EXPECT_EQ(chipDatabaseFileToRead(elsewhere, exe), elsewhere);
    // A portable program without a database file has none: the shipped copy is its own file.
    const QString portable = make(QStringLiteral("portable/zorvex"));
    EXPECT_EQ(chipDatabaseFileToRead(at(QStringLiteral("portable/zorvex.Dat")), portable),
              at(QStringLiteral("portable/zorvex.Dat")));
}

TEST_F(ProgramFilesTest, ReadOnlyFolderUsesTheUserFoldersAndItsOwnDatabase)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write any folder";
    const QString exe = make(QStringLiteral("medium/zorvex"));
    const QString beside = make(QStringLiteral("medium/zorvex.Dat"));
    QFile::setPermissions(at(QStringLiteral("medium")), QFile::ReadOwner | QFile::ExeOwner);
    const ProgramFiles files = ProgramFiles::locate(exe);
    QFile::setPermissions(at(QStringLiteral("medium")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(files.portable);
    EXPECT_EQ(files.settingsPath, at(QStringLiteral("home/config/zorvex/zorvex.ini")));
    EXPECT_EQ(files.databaseToRead(), beside);
}
