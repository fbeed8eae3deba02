// "-" as standard input and output, and a standard output that cannot be written.
#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

QStringList args(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

constexpr qsizetype ChipSize = 65536;  // W25X05

}  // namespace

TEST(CliStandardStreams, DashReadsStandardInputAndWritesStandardOutput)
{
    CliRunner cli;
    const QByteArray image = randomBytes(ChipSize, 41);
    const QString in = cli.put(QStringLiteral("in.bin"), image);
    const CliResult write = cli.run(args({"write", "--simulate", "--chip", "W25X05", "--from", "bin", "-"}), in);
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(cli.chipImage(), image);

    // The image alone on stdout; the completion lines go to stderr.
    const CliResult read = cli.run(args({"read", "--simulate", "--chip", "W25X05", "-"}), {}, cli.path(QStringLiteral("out")));
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("out")), image);
    EXPECT_TRUE(read.err.contains(QStringLiteral("65536 bytes written to standard output"))) << read.err.toStdString();

    const CliResult verify = cli.run(args({"verify", "--simulate", "--chip", "W25X05", "--from", "bin", "-"}), in);
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    const CliResult fromFile = cli.run(args({"checksum", "in.bin"}));
    const CliResult fromInput = cli.run(args({"checksum", "--from", "bin", "-"}), in);
    EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err.toStdString();
    EXPECT_EQ(fromInput.out, fromFile.out);

    const CliResult hex = cli.run(args({"convert", "--from", "bin", "--to", "hex", "-", "-"}), in);
    ASSERT_EQ(hex.exitCode, 0) << hex.err.toStdString();
    const QString hexFile = cli.put(QStringLiteral("out.hex"), hex.out.toLatin1());
    EXPECT_EQ(cli.run(args({"checksum", "out.hex"})).out, fromFile.out);

    // Standard input has no name to tell its format by: nothing is guessed, the chip is left alone.
    for (const char* command : {"write", "verify", "auto"}) {
        const CliResult noFormat = cli.run(args({command, "--simulate", "--chip", "W25X05", "-"}), hexFile);
        EXPECT_EQ(noFormat.exitCode, 2) << command;
        EXPECT_TRUE(noFormat.err.contains(QStringLiteral("--from"))) << noFormat.err.toStdString();
    }
    EXPECT_EQ(cli.run(args({"checksum", "-"}), hexFile).exitCode, 2);
    EXPECT_EQ(cli.chipImage(), image);
}

// Read to standard output from a folder without room (here one that holds no files at all): the
// image goes to the output, so the folder's free space is not a reason to leave the chip unread.
TEST(CliStandardStreams, AReadToStandardOutputAsksNoRoomOfTheCurrentFolder)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010, QStringLiteral("chip_content = pattern\n"));
    cli.setWorkingFolder(QStringLiteral("/proc"));
    const CliResult read = cli.run(args({"read", "--simulate", "--chip", "W25X05", "-"}), {}, cli.path(QStringLiteral("out")));
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("out")), cli.chipImage());
}

TEST(CliStandardStreams, AnOutputThatCannotBeWrittenIsAFailure)
{
    CliRunner cli;
    cli.put(QStringLiteral("in.bin"), randomBytes(256, 42));
    const QStringList commands[] = {
        args({"list"}),
        args({"checksum", "in.bin"}),
        args({"--simulate", "detect"}),
        args({"--simulate", "blank", "--chip", "W25X05"}),
        args({"--simulate", "read", "--chip", "W25X05", "-"}),
        args({"convert", "in.bin", "-"}),
        args({"--version"}),
    };
    for (const QStringList& arguments : commands) {
        const CliResult result = cli.run(arguments, {}, QStringLiteral("/dev/full"));
        EXPECT_NE(result.exitCode, 0) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("Standard output could not be written")))
            << arguments.join(u' ').toStdString() << ": " << result.err.toStdString();
    }
}

// A write past the user's file-size limit (ulimit -f) is a failure the command reports, naming the
// file; it does not end the program in the middle of a save, and a read whose file could not
// have the chip's image stops before the chip.
TEST(CliStandardStreams, AFileOverTheSizeLimitIsAReportedFailure)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010, QStringLiteral("chip_content = pattern\n"));
    cli.put(QStringLiteral("in.bin"), randomBytes(64 * 1024, 7));
    cli.put(QStringLiteral("old.hex"), "kept\n");
    cli.setFileSizeLimit(100 * 1024);  // the 64 KiB chip fits, its Intel HEX does not
    const QStringList commands[] = {
        args({"--simulate", "read", "--chip", "W25X05", "--yes", "old.hex"}),
        args({"convert", "in.bin", "--yes", "old.hex"}),
    };
    for (const QStringList& arguments : commands) {
        const CliResult result = cli.run(arguments);
        EXPECT_NE(result.exitCode, 0) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("old.hex")) && result.err.contains(QStringLiteral("File too large")))
            << arguments.join(u' ').toStdString() << ": " << result.err.toStdString();
        EXPECT_EQ(cli.contentOf(QStringLiteral("old.hex")), "kept\n");
        EXPECT_FALSE(result.out.contains(QStringLiteral("Read Complete!"))) << result.out.toStdString();
    }
}

// Standard output going away before the command ends (a `| head`, a logger that died) costs no
// file: the read image is still saved, and the command says the output was lost.
TEST(CliStandardStreams, AClosedOutputPipeStillSavesTheImage)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010, QStringLiteral("chip_content = pattern\n"));
    cli.setOutputReaderGone(true);
    const CliResult result = cli.run(args({"--simulate", "read", "--chip", "W25X05", "backup.bin"}));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Standard output could not be written"))) << result.err.toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("backup.bin")), cli.chipImage());
}
