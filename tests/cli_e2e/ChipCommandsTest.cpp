#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

namespace {

constexpr qsizetype ChipSize = 64 * 1024;  // the W25X05 of the default database

const QStringList W25X05{QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("w25x05")};

QStringList command(const char* name, const QStringList& more = {})
{
    return QStringList{QString::fromLatin1(name)} + W25X05 + more;
}

}  // namespace

TEST(CliChipCommands, WrittenFileVerifiesAndReadsBackByteIdentical)
{
    CliRunner cli;
    const QByteArray image = randomBytes(ChipSize, 1);
    cli.put(QStringLiteral("image.bin"), image);

    const CliResult write = cli.run(command("write", {QStringLiteral("image.bin")}));
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_TRUE(write.out.contains(QStringLiteral("Write Complete!")));
    EXPECT_TRUE(write.out.contains(QRegularExpression(QStringLiteral("^Elapsed time: \\d\\d:\\d\\d:\\d\\d$"),
                                                      QRegularExpression::MultilineOption)));
    EXPECT_EQ(cli.chipImage(), image);

    const CliResult verify = cli.run(command("verify", {QStringLiteral("image.bin")}));
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    EXPECT_TRUE(verify.out.contains(QStringLiteral("Verify Complete!")));

    // Intel HEX on the way out, binary on the way back in: the format follows the extension.
    const CliResult read = cli.run(command("read", {QStringLiteral("back.hex")}));
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_TRUE(read.out.contains(QStringLiteral("Read Complete!")));
    EXPECT_TRUE(cli.contentOf(QStringLiteral("back.hex")).startsWith(":"));
    const CliResult toBinary = cli.run({QStringLiteral("convert"), QStringLiteral("back.hex"), QStringLiteral("back.bin")});
    ASSERT_EQ(toBinary.exitCode, 0) << toBinary.err.toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("back.bin")), image);
}

TEST(CliChipCommands, FindingsOnTheChipExitWithOne)
{
    CliRunner cli;
    cli.put(QStringLiteral("image.bin"), randomBytes(ChipSize, 2));
    ASSERT_EQ(cli.run(command("blank")).exitCode, 0);
    ASSERT_EQ(cli.run(command("write", {QStringLiteral("image.bin")})).exitCode, 0);

    const CliResult blank = cli.run(command("blank"));
    EXPECT_EQ(blank.exitCode, 1);
    EXPECT_TRUE(blank.err.contains(QStringLiteral("The chip is not empty."))) << blank.err.toStdString();

    QByteArray other = randomBytes(ChipSize, 2);
    other[0x1234] = static_cast<char>(~other[0x1234]);
    cli.put(QStringLiteral("other.bin"), other);
    const CliResult verify = cli.run(command("verify", {QStringLiteral("other.bin")}));
    EXPECT_EQ(verify.exitCode, 1);
    EXPECT_TRUE(verify.err.contains(QStringLiteral("Flash check error address:1234h"))) << verify.err.toStdString();
    EXPECT_FALSE(verify.out.contains(QStringLiteral("Verify Complete!")));

    const CliResult erase = cli.run(command("erase"));
    EXPECT_EQ(erase.exitCode, 0) << erase.err.toStdString();
    EXPECT_EQ(cli.chipImage(), QByteArray(ChipSize, '\xFF'));
    EXPECT_EQ(cli.run(command("blank")).exitCode, 0);
}

