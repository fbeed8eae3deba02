#include "app/CommandLine.h"

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
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("image.bin")}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--simulate"), QStringLiteral("--usb-library"),
                                        QStringLiteral("x.so")})
                     .error.isEmpty());
}
