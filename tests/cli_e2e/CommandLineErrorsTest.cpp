#include "CliRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

// Mistakes a script can make, each answered with exit code 2 before the programmer is touched.

TEST(CliCommandLine, ChipChoiceMistakesExitWithUsage)
{
    CliRunner cli;
    const CliResult none = cli.run({QStringLiteral("erase"), QStringLiteral("--simulate")});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.err.contains(QStringLiteral("--chip MODEL or --detect")));
    // A mistake found before --lang is read is told in its language too.
    const CliResult simplified = cli.run({QStringLiteral("--chip"), QStringLiteral("W25X05"), QStringLiteral("erase"),
                                          QStringLiteral("--lang"), QStringLiteral("zh-CN")});
    EXPECT_EQ(simplified.exitCode, 2);
    EXPECT_EQ(simplified.err, QStringLiteral("zorvex-cli: --chip 不是可以放在命令之前的共用选项\n用法见 'zorvex-cli --help'。\n"));
    EXPECT_EQ(cli.run({QStringLiteral("erase"), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                       QStringLiteral("W25X05"), QStringLiteral("--detect")})
                  .exitCode,
              2);

    const CliResult unknown = cli.run({QStringLiteral("erase"), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                                       QStringLiteral("W25Q64J")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("closest: W25Q64JV"))) << unknown.err.toStdString();
    // In the language asked for, as every message of a command.
    const CliResult traditional = cli.run({QStringLiteral("erase"), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                                           QStringLiteral("W25Q64J"), QStringLiteral("--lang"), QStringLiteral("zh-TW")});
    EXPECT_TRUE(traditional.err.contains(QStringLiteral("芯片數據庫中沒有名為“W25Q64J”的芯片；最接近的：W25Q64JV")))
        << traditional.err.toStdString();
    const CliResult format = cli.run({QStringLiteral("produce"), QStringLiteral("--lang"), QStringLiteral("zh-CN"), QStringLiteral("--chip"),
                                      QStringLiteral("W25X05"), QStringLiteral("--serial-at"), QStringLiteral("0"), QStringLiteral("--serial-start"),
                                      QStringLiteral("1"), QStringLiteral("--serial-format"), QStringLiteral("ascii:0"), QStringLiteral("in.bin")});
    EXPECT_TRUE(format.err.contains(QStringLiteral("未知的序列号格式“ascii:0”"))) << format.err.toStdString();
    EXPECT_TRUE(cli.trace().isEmpty());
}

TEST(CliCommandLine, MakerTellsApartChipsOfTheSameModelName)
{
    CliRunner cli;
    const QString db = cli.makeDatabase(QStringLiteral("twin.Dat"),
                                        {QStringLiteral("SPI_FLASH First  X25 0xEF3010 65536 256 0"),
                                         QStringLiteral("SPI_FLASH Second X25 0xEF3010 131072 256 0")});
    const CliResult ambiguous = cli.run({QStringLiteral("erase"), QStringLiteral("--db"), db, QStringLiteral("--simulate"),
                                         QStringLiteral("--chip"), QStringLiteral("x25")});
    EXPECT_EQ(ambiguous.exitCode, 2);
    EXPECT_TRUE(ambiguous.err.contains(QStringLiteral("--maker"))) << ambiguous.err.toStdString();
    EXPECT_TRUE(ambiguous.err.contains(QStringLiteral("First X25")) && ambiguous.err.contains(QStringLiteral("Second X25")));

    const CliResult chosen = cli.run({QStringLiteral("erase"), QStringLiteral("--db"), db, QStringLiteral("--simulate"),
                                      QStringLiteral("--chip"), QStringLiteral("x25"), QStringLiteral("--maker"),
                                      QStringLiteral("second")});
    EXPECT_EQ(chosen.exitCode, 0) << chosen.err.toStdString();
    EXPECT_TRUE(cli.trace().contains(QStringLiteral("size=0x20000"))) << cli.trace().toStdString();
}