TEST(CliChipCommands, AutoErasesWritesAndVerifiesAndLeavesOutStepsOnRequest)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010, QStringLiteral("chip_content = zero\n"));
    const QByteArray image = randomBytes(ChipSize / 2, 3);
    cli.put(QStringLiteral("image.bin"), image);

    // Without its erase, writing over a chip of zeros cannot set the bits the file needs.
    const CliResult unerased = cli.run(command("auto", {QStringLiteral("--no-erase"), QStringLiteral("image.bin")}));
    EXPECT_EQ(unerased.exitCode, 1);
    EXPECT_FALSE(unerased.out.contains(QStringLiteral("AUTO Complete!")));

    const CliResult full = cli.run(command("auto", {QStringLiteral("image.bin")}));
    EXPECT_EQ(full.exitCode, 0) << full.err.toStdString();
    EXPECT_TRUE(full.out.contains(QStringLiteral("AUTO Complete!")));
    EXPECT_EQ(cli.chipImage(), image + QByteArray(ChipSize / 2, '\xFF'));

    // Verifying without writing, a longer file passes as the verify command does: on the chip's
    // size only, and it says so.
    cli.put(QStringLiteral("longer.bin"), cli.chipImage() + QByteArray(100, '\x55'));
    const CliResult verifiedOnly = cli.run(command("auto", {QStringLiteral("--no-erase"), QStringLiteral("--no-write"), QStringLiteral("longer.bin")}));
    EXPECT_EQ(verifiedOnly.exitCode, 0) << verifiedOnly.err.toStdString();
    EXPECT_TRUE(verifiedOnly.err.contains(QStringLiteral("only the first 65536 are compared"))) << verifiedOnly.err.toStdString();

    // Without the verify step there is no completion line, but the time is still shown.
    const CliResult unverified = cli.run(command("auto", {QStringLiteral("--no-verify"), QStringLiteral("image.bin")}));
    EXPECT_EQ(unverified.exitCode, 0) << unverified.err.toStdString();
    EXPECT_FALSE(unverified.out.contains(QStringLiteral("AUTO Complete!")));
    EXPECT_TRUE(unverified.out.contains(QStringLiteral("Elapsed time:")));
}

TEST(CliChipCommands, DetectFindsTheChipByItsIdAndServesAsChipChoice)
{
    CliRunner cli;
    const CliResult detect = cli.run({QStringLiteral("detect"), QStringLiteral("--simulate")});
    EXPECT_EQ(detect.exitCode, 0) << detect.err.toStdString();
    EXPECT_TRUE(detect.out.contains(QStringLiteral("The chip was detected:W25X05")));
    EXPECT_TRUE(detect.out.contains(QRegularExpression(QStringLiteral("SPI_FLASH +Winbond +W25X05 +0xEF3010 +65536 256"))))
        << detect.out.toStdString();

    const QByteArray image = randomBytes(ChipSize, 4);
    cli.put(QStringLiteral("image.bin"), image);
    const CliResult write = cli.run({QStringLiteral("write"), QStringLiteral("--simulate"), QStringLiteral("--detect"),
                                     QStringLiteral("image.bin")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(cli.chipImage(), image);

    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0x123456);
    const CliResult unknown = cli.run({QStringLiteral("detect"), QStringLiteral("--simulate")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Unknown chip ID =12 34 56"))) << unknown.err.toStdString();
    // An unknown chip is never operated on as whatever the lists happened to hold.
    EXPECT_EQ(cli.run({QStringLiteral("erase"), QStringLiteral("--simulate"), QStringLiteral("--detect")}).exitCode, 1);
    EXPECT_FALSE(cli.trace().contains(QStringLiteral("cmd Erase")));
}

TEST(CliChipCommands, EmptySocketExitsWithOne)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("none"), QStringLiteral("64K"));
    const CliResult detect = cli.run({QStringLiteral("detect"), QStringLiteral("--simulate")});
    EXPECT_EQ(detect.exitCode, 1);
    EXPECT_TRUE(detect.err.contains(QStringLiteral("No chips detected")));
    const CliResult erase = cli.run(command("erase"));
    EXPECT_EQ(erase.exitCode, 1);
    EXPECT_TRUE(erase.err.contains(QStringLiteral("No chips detected")));
}

TEST(CliChipCommands, FileLargerThanTheChipIsWrittenOnlyWhenAllowed)
{
    CliRunner cli;
    const QByteArray image = randomBytes(ChipSize + 1000, 5);
    cli.put(QStringLiteral("big.bin"), image);

    const CliResult refused = cli.run(command("write", {QStringLiteral("big.bin")}));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("larger than chip capacity"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("nothing was changed on the chip"))) << refused.err.toStdString();
    // Asked before the programmer was opened: the simulator never saw a transfer.
    EXPECT_TRUE(cli.trace().isEmpty()) << cli.trace().toStdString();

    const CliResult allowed = cli.run(command("write", {QStringLiteral("--yes"), QStringLiteral("big.bin")}));
    EXPECT_EQ(allowed.exitCode, 0) << allowed.err.toStdString();
    EXPECT_EQ(cli.chipImage(), image.first(ChipSize));
}

