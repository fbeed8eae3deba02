#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

// The image files of the chip commands: every S-record name, --from for any name, and what the
// tool says about a file it cannot use as given.
namespace {

constexpr qsizetype ChipSize = 64 * 1024;  // the W25X05 of the default database

QStringList command(const char* name, const QStringList& more)
{
    return QStringList{QString::fromLatin1(name), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                       QStringLiteral("w25x05")} + more;
}

}  // namespace

TEST(CliImageFiles, SRecordFilesProgramTheirBytesUnderEveryName)
{
    CliRunner cli;
    const QByteArray image = randomBytes(ChipSize, 21);
    cli.put(QStringLiteral("image.bin"), image);
    ASSERT_EQ(cli.run({QStringLiteral("convert"), QStringLiteral("image.bin"), QStringLiteral("fw.src")}).exitCode, 0);
    const QByteArray records = cli.contentOf(QStringLiteral("fw.src"));
    ASSERT_TRUE(records.startsWith("S0"));

    // Detected chip, as a production bench runs it: the decoded bytes go in, not the text.
    const CliResult autoRun = cli.run({QStringLiteral("auto"), QStringLiteral("--simulate"), QStringLiteral("--detect"),
                                       QStringLiteral("fw.src")});
    ASSERT_EQ(autoRun.exitCode, 0) << autoRun.err.toStdString();
    EXPECT_EQ(cli.chipImage(), image);

    for (const char* name : {"fw.s19", "fw.s28", "fw.s37", "fw.srec", "fw.sx", "fw.mot"}) {
        cli.put(QString::fromLatin1(name), records);
        const CliResult verify = cli.run(command("verify", {QString::fromLatin1(name)}));
        EXPECT_EQ(verify.exitCode, 0) << name << verify.err.toStdString();
        EXPECT_TRUE(verify.err.isEmpty()) << verify.err.toStdString();
    }
    const CliResult read = cli.run(command("read", {QStringLiteral("back.s37")}));
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_TRUE(cli.contentOf(QStringLiteral("back.s37")).startsWith("S0"));
    ASSERT_EQ(cli.run({QStringLiteral("convert"), QStringLiteral("back.s37"), QStringLiteral("back.bin")}).exitCode, 0);
    EXPECT_EQ(cli.contentOf(QStringLiteral("back.bin")), image);
}

TEST(CliImageFiles, FromReadsAnyNameAndABinaryThatLooksLikeRecordsIsWarnedAbout)
{
    CliRunner cli;
    const QByteArray image = randomBytes(ChipSize, 22);
    cli.put(QStringLiteral("image.bin"), image);
    ASSERT_EQ(cli.run({QStringLiteral("convert"), QStringLiteral("image.bin"), QStringLiteral("fw.txt"),
                       QStringLiteral("--to"), QStringLiteral("hex")}).exitCode, 0);

    const CliResult write = cli.run(command("write", {QStringLiteral("--from"), QStringLiteral("hex"), QStringLiteral("fw.txt")}));
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(cli.chipImage(), image);
    EXPECT_EQ(cli.run(command("verify", {QStringLiteral("fw.txt"), QStringLiteral("--from=hex")})).exitCode, 0);

    // Read as binary, the text is not the image: the tool names the option that reads it.
    const CliResult asBinary = cli.run(command("verify", {QStringLiteral("fw.txt")}));
    EXPECT_EQ(asBinary.exitCode, 1);
    EXPECT_TRUE(asBinary.err.contains(QStringLiteral("--from hex"))) << asBinary.err.toStdString();

    const CliResult unknown = cli.run(command("write", {QStringLiteral("--from"), QStringLiteral("elf"), QStringLiteral("fw.txt")}));
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("elf"))) << unknown.err.toStdString();
}

TEST(CliImageFiles, VerifyWithAFileLongerThanTheChipWarnsWithBothSizes)
{
    CliRunner cli;
    const QByteArray image = randomBytes(ChipSize + 1000, 23);
    cli.put(QStringLiteral("big.bin"), image);
    ASSERT_EQ(cli.run(command("write", {QStringLiteral("--yes"), QStringLiteral("big.bin")})).exitCode, 0);
    const CliResult verify = cli.run(command("verify", {QStringLiteral("big.bin")}));
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    EXPECT_TRUE(verify.err.contains(QStringLiteral("66536")) && verify.err.contains(QStringLiteral("65536")))
        << verify.err.toStdString();
}

