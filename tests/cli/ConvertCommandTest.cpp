#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Runs the real zorvex-cli with stdin closed, as a script would.
namespace {

struct CliRun {
    int exitCode;
    QString errors;
};

CliRun cli(const QStringList& arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(ZORVEX_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
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
