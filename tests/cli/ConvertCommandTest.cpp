#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

// Runs the real zorvex-cli with stdin closed, as a script would.
namespace {

struct CliRun {
    int exitCode;
    QString errors;
    QByteArray output;
};

// fileSizeLimit >= 0: the tool may write files of at most that many bytes (a "full disk").
CliRun cli(const QStringList& arguments, long fileSizeLimit = -1)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    if (fileSizeLimit >= 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = static_cast<rlim_t>(fileSizeLimit);
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(QStringLiteral(ZORVEX_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()), process.readAllStandardOutput()};
}

// An EEPROM image of bytes no format leaves out.
QByteArray eepromImage(int size)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = static_cast<char>(i * 7 + 1);
    return image;
}

class ConvertCommand : public ::testing::Test {
protected:
    QString put(const char* name, const QByteArray& content)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QByteArray contentOf(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(ConvertCommand, ConvertsTheLoadedLengthByExtension)
{
    put("in.hex", ":0400100001020304E2\r\n:00000001FF\r\n");
    const CliRun run = cli({"convert", path("in.hex"), path("out.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(contentOf("out.bin"), QByteArray(16, '\xFF') + QByteArray("\x01\x02\x03\x04"));

    EXPECT_EQ(cli({"convert", path("out.bin"), path("out.src")}).exitCode, 0);
    EXPECT_EQ(contentOf("out.src"), "S00600004844521B\r\nS107001001020304DE\r\nS9030000FC\r\n");
}

TEST_F(ConvertCommand, FormatOptionsOverrideTheExtension)
{
    put("image.s19", "S107001001020304DE\r\nS9030000FC\r\n");
    const CliRun run = cli({"convert", path("image.s19"), path("image.txt"), "--from", "srec", "--to", "hex"});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    // The loaded length starts at 0, so the erased head shares the one record.
    EXPECT_EQ(contentOf("image.txt"), ":14000000" + QByteArray(32, 'F') + "01020304F2\r\n:00000001FF\r\n");
}

TEST_F(ConvertCommand, ExistingOutputIsReplacedOnlyWithYes)
{
    put("in.bin", "new");
    put("out.bin", "old");
    const CliRun refused = cli({"convert", path("in.bin"), path("out.bin")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.errors.contains("File already exists")) << refused.errors.toStdString();
    EXPECT_EQ(contentOf("out.bin"), "old");

    EXPECT_EQ(cli({"convert", path("in.bin"), path("out.bin"), "--yes"}).exitCode, 0);
    EXPECT_EQ(contentOf("out.bin"), "new");
}

TEST_F(ConvertCommand, BadInputFailsWithFileLineAndMessageAndWritesNothing)
{
    put("bad.hex", ":0100000042BD\r\n:01000100zz\r\n");
    const CliRun run = cli({"convert", path("bad.hex"), path("out.bin")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(path("bad.hex") + ":2: Illegal Char in File")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.bin")));

    EXPECT_EQ(cli({"convert", path("missing.bin"), path("out.bin")}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(path("out.bin")));
}

TEST_F(ConvertCommand, CommandLineMistakesExitWithUsage)
{
    put("in.bin", "x");
    EXPECT_EQ(cli({"convert", path("in.bin")}).exitCode, 2);
    EXPECT_EQ(cli({"convert", path("in.bin"), path("o.bin"), "--from", "elf"}).exitCode, 2);
    EXPECT_EQ(cli({"convert", path("in.bin"), path("o.bin"), "--bogus"}).exitCode, 2);
    EXPECT_EQ(cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli({}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(path("o.bin")));
}

// A 24C02 image onto a disk that is full after 100 bytes: no format may report success, and the
// old file stays as it was.
TEST_F(ConvertCommand, AFullDiskFailsNamingTheFileAndReasonAndKeepsTheOldFile)
{
    put("eeprom256.bin", eepromImage(256));
    for (const char* name : {"chip.bin", "chip.hex", "chip.src"}) {
        put(name, "old");
        const CliRun run = cli({"convert", path("eeprom256.bin"), path(name), "--yes"}, 100);
        EXPECT_EQ(run.exitCode, 2) << name;
        EXPECT_TRUE(run.errors.contains("Error writing file.")) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(path(name) + ": File too large")) << run.errors.toStdString();
        EXPECT_FALSE(run.output.contains("written")) << run.output.toStdString();
        EXPECT_EQ(contentOf(name), "old") << name;
    }
}

// A capsule converts to a capsule with its header; anything else is refused under a ".cap" name.
TEST_F(ConvertCommand, ACapsuleIsWrittenOnlyWithItsHeader)
{
    const QByteArray capsule = QByteArray(2048, 'H') + eepromImage(256);
    put("in.cap", capsule);
    const CliRun kept = cli({"convert", path("in.cap"), path("out.cap")});
    EXPECT_EQ(kept.exitCode, 0) << kept.errors.toStdString();
    EXPECT_EQ(contentOf("out.cap"), capsule);

    put("in.bin", eepromImage(256));
    const CliRun refused = cli({"convert", path("in.bin"), path("bare.cap")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.errors.contains("Save this image as .bin.")) << refused.errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("bare.cap")));

    // A binary that cannot be created says so in the tool's language.
    const CliRun uncreatable = cli({"convert", path("in.bin"), path("in.bin") + "/out.bin"});
    EXPECT_EQ(uncreatable.exitCode, 2);
    EXPECT_TRUE(uncreatable.errors.contains("Cannot create the file.")) << uncreatable.errors.toStdString();
}

TEST_F(ConvertCommand, DashWritesToStandardOutput)
{
    put("in.hex", ":0400100001020304E2\r\n:00000001FF\r\n");
    const CliRun binary = cli({"convert", path("in.hex"), "-"});
    EXPECT_EQ(binary.exitCode, 0) << binary.errors.toStdString();
    EXPECT_EQ(binary.output, QByteArray(16, '\xFF') + QByteArray("\x01\x02\x03\x04"));
    EXPECT_FALSE(QFile::exists(path("-")));

    const CliRun records = cli({"convert", path("in.hex"), "-", "--to", "srec"});
    EXPECT_EQ(records.exitCode, 0) << records.errors.toStdString();
    EXPECT_EQ(records.output, "S00600004844521B\r\nS107001001020304DE\r\nS9030000FC\r\n");
}

TEST_F(ConvertCommand, SRecordNamesAreReadAndWrittenAsSRecords)
{
    const QByteArray records = "S00600004844521B\r\nS107001001020304DE\r\nS9030000FC\r\n";
    put("fw.s19", records);
    for (const char* name : {"out.src", "out.s28", "out.s37", "out.srec", "out.sx", "out.mot"}) {
        const CliRun run = cli({"convert", path("fw.s19"), path(name)});
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_EQ(contentOf(name), records) << name;
    }
    EXPECT_EQ(cli({"convert", path("out.mot"), path("out.bin")}).exitCode, 0);
    EXPECT_EQ(contentOf("out.bin"), QByteArray(16, '\xFF') + QByteArray("\x01\x02\x03\x04"));
}

// A text record file under a binary name loads its characters; the tool says which option
// reads it as what it is.
TEST_F(ConvertCommand, ABinaryThatStartsLikeRecordsIsWarnedAbout)
{
    put("fw.bin", ":0400100001020304E2\r\n:00000001FF\r\n");
    put("fw.rom", "S107001001020304DE\r\nS9030000FC\r\n");
    put("plain.bin", QByteArray(":\x01\x02", 3) + eepromImage(64));
    const CliRun hex = cli({"convert", path("fw.bin"), path("a.bin")});
    EXPECT_EQ(hex.exitCode, 0);
    EXPECT_TRUE(hex.errors.contains("Intel HEX") && hex.errors.contains("--from hex")) << hex.errors.toStdString();
    const CliRun srec = cli({"convert", path("fw.rom"), path("b.bin")});
    EXPECT_TRUE(srec.errors.contains("S-record") && srec.errors.contains("--from srec")) << srec.errors.toStdString();

    // No warning for bytes that only start with a colon, or when binary was asked for.
    EXPECT_TRUE(cli({"convert", path("plain.bin"), path("c.bin")}).errors.isEmpty());
    EXPECT_TRUE(cli({"convert", path("fw.bin"), path("d.bin"), "--from", "bin"}).errors.isEmpty());
}