TEST(CliImageFiles, ReadIntoAFileThatCannotBeCreatedStopsBeforeTheChipInTheChosenLanguage)
{
    CliRunner cli;
    QFile blocker(cli.path(QStringLiteral("none")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    const CliResult english = cli.run(command("read", {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("none/out.bin")}));
    EXPECT_EQ(english.exitCode, 2);
    EXPECT_TRUE(english.err.contains(QStringLiteral("Cannot create the file."))) << english.err.toStdString();
    EXPECT_TRUE(english.err.contains(QStringLiteral("none/out.bin: ")) && english.err.contains(QStringLiteral("Not a directory")))
        << english.err.toStdString();
    EXPECT_FALSE(english.out.contains(QStringLiteral("Read Complete!")));
    EXPECT_TRUE(cli.trace().isEmpty()) << "the programmer was opened: " << cli.trace().toStdString();

    const CliResult chinese = cli.run(command("read", {QStringLiteral("--lang"), QStringLiteral("zh-CN"), QStringLiteral("none/out.hex")}));
    EXPECT_EQ(chinese.exitCode, 2);
    EXPECT_TRUE(chinese.err.contains(QString::fromUtf8("无法创建文件。"))) << chinese.err.toStdString();

    // A folder that is only missing is made.
    const CliResult made = cli.run(command("read", {QStringLiteral("new/folder/out.bin")}));
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(QFile(cli.path(QStringLiteral("new/folder/out.bin"))).size(), ChipSize);
}

// A read whose image cannot go where it was asked to keeps it in a file the message names: the
// read is not lost. Here a device that is always full, and an output file that another program
// makes while the chip is read (the simulator's trace), which no one has said may be replaced.
TEST(CliImageFiles, AReadWhoseSaveFailsOrIsRefusedKeepsTheImageInANamedFile)
{
    struct Case {
        const char* out;
        const char* says;
    };
    for (const Case& each : {Case{"/dev/full", "No space left on device"}, Case{"late.bin", "late.bin left as it was"}}) {
        CliRunner cli;
        const QString out = QString::fromLatin1(each.out);
        cli.put(QStringLiteral("sim.conf"), QStringLiteral("trace_file = %1\n[device]\nchip_size = 64K\nchip_id = 0xEF3010\n"
                                                           "chip_content = pattern\nchip_image = %2\n")
                                                .arg(cli.path(QStringLiteral("late.bin")), cli.path(QStringLiteral("chip.img")))
                                                .toUtf8());
        const QStringList yes = out.startsWith(u'/') ? QStringList{QStringLiteral("--yes")} : QStringList{};
        const CliResult result = cli.run(command("read", yes + QStringList{QStringLiteral("--lang"), QStringLiteral("en"), out}));
        EXPECT_EQ(result.exitCode, 2) << each.out;
        EXPECT_TRUE(result.err.contains(QString::fromLatin1(each.says))) << result.err.toStdString();
        const QRegularExpressionMatch kept =
            QRegularExpression(QStringLiteral("The image read is kept in (\\S+)\\.\\n")).match(result.err);
        ASSERT_TRUE(kept.hasMatch()) << result.err.toStdString();
        QFile image(kept.captured(1));
        ASSERT_TRUE(image.open(QIODevice::ReadOnly));
        EXPECT_EQ(image.readAll(), cli.chipImage()) << each.out;
        image.remove();
        const QByteArray other = cli.contentOf(QStringLiteral("late.bin"));
        EXPECT_TRUE(!other.isEmpty() && other != cli.chipImage()) << "the other program's file was replaced";
    }
}

// The room a read needs is looked for where the image goes: through symbolic links, on the disk of
// the file they lead to (here a 64 KiB tmpfs, which needs the right to mount); a device takes the
// image without room on any disk.
TEST(CliImageFiles, TheRoomCheckOfAReadLooksWhereTheImageGoes)
{
    CliRunner cli;
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010, QStringLiteral("chip_content = pattern\n"));
    const QString disk = cli.path(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    if (mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    ASSERT_TRUE(QFile::link(disk + QStringLiteral("/out.hex"), cli.path(QStringLiteral("out.hex"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("out.hex"), cli.path(QStringLiteral("chain.hex"))));
    for (const QString& out : {QStringLiteral("out.hex"), QStringLiteral("chain.hex")}) {
        const CliResult read = cli.run(command("read", {out}));
        EXPECT_EQ(read.exitCode, 2);
        EXPECT_TRUE(read.err.contains(QStringLiteral("The chip was not read."))) << read.err.toStdString();
        EXPECT_FALSE(read.out.contains(QStringLiteral("Read Complete!"))) << read.out.toStdString();
    }
    const QString device = disk + QStringLiteral("/null.hex");
    ASSERT_EQ(mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)), 0) << std::strerror(errno);
    const CliResult toDevice = cli.run(command("read", {QStringLiteral("--yes"), device}));
    EXPECT_EQ(toDevice.exitCode, 0) << toDevice.err.toStdString();
    umount2(QFile::encodeName(disk).constData(), MNT_DETACH);
}