TEST(CliChipCommands, TerminalShowsProgressAndAsksBeforeCuttingAFile)
{
    CliRunner cli;
    cli.put(QStringLiteral("image.bin"), randomBytes(ChipSize, 6));
    const CliResult write = cli.runOnTerminal(command("write", {QStringLiteral("image.bin")}), {});
    EXPECT_EQ(write.exitCode, 0) << write.out.toStdString();
    EXPECT_TRUE(write.out.contains(QStringLiteral("Write Flash ... [")));
    EXPECT_TRUE(write.out.contains(QStringLiteral("########")));

    // A script's output carries no progress bar.
    const CliResult quiet = cli.run(command("write", {QStringLiteral("image.bin")}));
    EXPECT_FALSE(quiet.err.contains(QLatin1Char('[')) || quiet.out.contains(QLatin1Char('['))) << quiet.err.toStdString();

    cli.put(QStringLiteral("big.bin"), randomBytes(ChipSize + 256, 7));
    const CliResult declined = cli.runOnTerminal(command("write", {QStringLiteral("big.bin")}), "n\n");
    EXPECT_EQ(declined.exitCode, 2);
    EXPECT_TRUE(declined.out.contains(QStringLiteral("Do you want to continue to write? [y/N]")));
    EXPECT_FALSE(declined.out.contains(QStringLiteral("Write Complete!")));
}

TEST(CliChipCommands, SpeedAndLanguageReachTheProgrammerAndTheMessages)
{
    CliRunner cli;
    const CliResult erase = cli.run(command("erase", {QStringLiteral("--speed"), QStringLiteral("375khz"),
                                                      QStringLiteral("--lang"), QStringLiteral("zh-CN")}));
    EXPECT_EQ(erase.exitCode, 0) << erase.err.toStdString();
    EXPECT_TRUE(erase.out.contains(QStringLiteral("擦除完成！"))) << erase.out.toStdString();
    EXPECT_TRUE(cli.trace().contains(QRegularExpression(QStringLiteral("cmd Begin .*speed=0x5")))) << cli.trace().toStdString();
}

TEST(CliChipCommands, ProgrammerThatCannotBeReachedExitsWithThree)
{
    CliRunner cli;
    cli.put(QStringLiteral("image.bin"), randomBytes(256, 8));
    const QStringList missingLibrary{QStringLiteral("--usb-library"), cli.path(QStringLiteral("no-such-library.so")),
                                     QStringLiteral("--chip"), QStringLiteral("W25X05")};
    for (const char* name : {"read", "write", "erase", "blank"}) {
        QStringList arguments = QStringList{QString::fromLatin1(name)} + missingLibrary;
        if (QLatin1String(name) == QLatin1String("read") || QLatin1String(name) == QLatin1String("write"))
            arguments << cli.path(QLatin1String(name) == QLatin1String("read") ? QStringLiteral("out.bin")
                                                                             : QStringLiteral("image.bin"));
        const CliResult result = cli.run(arguments);
        EXPECT_EQ(result.exitCode, 3) << name << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("Not connected"))) << name;
        EXPECT_TRUE(result.err.contains(QStringLiteral("no-such-library.so could not be loaded"))) << name;
    }
    EXPECT_EQ(cli.run({QStringLiteral("detect"), QStringLiteral("--usb-library"), QStringLiteral("/nonexistent.so")}).exitCode, 3);
    EXPECT_FALSE(QFile::exists(cli.path(QStringLiteral("out.bin"))));
}