TEST(CliCommandLine, BadOptionsAndInputFilesExitWithUsage)
{
    CliRunner cli;
    const QStringList chip{QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("W25X05")};
    const CliResult speed = cli.run(QStringList{QStringLiteral("erase"), QStringLiteral("--speed"), QStringLiteral("24MHz")} + chip);
    EXPECT_EQ(speed.exitCode, 2);
    EXPECT_TRUE(speed.err.contains(QStringLiteral("12MHz|6MHz|3MHz|1.5MHz|750KHz|375KHz")));
    EXPECT_EQ(cli.run(QStringList{QStringLiteral("erase"), QStringLiteral("--lang"), QStringLiteral("nl")} + chip).exitCode, 2);
    EXPECT_EQ(cli.run(QStringList{QStringLiteral("erase"), QStringLiteral("--frobnicate")} + chip).exitCode, 2);
    EXPECT_EQ(cli.run(QStringList{QStringLiteral("write")} + chip).exitCode, 2);
    EXPECT_EQ(cli.run(QStringList{QStringLiteral("erase"), QStringLiteral("extra")} + chip).exitCode, 2);
    EXPECT_EQ(cli.run(QStringList{QStringLiteral("erase"), QStringLiteral("--usb-library"), QStringLiteral("x.so")} + chip)
                  .exitCode,
              2);

    const CliResult missing = cli.run(QStringList{QStringLiteral("write"), QStringLiteral("missing.bin")} + chip);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Can't open File")));

    cli.put(QStringLiteral("bad.hex"), ":0100000042BD\r\n:01000100zz\r\n");
    const CliResult bad = cli.run(QStringList{QStringLiteral("verify"), QStringLiteral("bad.hex")} + chip);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("bad.hex:2: Illegal Char in File"))) << bad.err.toStdString();

    cli.put(QStringLiteral("empty.bin"), {});
    const CliResult empty = cli.run(QStringList{QStringLiteral("auto"), QStringLiteral("empty.bin")} + chip);
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("The buffer data is empty.")));

    const CliResult noDatabase = cli.run({QStringLiteral("list"), QStringLiteral("--db"), cli.path(QStringLiteral("none.Dat"))});
    EXPECT_EQ(noDatabase.exitCode, 2);
    cli.put(QStringLiteral("short.Dat"), QByteArray(69, 'x'));
    const CliResult damaged = cli.run({QStringLiteral("list"), QStringLiteral("--db"), cli.path(QStringLiteral("short.Dat"))});
    EXPECT_EQ(damaged.exitCode, 2);
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("The configuration file was destroyed.")));

    // None of it reached the programmer.
    EXPECT_TRUE(cli.trace().isEmpty()) << cli.trace().toStdString();
}

TEST(CliCommandLine, ReadKeepsAnExistingFileUnlessAllowed)
{
    CliRunner cli;
    cli.put(QStringLiteral("out.bin"), "keep");
    const QStringList read{QStringLiteral("read"), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                           QStringLiteral("W25X05"), QStringLiteral("out.bin")};
    const CliResult refused = cli.run(read);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(cli.contentOf(QStringLiteral("out.bin")), "keep");
    // Refused before the chip was read, not after.
    EXPECT_TRUE(cli.trace().isEmpty());

    const CliResult replaced = cli.run(read + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("out.bin")), QByteArray(64 * 1024, '\xFF'));
    // An erased chip reads as empty, which the window reports too; the file is still saved.
    EXPECT_TRUE(replaced.err.contains(QStringLiteral("The chip is empty!")));
}

