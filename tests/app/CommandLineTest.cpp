#include "app/CommandLine.h"
#include "text/MessageCatalog.h"

#include <gtest/gtest.h>

TEST(CommandLine, NoArgumentsBindTheDefaultLibrary)
{
    const CommandLine line = CommandLine::parse({});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_FALSE(line.simulate);
    EXPECT_TRUE(line.libraryToBind(QStringLiteral("/opt/zorvex/bin")).isEmpty());
}

TEST(CommandLine, SimulateBindsTheSimulatorBesideTheProgram)
{
    const CommandLine plain = CommandLine::parse({QStringLiteral("--simulate")});
    EXPECT_TRUE(plain.error.isEmpty());
    EXPECT_TRUE(plain.simulatorConfig.isEmpty());
    EXPECT_EQ(plain.libraryToBind(QStringLiteral("/opt/zorvex/bin")),
        QStringLiteral("/opt/zorvex/bin/libzorvex-sim.so"));

    const CommandLine configured = CommandLine::parse({QStringLiteral("--simulate=socket.conf")});
    EXPECT_TRUE(configured.simulate);
    EXPECT_EQ(configured.simulatorConfig, QStringLiteral("socket.conf"));

    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--simulate=")}).error.isEmpty());
}

TEST(CommandLine, UsbLibraryTakesAPathInEitherSpelling)
{
    EXPECT_EQ(CommandLine::parse({QStringLiteral("--usb-library"), QStringLiteral("/tmp/a.so")})
                  .libraryToBind(QString()),
        QStringLiteral("/tmp/a.so"));
    EXPECT_EQ(CommandLine::parse({QStringLiteral("--usb-library=/tmp/b.so")}).usbLibrary,
        QStringLiteral("/tmp/b.so"));
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--usb-library")}).error.isEmpty());
}

TEST(CommandLine, RefusesWhatItDoesNotKnow)
{
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--simulat")}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("a.bin"), QStringLiteral("b.bin")}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--bad-option"), QStringLiteral("a.bin")}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--simulate"), QStringLiteral("--usb-library"),
                                        QStringLiteral("x.so")})
                     .error.isEmpty());
    // In the language in force, as every message.
    const Language before = currentLanguage();
    setCurrentLanguage(Language::Traditional);
    EXPECT_EQ(CommandLine::parse({QStringLiteral("--bad-option")}).error, QStringLiteral("未知選項：--bad-option"));
    EXPECT_TRUE(CommandLine::usage().startsWith(QStringLiteral("用法： zorvex ")));
    setCurrentLanguage(before);
}

TEST(CommandLine, OneFileIsOpenedAtStartAndQtsOwnOptionsAreLeftToQt)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("image.bin")}, "image.bin"},
        {{QStringLiteral("--simulate"), QStringLiteral("fw.hex")}, "fw.hex"},
        {{QStringLiteral("--"), QStringLiteral("-odd.bin")}, "-odd.bin"},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("fw.hex")}, "fw.hex"},
        {{QStringLiteral("-style=fusion"), QStringLiteral("--reverse"), QStringLiteral("fw.hex")}, "fw.hex"},
        {{QStringLiteral("-display"), QStringLiteral(":1")}, ""},
    };
    for (const auto& [arguments, file] : cases) {
        const CommandLine line = CommandLine::parse(arguments);
        EXPECT_TRUE(line.error.isEmpty()) << qPrintable(arguments.join(u' ')) << ": " << qPrintable(line.error);
        EXPECT_EQ(line.file, QLatin1String(file)) << qPrintable(arguments.join(u' '));
    }
}
