#include "CliRunner.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

// The shared options before the command, an option a command does not take, and --version.

namespace {

QStringList args(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

}  // namespace

TEST(CliSharedOptions, WorkBeforeTheCommandAsAfterIt)
{
    CliRunner cli;
    const CliResult detect = cli.run(args({"--simulate", "detect"}));
    EXPECT_EQ(detect.exitCode, 0) << detect.err.toStdString();
    EXPECT_TRUE(detect.out.contains(QStringLiteral("W25X05"))) << detect.out.toStdString();

    // Every kind of value: apart, after "=", optional after "=", none; mixed with options after.
    const QString db = cli.makeDatabase(QStringLiteral("one.Dat"), {QStringLiteral("SPI_FLASH Maker X25 0xEF3010 65536 256 0")});
    cli.put(QStringLiteral("in.bin"), randomBytes(70000, 7));
    const CliResult write = cli.run(QStringList{QStringLiteral("--db"), db, QStringLiteral("--speed=750KHz"),
                                                QStringLiteral("--simulate=") + cli.path(QStringLiteral("sim.conf")),
                                                QStringLiteral("--yes"), QStringLiteral("--lang"), QStringLiteral("zh-TW"),
                                                QStringLiteral("write"), QStringLiteral("--chip"), QStringLiteral("x25"),
                                                QStringLiteral("in.bin")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(cli.chipImage(), randomBytes(70000, 7).left(65536));
    EXPECT_TRUE(cli.trace().contains(QRegularExpression(QStringLiteral("cmd Begin .*speed=0x4")))) << cli.trace().toStdString();

    const CliResult list = cli.run(QStringList{QStringLiteral("--db=") + db, QStringLiteral("list")});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.out.count(QLatin1Char('\n')), 1);
}

TEST(CliSharedOptions, CommandRefusesAnOptionItDoesNotTakeByName)
{
    CliRunner cli;
    struct Case {
        QStringList arguments;
        const char* command;
        const char* option;
    };
    const Case cases[] = {
        {args({"list", "--speed", "6MHz"}), "list", "--speed"},
        {args({"--speed", "6MHz", "list"}), "list", "--speed"},
        {args({"--simulate", "list"}), "list", "--simulate"},
        {args({"--usb-library=x.so", "list"}), "list", "--usb-library"},
        {args({"--yes", "erase", "--simulate", "--chip", "W25X05"}), "erase", "--yes"},
        {args({"--yes", "detect", "--simulate"}), "detect", "--yes"},
        {args({"detect", "--simulate", "--chip", "W25X05"}), "detect", "--chip"},
        {args({"erase", "--simulate", "--chip", "W25X05", "--no-verify"}), "erase", "--no-verify"},
        {args({"--simulate", "convert", "a.bin", "b.hex"}), "convert", "simulate"},
    };
    for (const Case& c : cases) {
        const CliResult result = cli.run(c.arguments);
        const std::string line = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(result.exitCode, 2) << line;
        EXPECT_TRUE(result.err.contains(QLatin1String(c.command)) && result.err.contains(QLatin1String(c.option)))
            << line << ": " << result.err.toStdString();
    }
    // Nothing reached the programmer, not even the erase whose --yes was refused.
    EXPECT_TRUE(cli.trace().isEmpty()) << cli.trace().toStdString();
}

TEST(CliSharedOptions, BeforeTheCommandOnlySharedOptionsAreTaken)
{
    CliRunner cli;
    const CliResult chip = cli.run(args({"--chip", "W25X05", "erase", "--simulate"}));
    EXPECT_EQ(chip.exitCode, 2);
    EXPECT_TRUE(chip.err.contains(QStringLiteral("--chip is not one of the shared options"))) << chip.err.toStdString();
    EXPECT_EQ(cli.run(args({"--frobnicate", "list"})).exitCode, 2);
    EXPECT_TRUE(cli.trace().isEmpty());

    // A value that is missing or malformed is reported as after the command.
    const CliResult noCommand = cli.run(args({"--simulate"}));
    EXPECT_EQ(noCommand.exitCode, 2);
    EXPECT_TRUE(noCommand.err.contains(QStringLiteral("command is missing"))) << noCommand.err.toStdString();
    const CliResult emptyConfig = cli.run(args({"--simulate=", "detect"}));
    EXPECT_EQ(emptyConfig.exitCode, 2);
    EXPECT_TRUE(emptyConfig.err.contains(QStringLiteral("--simulate= needs a value"))) << emptyConfig.err.toStdString();
    const CliResult yesValue = cli.run(args({"--yes=no", "read", "--simulate", "--chip", "W25X05", "out.bin"}));
    EXPECT_EQ(yesValue.exitCode, 2);
    EXPECT_TRUE(yesValue.err.contains(QStringLiteral("--yes takes no value"))) << yesValue.err.toStdString();
    const CliResult speed = cli.run(args({"--speed", "9MHz", "detect", "--simulate"}));
    EXPECT_EQ(speed.exitCode, 2);
    EXPECT_TRUE(speed.err.contains(QStringLiteral("unknown speed '9MHz'"))) << speed.err.toStdString();
    EXPECT_EQ(cli.run(args({"list", "--db"})).exitCode, 2);
    EXPECT_TRUE(cli.trace().isEmpty());
}

TEST(CliSharedOptions, HelpListsTheSharedOptionsEachCommandTakesAndVersionPrints)
{
    CliRunner cli;
    const CliResult listHelp = cli.run(args({"--db", "x.Dat", "--help", "list"}));
    EXPECT_EQ(listHelp.exitCode, 0);
    EXPECT_TRUE(listHelp.out.startsWith(QStringLiteral("Usage: zorvex-cli list ")));
    EXPECT_TRUE(listHelp.out.contains(QStringLiteral("--db FILE")) && listHelp.out.contains(QStringLiteral("--lang LANG")));
    EXPECT_FALSE(listHelp.out.contains(QStringLiteral("--speed")) || listHelp.out.contains(QStringLiteral("--yes")));
    const CliResult readHelp = cli.run(args({"read", "--help"}));
    for (const char* option : {"--speed SPEED", "--simulate[=CONFIG]", "--usb-library PATH", "--yes", "--chip MODEL"})
        EXPECT_TRUE(readHelp.out.contains(QLatin1String(option))) << option;

    const CliResult usage = cli.run(args({"--help"}));
    EXPECT_EQ(usage.exitCode, 0);
    EXPECT_TRUE(usage.out.contains(QStringLiteral("[shared options] <command>")));
    EXPECT_TRUE(usage.out.contains(QStringLiteral("--simulate[=CONFIG]")));

    const CliResult version = cli.run(args({"--version"}));
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^zorvex-cli \\d+\\.\\d+\\.\\d+\\nCopyright \\(C\\) \\d{4} .*\\nLicense GPLv3\\+"))
                    .match(version.out)
                    .hasMatch())
        << version.out.toStdString();
}