TEST(CliCommandLine, EveryCommandHasHelpAndListFilters)
{
    CliRunner cli;
    for (const char* name : {"list", "programmers", "detect", "read", "write", "verify", "erase", "blank", "auto",
                             "produce", "convert", "checksum"}) {
        const CliResult help = cli.run({QString::fromLatin1(name), QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << name;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: zorvex-cli %1 ").arg(QLatin1String(name)))) << name;
    }
    EXPECT_TRUE(cli.run({QStringLiteral("auto"), QStringLiteral("--help")}).out.contains(QStringLiteral("--no-verify")));

    // The default database is the one built beside the programs.
    const CliResult list = cli.run({QStringLiteral("list"), QStringLiteral("w25x0")});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, QStringLiteral("SPI_FLASH  Winbond      W25X05           0xEF3010     65536 256\n"));
    const CliResult all = cli.run({QStringLiteral("list")});
    EXPECT_GT(all.out.count(QLatin1Char('\n')), 100);
    EXPECT_TRUE(all.out.contains(QRegularExpression(QStringLiteral("^24_EEPROM "), QRegularExpression::MultilineOption)));
}

TEST(CliCommandLine, HelpAndMistakesSpeakTheLanguageAskedElseTheLocales)
{
    CliRunner cli;
    for (const char* name : {"list", "programmers", "detect", "read", "write", "verify", "erase", "blank", "auto",
                             "produce", "convert", "checksum"}) {
        const QString command = QString::fromLatin1(name);
        cli.setLocale(QStringLiteral("C.UTF-8"));
        const CliResult help = cli.run({QStringLiteral("--lang"), QStringLiteral("zh-TW"), command, QStringLiteral("--help")});
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("用法： zorvex-cli %1 ").arg(command))) << name;
        EXPECT_TRUE(help.out.contains(QStringLiteral("\n選項：\n"))) << name;
        // No --lang: the locale's language, for the parser's own mistakes too.
        cli.setLocale(QStringLiteral("zh_CN.UTF-8"));
        const CliResult mistake = cli.run({command, QStringLiteral("--no-such-option")});
        EXPECT_EQ(mistake.exitCode, 2) << name;
        EXPECT_EQ(mistake.err, QStringLiteral("zorvex-cli %1: %1 命令没有选项 --no-such-option\n用法见 'zorvex-cli --help'。\n")
                                   .arg(command))
            << name << ": " << mistake.err.toStdString();
    }
    // The added languages come from the program's translation files, by code or by locale.
    cli.setLocale(QStringLiteral("C.UTF-8"));
    const CliResult german = cli.run({QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--help")});
    cli.setLocale(QStringLiteral("de_AT.UTF-8"));
    EXPECT_EQ(cli.run({QStringLiteral("--help")}).out, german.out);
    EXPECT_FALSE(german.out.startsWith(QStringLiteral("Usage:"))) << german.out.toStdString();
    EXPECT_TRUE(german.out.contains(QStringLiteral("--lang LANG"))) << german.out.toStdString();
}

TEST(CliCommandLine, DetectedChipTheListsCannotChooseIsNotOperatedOn)
{
    // The lists take "MAKER" for the "Maker" they already hold, and then find no model of it.
    CliRunner cli;
    const QString db = cli.makeDatabase(QStringLiteral("case.Dat"),
                                        {QStringLiteral("SPI_FLASH Maker A1 0xEF3010 65536 256 0"),
                                         QStringLiteral("SPI_FLASH MAKER B2 0xEF3011 65536 256 0")});
    cli.setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3011);
    const CliResult erase = cli.run({QStringLiteral("erase"), QStringLiteral("--db"), db, QStringLiteral("--simulate"),
                                     QStringLiteral("--detect")});
    EXPECT_EQ(erase.exitCode, 1);
    EXPECT_TRUE(erase.err.contains(QStringLiteral("--chip MODEL"))) << erase.err.toStdString();
    EXPECT_FALSE(cli.trace().contains(QStringLiteral("cmd Erase")));
    EXPECT_EQ(cli.run({QStringLiteral("erase"), QStringLiteral("--db"), db, QStringLiteral("--simulate"),
                       QStringLiteral("--chip"), QStringLiteral("b2")})
                  .exitCode,
              0);
}

TEST(CliCommandLine, WordsAfterDoubleDashAreFileNames)
{
    CliRunner cli;
    for (const QString& name : {QStringLiteral("-h"), QStringLiteral("--help")}) {
        const CliResult read = cli.run({QStringLiteral("read"), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                                        QStringLiteral("W25X05"), QStringLiteral("--"), name});
        EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
        EXPECT_EQ(cli.contentOf(name), QByteArray(64 * 1024, '\xFF')) << name.toStdString();
    }
}

TEST(CliCommandLine, ProduceSwitchesGivenAValueAreNamedAsSuch)
{
    CliRunner cli;
    for (const QString& option : {QStringLiteral("--no-erase=1"), QStringLiteral("--no-verify=yes")}) {
        const CliResult produce = cli.run({QStringLiteral("produce"), option, QStringLiteral("--simulate"), QStringLiteral("--chip"),
                                           QStringLiteral("W25X05"), QStringLiteral("in.bin")});
        EXPECT_EQ(produce.exitCode, 2);
        EXPECT_TRUE(produce.err.contains(QStringLiteral("%1 takes no value").arg(option.section(u'=', 0, 0))))
            << produce.err.toStdString();
    }
}