TEST(CliChipCommands, ReadThatFailsHalfwayLeavesNoFileBehind)
{
    CliRunner cli;
    // Transfer numbers count from the frame's first command: well inside the block stream.
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010,
                QStringLiteral("chip_content = pattern\ntimeout_at = 40\n"));
    const CliResult read = cli.run(command("read", {QStringLiteral("out.bin")}));
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(read.err.contains(QStringLiteral("error -110"))) << read.err.toStdString();
    EXPECT_FALSE(read.out.contains(QStringLiteral("Read Complete!")));
    EXPECT_FALSE(QFile::exists(cli.path(QStringLiteral("out.bin"))));

}

// A read whose result could not be kept never starts: under a ".cap" name (a chip has no
// capsule header), or onto a disk without room for the file.
TEST(CliChipCommands, AReadThatCouldNotBeKeptLeavesTheProgrammerAlone)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010, QStringLiteral("chip_content = pattern\n"));
    const QString disk = cli.path(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    if (mount("tmpfs", disk.toLocal8Bit().constData(), "tmpfs", 0, "size=64k,mode=0755") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    for (const QString& output : {QStringLiteral("image.cap"), disk + QStringLiteral("/image.hex")}) {
        const CliResult read = cli.run(command("read", {output}));
        EXPECT_EQ(read.exitCode, 2) << output.toStdString();
        EXPECT_FALSE(read.out.contains(QStringLiteral("Read Complete!"))) << output.toStdString();
        EXPECT_FALSE(cli.trace().contains(QStringLiteral("cmd Begin"))) << output.toStdString();
        EXPECT_FALSE(QFile::exists(cli.path(output))) << output.toStdString();
        EXPECT_TRUE(read.err.contains(output.endsWith(QStringLiteral(".cap")) ? QStringLiteral("Save this image as .bin")
                                                                              : QStringLiteral("bytes free")))
            << read.err.toStdString();
    }
    umount2(disk.toLocal8Bit().constData(), MNT_DETACH);
}

// A bench must tell a bad cable from a bad chip: a programmer that goes away is exit 3 at any
// point of any command, and says so in the language asked for.
TEST(CliChipCommands, ProgrammerPulledMidCommandExitsWithThree)
{
    CliRunner cli;
    cli.put(QStringLiteral("image.bin"), randomBytes(ChipSize, 9));
    const struct {
        QStringList arguments;
        const char* unplugAfter;
    } runs[] = {
        {command("read", {QStringLiteral("out.bin")}), "40"},
        {command("write", {QStringLiteral("image.bin")}), "40"},
        {command("auto", {QStringLiteral("image.bin")}), "300"},
        {command("erase"), "1"},  // during the chip query
        {{QStringLiteral("detect"), QStringLiteral("--simulate")}, "0"},
    };
    for (const auto& run : runs) {
        cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010,
                    QStringLiteral("unplug_after = %1\n").arg(QLatin1String(run.unplugAfter)));
        const CliResult result = cli.run(run.arguments);
        EXPECT_EQ(result.exitCode, 3) << run.arguments.join(u' ').toStdString() << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("programmer was disconnected"))) << result.err.toStdString();
        EXPECT_FALSE(result.out.contains(QStringLiteral("Complete!")));
    }
    EXPECT_FALSE(QFile::exists(cli.path(QStringLiteral("out.bin"))));

    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010, QStringLiteral("unplug_after = 40\n"));
    const CliResult chinese = cli.run(command("read", {QStringLiteral("--lang"), QStringLiteral("zh-TW"),
                                                       QStringLiteral("out.bin")}));
    EXPECT_EQ(chinese.exitCode, 3);
    EXPECT_TRUE(chinese.err.contains(QStringLiteral("編程器已斷開連接"))) << chinese.err.toStdString();
}

