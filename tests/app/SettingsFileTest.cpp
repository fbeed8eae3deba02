#include "app/IniText.h"
#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void write(const char* text)
    {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    [[nodiscard]] QString text() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // How often a section header is in the file, letter case ignored.
    [[nodiscard]] int headers(const QString& section) const
    {
        const QRegularExpression header(QStringLiteral("^\\[%1\\]$").arg(section),
            QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
        return static_cast<int>(text().count(header));
    }

    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(QStringLiteral("zorvex.ini"));
};

// A value is read without the blanks around it, and a new value goes between them.
TEST(IniText, AValueIsReadTrimmedAndReplacedBetweenItsBlanks)
{
    const struct {
        const char* line;
        const char* read;
        const char* written;  // the line once the value is set to 5
    } cases[] = {
        {"key=1", "1", "key=5"},
        {"key = \t1 2\t ", "1 2", "key = \t5\t "},
        {"key = 1 = 2", "1 = 2", "key = 5"},
        {"key=", "", "key=5"},
        {"key= \t\v\f", "", "key= \t\v\f5"},  // blanks only: the value is empty at their end
    };
    for (const auto& c : cases) {
        IniText ini(QByteArray("[s]\n") + c.line + "\r\n");
        EXPECT_EQ(ini.value("s", "key"), QString::fromLatin1(c.read)) << c.line;
        ini.setValue("s", "key", "5");
        EXPECT_EQ(ini.bytes(), QByteArray("[s]\n") + c.written + "\r\n") << c.line;
    }
}

TEST_F(SettingsFileTest, NamesMatchInAnyLetterCase)
{
    write("[environment]\nformtop=200\n[Device]\nChip=1\nlangu=2\nSPEED=x\n");
    const SettingsFile settings(m_path);
    EXPECT_EQ(settings.intValue("Environment", "FormTop"), 200);
    EXPECT_EQ(settings.intValue("DEVICE", "chip"), 1);
    EXPECT_EQ(settings.intValue("DEVICE", "LANGU"), 2);
    EXPECT_EQ(settings.intValue("DEVICE", "SPEED"), std::nullopt);  // not a number
    EXPECT_EQ(settings.intValue("CHIP", "INDEX1"), std::nullopt);   // missing
    EXPECT_EQ(settings.readInt("CHIP", "INDEX1", 7), 7);
}

TEST_F(SettingsFileTest, WritingKeepsTheFilesSpellingAndAddsWhatIsNew)
{
    write("[environment]\nformtop=200\n[Device]\nChip=1\nlangu=2\n");
    {
        SettingsFile settings(m_path);
        settings.writeInt("Environment", "FormTop", 5);
        settings.writeInt("DEVICE", "LANGU", 0);
        settings.writeInt("DEVICE", "SPEED", 3);
        settings.writeInt("CHIP", "INDEX1", 4);
        settings.writeString("chip", "Note", "a b");  // the spelling just written counts too
        EXPECT_EQ(settings.stringValue("Chip", "NOTE"), "a b");
        ASSERT_TRUE(settings.sync());
    }
    const QString written = text();
    EXPECT_TRUE(written.contains("[environment]\nformtop=5\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\nlangu=0\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\nChip=1\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\nSPEED=3\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("[CHIP]\nINDEX1=4\n")) << written.toStdString();
    EXPECT_EQ(headers("environment"), 1);
    EXPECT_EQ(headers("device"), 1);
    EXPECT_EQ(headers("chip"), 1);
    EXPECT_TRUE(written.contains("[Device]"));
    EXPECT_FALSE(written.contains(QRegularExpression("LANGU|FormTop"))) << written.toStdString();
}

TEST_F(SettingsFileTest, SpellingsSideBySideAreReadFirstInTheFileFirstAndOnlyThatOneIsWritten)
{
    // What earlier versions left: the person's own section, and the program's beside it.
    const QString old = "[Device]\nchip=1\nLANGU=2\nlangu=1\n[CHIP]\nINDEX1=3\n[DEVICE]\nLANGU=0\nSPEED=3\nchip=0\n"
                        "[device]\nspeed=5\nINDEX9=9\n";
    write(old.toUtf8().constData());
    {
        SettingsFile settings(m_path);
        EXPECT_EQ(settings.intValue("DEVICE", "LANGU"), 2);
        EXPECT_EQ(settings.intValue("device", "chip"), 1);
        EXPECT_EQ(settings.intValue("DEVICE", "SPEED"), 3);
        settings.writeInt("DEVICE", "SPEED", 4);
        settings.writeInt("DEVICE", "LANGU", 2);
        ASSERT_TRUE(settings.sync());
    }
    EXPECT_EQ(text(), QString(old).replace("SPEED=3", "SPEED=4"));

    const SettingsFile reread(m_path);
    EXPECT_EQ(reread.intValue("DEVICE", "LANGU"), 2);
    EXPECT_EQ(reread.intValue("DEVICE", "chip"), 1);
    EXPECT_EQ(reread.intValue("DEVICE", "SPEED"), 4);
    EXPECT_EQ(reread.intValue("DEVICE", "INDEX9"), 9);
    EXPECT_EQ(reread.intValue("CHIP", "INDEX1"), 3);
}

// A file as people keep one: the program's values change and its missing keys are added; every
// other byte stays, whatever an INI library would make of it.
TEST_F(SettingsFileTest, AHandEditedFileKeepsEveryByteButTheProgramsValues)
{
    const QByteArray old = "\xEF\xBB\xBF; edited by hand\r\n"
                           "[Environment]\r\n"
                           "FormTop = 40 \r\n"
                           "# window place\r\n"
                           "FormLeft=30\r\n"
                           "\r\n"
                           "[Paths]\r\n"
                           "LastFile=C:\\work\\bios\\x.bin\r\n"
                           "Filter=a;b\r\n"
                           "List=\"x\", y\r\n"
                           "Name=\xD6\xD0\xCE\xC4\r\n"
                           "a line without an equals sign\r\n"
                           "[DEVICE]\r\n"
                           "chip=1\r\n"
                           "SPEED=2\r\n"
                           "speed=5\r\n"
                           "[device]\r\n"
                           "LANGU=1\r\n"
                           "; no line end";
    write(old.constData());
    {
        SettingsFile settings(m_path);
        EXPECT_EQ(settings.intValue("Environment", "FormTop"), 40);
        EXPECT_EQ(settings.stringValue("Paths", "LastFile"), QStringLiteral("C:\\work\\bios\\x.bin"));
        EXPECT_EQ(settings.stringValue("Paths", "Filter"), QStringLiteral("a;b"));
        EXPECT_EQ(settings.intValue("DEVICE", "SPEED"), 2);
        EXPECT_EQ(settings.intValue("DEVICE", "LANGU"), 1);
        EXPECT_EQ(settings.intValue("DEVICE", "chip"), 1);
        settings.writeInt("Environment", "FormHeight", 500);
        settings.writeInt("Environment", "FormTop", 12);
        settings.writeInt("Environment", "FormLeft", 30);
        settings.writeInt("CHIP", "INDEX1", 4);
        settings.writeInt("DEVICE", "SPEED", 3);
        settings.writeInt("DEVICE", "LANGU", 2);
        settings.writeString("DEVICE", "PROGRAMMER", QString());
        ASSERT_TRUE(settings.sync()) << settings.failureReason().toStdString();
    }
    const QByteArray expected = "\xEF\xBB\xBF; edited by hand\r\n"
                                "[Environment]\r\n"
                                "FormTop = 12 \r\n"
                                "# window place\r\n"
                                "FormLeft=30\r\n"
                                "FormHeight=500\r\n"
                                "\r\n"
                                "[Paths]\r\n"
                                "LastFile=C:\\work\\bios\\x.bin\r\n"
                                "Filter=a;b\r\n"
                                "List=\"x\", y\r\n"
                                "Name=\xD6\xD0\xCE\xC4\r\n"
                                "a line without an equals sign\r\n"
                                "[DEVICE]\r\n"
                                "chip=1\r\n"
                                "SPEED=3\r\n"
                                "speed=5\r\n"
                                "PROGRAMMER=\r\n"
                                "[device]\r\n"
                                "LANGU=2\r\n"
                                "; no line end\r\n"
                                "\r\n"
                                "[CHIP]\r\n"
                                "INDEX1=4\r\n";
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), expected);
    file.close();

    // Values already in the file leave it untouched, not even rewritten.
    ASSERT_TRUE(QFile::remove(m_path));
    write(expected.constData());
    SettingsFile again(m_path);
    EXPECT_EQ(again.intValue("DEVICE", "SPEED"), 3);
    again.writeInt("DEVICE", "SPEED", 3);
    struct stat before {}, after {};
    ASSERT_EQ(stat(m_path.toLocal8Bit().constData(), &before), 0);
    EXPECT_TRUE(again.sync());
    ASSERT_EQ(stat(m_path.toLocal8Bit().constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);  // a save would have put a new file in its place
}

// Settings kept with a person's other files, linked in before the first start: the link's file
// is created, and the link stays a link.
TEST_F(SettingsFileTest, ALinkToAFileNotYetThereIsWrittenThroughTheLink)
{
    const QString target = m_dir.filePath(QStringLiteral("kept.ini"));
    ASSERT_TRUE(QFile::link(target, m_path));
    SettingsFile settings(m_path);
    settings.writeInt("DEVICE", "LANGU", 2);
    EXPECT_TRUE(settings.sync()) << settings.failureReason().toStdString();
    EXPECT_TRUE(QFileInfo(m_path).isSymLink());
    EXPECT_EQ(text(), QStringLiteral("[DEVICE]\nLANGU=2\n"));
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenSaysSo)
{
    const QString folder = m_dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkdir(folder));
    SettingsFile settings(folder);
    EXPECT_EQ(settings.intValue("DEVICE", "SPEED"), std::nullopt);
    settings.writeInt("DEVICE", "SPEED", 1);
    EXPECT_FALSE(settings.sync());
    EXPECT_FALSE(settings.failureReason().isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

// A file size limit stands for a full disk. The settings are short or longer than the 16 KiB Qt
// keeps in its own write buffer, which reports a full disk only when it is flushed; the limits
// lie below the old file, between it and the new one, and inside the buffer's span.
TEST_F(SettingsFileTest, AFullDiskKeepsTheOldFileAsItWasAndSaysWhy)
{
    const QByteArray old = "[DEVICE]\nSPEED=2\nLANGU=1\n";
    write(old.constData());
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    for (const auto& [limit, noteSize] : {std::pair{rlim_t{0}, 100}, std::pair{rlim_t{10}, 100}, std::pair{rlim_t{64}, 100},
             std::pair{rlim_t{64}, 20000}, std::pair{rlim_t{16385}, 20000}}) {
        SettingsFile settings(m_path);
        settings.writeInt("DEVICE", "SPEED", 5);
        settings.writeString("DEVICE", "NOTE", QString(noteSize, u'x'));
        rlimit small = saved;
        small.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = settings.sync();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
        EXPECT_FALSE(written) << limit;
        EXPECT_TRUE(settings.failureReason().contains("File too large"))
            << limit << ": " << settings.failureReason().toStdString();
        EXPECT_EQ(text().toUtf8(), old) << limit;
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zorvex.ini"}) << limit;
    }
}

// Root reads and writes everything, so these cases run as an ordinary user in a child process,
// which reports what it saw in its exit code.
class UnprivilegedSettings : public SettingsFileTest {
protected:
    enum Seen { AsExpected = 0, WrongValue = 1, Written = 2, NotWritten = 3, NoReason = 4, CannotDropRoot = 10 };

    void SetUp() override { ASSERT_EQ(chmod(m_dir.path().toLocal8Bit().constData(), 0755), 0); }
    void TearDown() override { chmod(m_dir.path().toLocal8Bit().constData(), 0700); }

    static void chmodPath(const QString& path, mode_t mode)
    {
        ASSERT_EQ(chmod(path.toLocal8Bit().constData(), mode), 0);
    }

    // Opens the file as user nobody, checks that SPEED reads as expected, writes 7 and syncs.
    void runAsNobody(std::optional<int> expectedSpeed, bool expectWritten)
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(CannotDropRoot);
            SettingsFile settings(m_path);
            if (settings.intValue("DEVICE", "SPEED") != expectedSpeed)
                _exit(WrongValue);
            settings.writeInt("DEVICE", "SPEED", 7);
            if (settings.sync())
                _exit(expectWritten ? AsExpected : Written);
            _exit(expectWritten ? NotWritten : settings.failureReason().isEmpty() ? NoReason : AsExpected);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == CannotDropRoot)
            GTEST_SKIP() << "cannot run as an ordinary user";
        EXPECT_EQ(WEXITSTATUS(status), AsExpected);
    }
};

TEST_F(UnprivilegedSettings, AReadOnlyFileKeepsTheOldFileAsItWasInAFolderReadOnlyOrNot)
{
    const QByteArray old = "[DEVICE]\nSPEED=2\n";
    for (const bool lockFolder : {true, false}) {
        write(old.constData());
        chmodPath(m_path, 0644);
        chmodPath(m_dir.path(), lockFolder ? 0555 : 0777);
        runAsNobody(2, false);
        chmodPath(m_dir.path(), 0755);
        EXPECT_EQ(text().toUtf8(), old) << lockFolder;
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zorvex.ini"}) << lockFolder;
    }
}

// Like every other file the program saves: in place when the folder takes no temporary file.
TEST_F(UnprivilegedSettings, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    write("[DEVICE]\nSPEED=2\n");
    chmodPath(m_path, 0666);
    chmodPath(m_dir.path(), 0555);
    runAsNobody(2, true);
    chmodPath(m_dir.path(), 0755);
    EXPECT_EQ(SettingsFile(m_path).intValue("DEVICE", "SPEED"), 7);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zorvex.ini"});
}

TEST_F(UnprivilegedSettings, AFileThatCannotBeReadGivesDefaultsAndIsNotOverwritten)
{
    const QByteArray old = "[DEVICE]\nSPEED=2\n";
    write(old.constData());
    chmodPath(m_path, 0222);  // writable, but not readable
    chmodPath(m_dir.path(), 0777);
    runAsNobody(std::nullopt, false);
    chmodPath(m_path, 0644);
    EXPECT_EQ(text().toUtf8(), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zorvex.ini"});
}

}  // namespace
