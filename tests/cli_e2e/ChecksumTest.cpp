// The CRC32 / SHA-256 line: the checksum command and the line after each chip operation.
#include "CliRunner.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

constexpr qsizetype ChipSize = 64 * 1024;  // the W25X05 the runner's simulator holds

// The first line of the form "CRC32 XXXXXXXX  SHA-256 <64 hex digits>  N bytes" in text, without
// a label after it; empty when none.
QString checksumLine(const QString& text)
{
    static const QRegularExpression line(QStringLiteral("^CRC32 [0-9A-F]{8}  SHA-256 [0-9a-f]{64}  \\d+ bytes"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(text);
    return match.hasMatch() ? match.captured(0) : QString();
}

QString checksumOf(const CliRunner& cli, const QString& file, const QStringList& more = {})
{
    const CliResult result = cli.run(QStringList{QStringLiteral("checksum"), file} + more);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return checksumLine(result.out);
}

}  // namespace

TEST(CliChecksum, StandardCheckValues)
{
    CliRunner cli;
    cli.put(QStringLiteral("check.bin"), "123456789");
    // The CRC-32 check value of the IEEE polynomial every tool shows, and SHA-256 of the same.
    EXPECT_EQ(checksumOf(cli, QStringLiteral("check.bin")),
              QStringLiteral("CRC32 CBF43926  SHA-256 15e2b0d3c33891ebb0f1ef609ec419420c20e320ce94c65fbc8c3312448eb225  9 bytes"));
}

TEST(CliChecksum, ChipCutsOrPadsWithErasedBytes)
{
    CliRunner cli;
    const QByteArray shortImage = randomBytes(1000, 7);
    const QByteArray longImage = randomBytes(ChipSize + 300, 8);
    cli.put(QStringLiteral("short.bin"), shortImage);
    cli.put(QStringLiteral("short-padded.bin"), shortImage + QByteArray(ChipSize - shortImage.size(), '\xFF'));
    cli.put(QStringLiteral("long.bin"), longImage);
    cli.put(QStringLiteral("long-cut.bin"), longImage.left(ChipSize));
    const QStringList chip{QStringLiteral("--chip"), QStringLiteral("w25x05")};

    EXPECT_EQ(checksumOf(cli, QStringLiteral("short.bin"), chip), checksumOf(cli, QStringLiteral("short-padded.bin")));
    EXPECT_EQ(checksumOf(cli, QStringLiteral("long.bin"), chip), checksumOf(cli, QStringLiteral("long-cut.bin")));
    EXPECT_NE(checksumOf(cli, QStringLiteral("short.bin")), checksumOf(cli, QStringLiteral("short-padded.bin")));
}

TEST(CliChecksum, DecodesTheFileOrTakesItAsTold)
{
    CliRunner cli;
    cli.put(QStringLiteral("image.bin"), randomBytes(4096, 9));
    const CliResult convert = cli.run({QStringLiteral("convert"), QStringLiteral("image.bin"), QStringLiteral("image.hex")});
    ASSERT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    const QString binary = checksumOf(cli, QStringLiteral("image.bin"));
    EXPECT_EQ(checksumOf(cli, QStringLiteral("image.hex")), binary);
    // Read as binary, the Intel HEX text is summed as the characters it is.
    EXPECT_NE(checksumOf(cli, QStringLiteral("image.hex"), {QStringLiteral("--from"), QStringLiteral("bin")}), binary);
    cli.put(QStringLiteral("hex-text.bin"), cli.contentOf(QStringLiteral("image.hex")));
    EXPECT_EQ(checksumOf(cli, QStringLiteral("image.hex"), {QStringLiteral("--from"), QStringLiteral("bin")}),
              checksumOf(cli, QStringLiteral("hex-text.bin")));
}

TEST(CliChecksum, UnusableInputIsRefused)
{
    CliRunner cli;
    cli.put(QStringLiteral("empty.bin"), QByteArray());
    cli.put(QStringLiteral("image.bin"), "data");
    const QList<QStringList> commands{
        {QStringLiteral("checksum"), QStringLiteral("empty.bin")},
        {QStringLiteral("checksum"), QStringLiteral("missing.bin")},
        {QStringLiteral("checksum")},
        {QStringLiteral("checksum"), QStringLiteral("image.bin"), QStringLiteral("--from"), QStringLiteral("elf")},
        {QStringLiteral("checksum"), QStringLiteral("image.bin"), QStringLiteral("--maker"), QStringLiteral("Winbond")},
        {QStringLiteral("checksum"), QStringLiteral("image.bin"), QStringLiteral("--chip"), QStringLiteral("NOSUCHCHIP")},
    };
    for (const QStringList& arguments : commands) {
        const CliResult result = cli.run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(checksumLine(result.out).isEmpty()) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty()) << arguments.join(u' ').toStdString();
    }
}