// Auto erased the chip and only then asked about a file longer than the chip: without --yes a
// script ended with an erased chip.
TEST(CliChipCommands, AutoWithAFileLargerThanTheChipChangesNothingUnlessAllowed)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("24"), QStringLiteral("1K"), 0, QStringLiteral("chip_content = pattern\n"));
    const QStringList at24c08{QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("AT24C08")};
    ASSERT_EQ(cli.run(QStringList{QStringLiteral("blank")} + at24c08).exitCode, 1);  // the chip holds its pattern
    const QByteArray before = cli.chipImage();
    QFile::remove(cli.path(QStringLiteral("trace.txt")));
    cli.put(QStringLiteral("big.bin"), randomBytes(2048, 10));
    const QStringList autoBig = QStringList{QStringLiteral("auto")} + at24c08 + QStringList{QStringLiteral("big.bin")};

    const CliResult refused = cli.run(autoBig);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("nothing was changed on the chip"))) << refused.err.toStdString();
    EXPECT_TRUE(cli.trace().isEmpty()) << cli.trace().toStdString();  // the programmer was never opened
    EXPECT_EQ(cli.chipImage(), before);

    const CliResult allowed = cli.run(autoBig + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(allowed.exitCode, 0) << allowed.err.toStdString();
    EXPECT_EQ(cli.chipImage(), cli.contentOf(QStringLiteral("big.bin")).first(1024));
}

// A flash with a bad contact answers ID 000000, a floating bus FFFFFF: neither is a chip the
// database knows (every EEPROM record carries ID 0), so --detect operates on nothing.
TEST(CliChipCommands, AllZeroOrAllOnesFlashIdIsNotRecognised)
{
    CliRunner cli;
    for (const quint32 id : {0x000000u, 0xFFFFFFu}) {
        cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0,
                    QStringLiteral("chip_id = 0x%1\nchip_content = pattern\n").arg(id, 6, 16, QLatin1Char('0')));
        const QString bytes = id == 0 ? QStringLiteral("00 00 00") : QStringLiteral("FF FF FF");
        const CliResult detect = cli.run({QStringLiteral("detect"), QStringLiteral("--simulate")});
        EXPECT_EQ(detect.exitCode, 1);
        EXPECT_TRUE(detect.err.contains(QStringLiteral("Unknown chip ID =") + bytes)) << detect.err.toStdString();
        const QByteArray before = cli.chipImage();
        const CliResult erase = cli.run({QStringLiteral("erase"), QStringLiteral("--simulate"), QStringLiteral("--detect")});
        EXPECT_EQ(erase.exitCode, 1) << erase.err.toStdString();
        EXPECT_FALSE(cli.trace().contains(QStringLiteral("cmd Erase")));
        EXPECT_EQ(cli.chipImage(), before);
    }
}

TEST(CliChipCommands, NotConnectedIsFollowedByWhatToCheckInTheChosenLanguage)
{
    CliRunner cli;
    cli.put(QStringLiteral("sim.conf"), QByteArray("# nothing attached\n"));
    const CliResult english = cli.run({QStringLiteral("detect"), QStringLiteral("--simulate")});
    EXPECT_EQ(english.exitCode, 3);
    const QStringList lines = english.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << english.err.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("zorvex-cli: Not connected"));
    for (const char* cause : {"plugged in and powered", "udev rule", "re-plugging", "--simulate"})
        EXPECT_TRUE(lines[1].contains(QLatin1String(cause))) << cause;

    const CliResult chinese = cli.run({QStringLiteral("detect"), QStringLiteral("--simulate"), QStringLiteral("--lang"),
                                       QStringLiteral("zh-CN")});
    EXPECT_TRUE(chinese.err.split(u'\n', Qt::SkipEmptyParts).value(1).startsWith(
        QStringLiteral("zorvex-cli: 请检查编程器是否已插好并通电")))
        << chinese.err.toStdString();
    // A known reason replaces the general hint.
    const CliResult missing = cli.run({QStringLiteral("detect"), QStringLiteral("--usb-library"), QStringLiteral("/nonexistent.so")});
    EXPECT_FALSE(missing.err.contains(QStringLiteral("udev"))) << missing.err.toStdString();
    // So does a simulator configuration the simulator refused.
    cli.put(QStringLiteral("sim.conf"), QByteArray("[device]\nchip = 26\n"));
    const CliResult refused = cli.run({QStringLiteral("detect"), QStringLiteral("--simulate")});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("zorvex-cli: The simulator configuration was refused")))
        << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains(QStringLiteral("udev"))) << refused.err.toStdString();
}