TEST(CliCommandLine, AnEmptyFileNameIsAMissingOne)
{
    CliRunner cli;
    const QStringList chip{QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("W25X05")};
    cli.put(QStringLiteral("in.bin"), "data");
    const struct {
        QStringList arguments;
        const char* missing;
    } cases[] = {
        {QStringList{QStringLiteral("read"), QString()} + chip, "OUT is missing"},
        {QStringList{QStringLiteral("write"), QString()} + chip, "IN is missing"},
        {{QStringLiteral("checksum"), QString()}, "IN is missing"},
        {{QStringLiteral("convert"), QString(), QStringLiteral("out.bin")}, "IN is missing"},
        {{QStringLiteral("convert"), QStringLiteral("in.bin"), QString()}, "OUT is missing"},
    };
    for (const auto& [arguments, missing] : cases) {
        const CliResult result = cli.run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(QLatin1String(missing))) << result.err.toStdString();
    }
    EXPECT_TRUE(cli.trace().isEmpty());
}

TEST(CliCommandLine, AnUnknownChipIsRefusedBeforeTheOutputFolderIsMade)
{
    CliRunner cli;
    const CliResult read = cli.run({QStringLiteral("read"), QStringLiteral("--simulate"), QStringLiteral("--chip"),
                                    QStringLiteral("NOPE"), QStringLiteral("new/out.bin")});
    EXPECT_EQ(read.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(cli.path(QStringLiteral("new"))));
}

// A name with bytes that are not UTF-8 (Latin-1 "café.bin" here) reads back as other bytes:
// refused, instead of "not found" for a file that is there or a file of another name written.
// The window opens a file named on its command line the same way.
TEST(CliCommandLine, ANameThatIsNotUtf8IsRefusedBeforeAnyFileIsTouched)
{
    CliRunner cli;
    const QByteArray latin1Name = QFile::encodeName(cli.path(QString())) + "/caf\xE9.bin";
    const QByteArray image = randomBytes(256, 48);
    QFile named;
    ASSERT_TRUE(named.open(::fopen(latin1Name.constData(), "wb"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    named.write(image);
    named.close();
    cli.put(QStringLiteral("sample.bin"), image);
    const qsizetype files = QDir(cli.path(QString())).count();
    // The shell spells the name byte by byte; QProcess would pass it on as UTF-8.
    const struct {
        const char* program;
        const char* command;
    } runs[] = {{ZORVEX_CLI, "checksum \"$N\""}, {ZORVEX_CLI, "convert \"$N\" out.hex"},
        {ZORVEX_CLI, "convert --yes sample.bin \"$N\""}, {ZORVEX_CLI, "read --simulate --chip W25X05 \"$N\""},
        {ZORVEX_CLI, "--lang de write --simulate --chip W25X05 \"$N\""}, {ZORVEX_WINDOW, "--simulate \"$N\""}};
    for (const auto& [program, command] : runs) {
        QProcess process;
        process.setWorkingDirectory(cli.path(QString()));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), cli.path(QString()));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("N=$(printf 'caf\\351.bin'); exec \"$0\" ") + command,
                                                  QString::fromUtf8(program)});
        ASSERT_TRUE(process.waitForFinished());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 2) << command;
        EXPECT_TRUE(err.contains(QStringLiteral("caf\uFFFD.bin")) && err.contains(QStringLiteral("UTF-8"))) << err.toStdString();
        EXPECT_EQ(QDir(cli.path(QString())).count(), files) << command;
    }
    EXPECT_TRUE(cli.trace().isEmpty());
    ASSERT_TRUE(named.open(::fopen(latin1Name.constData(), "rb"), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    EXPECT_EQ(named.readAll(), image);
}

// A name as a download may spell it ("%2F" for a slash) is shown as it is, not with its "%2"
// taken for the line number or a size of the message it stands in.
TEST(CliCommandLine, AFileNameWithAPercentSignIsNamedAsItIs)
{
    CliRunner cli;
    cli.put(QStringLiteral("fw%2Fa.hex"), ":0100000042BD\r\n\r\n");
    cli.put(QStringLiteral("fw%2Fa.bin"), randomBytes(70000, 50));
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{QStringLiteral("checksum"), QStringLiteral("fw%2Fa.hex")}, "fw%2Fa.hex:2: Illegal Line found"},
        {{QStringLiteral("verify"), QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("W25X05"), QStringLiteral("fw%2Fa.bin")},
         "warning: fw%2Fa.bin holds 70000 bytes, the chip 65536"},
        {{QStringLiteral("produce"), QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("W25X05"), QStringLiteral("fw%2Fa.bin")},
         "fw%2Fa.bin holds 70000 bytes, more than the chip's 65536"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliResult result = cli.run(arguments);
        EXPECT_TRUE(result.err.contains(QLatin1String(message))) << result.err.toStdString();
    }
}