TEST(CliChecksum, EveryDataOperationPrintsTheLineOfItsImage)
{
    CliRunner cli;
    const QStringList chip{QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("w25x05")};
    // 1000 bytes go out as four whole 256-byte pages, the last one padded with 0xFF.
    const QByteArray image = randomBytes(1000, 11);
    cli.put(QStringLiteral("image.bin"), image);
    cli.put(QStringLiteral("pages.bin"), image + QByteArray(1024 - image.size(), '\xFF'));
    const QString pages = checksumOf(cli, QStringLiteral("pages.bin"));

    for (const char* operation : {"auto", "write", "verify"}) {
        const CliResult result = cli.run(QStringList{QString::fromLatin1(operation)} + chip + QStringList{QStringLiteral("image.bin")});
        ASSERT_EQ(result.exitCode, 0) << operation << result.err.toStdString();
        EXPECT_EQ(checksumLine(result.out), pages) << operation;
    }
    // A read covers the whole chip.
    const CliResult read = cli.run(QStringList{QStringLiteral("read")} + chip + QStringList{QStringLiteral("back.bin")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(checksumLine(read.out), checksumOf(cli, QStringLiteral("back.bin")));
    EXPECT_EQ(checksumLine(read.out), checksumOf(cli, QStringLiteral("image.bin"), {QStringLiteral("--chip"), QStringLiteral("w25x05")}));
    // With --chip both sums are printed, each saying what it is: the chip's for the read, the
    // programmed image's for the lines above.
    const CliResult both = cli.run({QStringLiteral("checksum"), QStringLiteral("image.bin"), QStringLiteral("--chip"), QStringLiteral("w25x05")});
    EXPECT_TRUE(both.out.contains(checksumLine(read.out) + QStringLiteral(": the whole chip"))) << both.out.toStdString();
    EXPECT_TRUE(both.out.contains(pages + QStringLiteral(": the programmed image"))) << both.out.toStdString();

    // No line for an auto run that only erased: the image did not go into the chip.
    const CliResult erasedOnly = cli.run(QStringList{QStringLiteral("auto"), QStringLiteral("--no-write"), QStringLiteral("--no-verify")}
                                         + chip + QStringList{QStringLiteral("image.bin")});
    EXPECT_EQ(erasedOnly.exitCode, 0) << erasedOnly.err.toStdString();
    EXPECT_TRUE(checksumLine(erasedOnly.out).isEmpty()) << erasedOnly.out.toStdString();

    // No line for a verify that found a difference: its image was not the chip's.
    cli.put(QStringLiteral("other.bin"), randomBytes(1000, 12));
    const CliResult mismatch = cli.run(QStringList{QStringLiteral("verify")} + chip + QStringList{QStringLiteral("other.bin")});
    EXPECT_EQ(mismatch.exitCode, 1);
    EXPECT_TRUE(checksumLine(mismatch.out).isEmpty());
}
