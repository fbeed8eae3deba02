// verify --all: every difference, under the first-difference message.
#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

constexpr qsizetype ChipSize = 64 * 1024;

QStringList verifyAll(const QString& file)
{
    return {QStringLiteral("verify"), QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("w25x05"),
            QStringLiteral("--all"), file};
}

// The chip holds chip; the file differs from it as changed says.
CliResult verifyChanged(CliRunner& cli, const QByteArray& chip, QByteArray changed)
{
    cli.put(QStringLiteral("chip.bin"), chip);
    const CliResult write = cli.run({QStringLiteral("write"), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                                     QStringLiteral("w25x05"), QStringLiteral("chip.bin")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    cli.put(QStringLiteral("file.bin"), changed);
    return cli.run(verifyAll(QStringLiteral("file.bin")));
}

QByteArray flipped(QByteArray bytes, const QList<qsizetype>& addresses)
{
    for (const qsizetype address : addresses)
        bytes[address] = static_cast<char>(~bytes[address]);
    return bytes;
}

}  // namespace

TEST(CliVerifyAll, ListsEveryRunUnderTheFirstDifference)
{
    CliRunner cli;
    const QByteArray chip = randomBytes(ChipSize, 41);
    // Runs at the very start, in the middle across a block boundary, and at the chip's last byte.
    const CliResult result =
        verifyChanged(cli, chip, flipped(chip, {0, 1, 0x1FE, 0x1FF, 0x200, 0x201, 0x4000, ChipSize - 1}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, QStringLiteral("zorvex-cli: Flash check error address:0h\n"
                                         "8 differing bytes in 4 ranges\n"
                                         "0x0-0x1  2 bytes\n"
                                         "0x1FE-0x201  4 bytes\n"
                                         "0x4000-0x4000  1 bytes\n"
                                         "0xFFFF-0xFFFF  1 bytes\n"));
}

TEST(CliVerifyAll, ListsTheFirstFiftyRangesAndCountsTheRest)
{
    CliRunner cli;
    const QByteArray chip = randomBytes(ChipSize, 42);
    QList<qsizetype> addresses;
    for (int i = 0; i < 60; ++i)
        addresses << 0x100 + 3 * i;
    const CliResult result = verifyChanged(cli, chip, flipped(chip, addresses));
    EXPECT_EQ(result.exitCode, 1);
    const QStringList lines = result.err.trimmed().split(u'\n');
    ASSERT_EQ(lines.size(), 1 + 1 + 50 + 1) << result.err.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("zorvex-cli: Flash check error address:100h"));
    EXPECT_EQ(lines[1], QStringLiteral("60 differing bytes in 60 ranges"));
    EXPECT_EQ(lines[51], QStringLiteral("0x193-0x193  1 bytes"));
    EXPECT_EQ(lines[52], QStringLiteral("(10 more ranges not listed)"));
}

TEST(CliVerifyAll, ComparesOnlyWhatTheFileHoldsAndStaysQuietWhenEqual)
{
    CliRunner cli;
    const QByteArray chip = randomBytes(ChipSize, 43);
    // A 1000-byte file is compared in whole 256-byte blocks, 0xFF past its end: the chip's
    // bytes 1000..1023 differ from that padding, the rest of the chip is not compared.
    const CliResult shortFile = verifyChanged(cli, chip, flipped(chip.left(1000), {10}));
    EXPECT_EQ(shortFile.exitCode, 1);
    EXPECT_TRUE(shortFile.err.startsWith(QStringLiteral("zorvex-cli: Flash check error address:Ah\n"))) << shortFile.err.toStdString();
    const qsizetype padDiffers = std::count_if(chip.begin() + 1000, chip.begin() + 1024, [](char c) { return c != '\xFF'; });
    EXPECT_TRUE(shortFile.err.contains(QStringLiteral("%1 differing bytes").arg(1 + padDiffers))) << shortFile.err.toStdString();

    const CliResult equal = verifyChanged(cli, chip, chip);
    EXPECT_EQ(equal.exitCode, 0) << equal.err.toStdString();
    EXPECT_FALSE(equal.err.contains(QStringLiteral("differing")));
}
