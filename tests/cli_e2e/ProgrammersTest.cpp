// Several programmers on one host: listing, choosing one, one held by another process, and two
// processes programming at the same time.
#include "CliRunner.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace {

constexpr qsizetype ChipSize = 1024 * 1024;  // W25X80

// ALPHA on bus 1, BETA on bus 2, and a programmer without a serial after it; each has its
// chip in an image file of its own and a claim lock shared by every process.
void putBench(const CliRunner& cli)
{
    QString config = QStringLiteral("trace_file = %1\n").arg(cli.path(QStringLiteral("trace.txt")));
    const auto device = [&](const QString& name, int bus, const QString& serial) {
        config += QStringLiteral("[device]\nbus = %1\nserial = \"%2\"\nchip = 25flash\nchip_size = 1M\nchip_id = 0xEF3014\n"
                                 "chip_content = blank\nchip_image = %3\nclaim_lock = %4\n")
                      .arg(bus)
                      .arg(serial, cli.path(name + QStringLiteral(".img")), cli.path(name + QStringLiteral(".lock")));
    };
    device(QStringLiteral("alpha"), 1, QStringLiteral("ALPHA"));
    device(QStringLiteral("beta"), 2, QStringLiteral("BETA"));
    device(QStringLiteral("plain"), 2, QString());
    cli.put(QStringLiteral("sim.conf"), config.toUtf8());
}

QStringList writeTo(const QString& selector, const QString& file)
{
    return {QStringLiteral("write"), QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("w25x80"),
            QStringLiteral("--programmer"), selector, file};
}

}  // namespace

TEST(CliProgrammers, ListsEveryAttachedProgrammer)
{
    CliRunner cli;
    putBench(cli);
    const CliResult result = cli.run({QStringLiteral("programmers"), QStringLiteral("--simulate")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("1  001:001  ALPHA  WinUSBComm Device\n"
                                         "2  002:001  BETA  WinUSBComm Device\n"
                                         "3  002:002  -  WinUSBComm Device\n"));

    cli.put(QStringLiteral("sim.conf"), QByteArray("# nothing attached\n"));
    const CliResult none = cli.run({QStringLiteral("programmers"), QStringLiteral("--simulate")});
    EXPECT_EQ(none.exitCode, 3);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.contains(QStringLiteral("No programmer is attached"))) << none.err.toStdString();
    // The hint that follows speaks the language asked for, as every message does.
    const CliResult english = cli.run({QStringLiteral("programmers"), QStringLiteral("--simulate"),
                                       QStringLiteral("--lang"), QStringLiteral("en")});
    EXPECT_TRUE(english.err.contains(QStringLiteral("Check that the programmer is plugged in"))) << english.err.toStdString();
}

TEST(CliProgrammers, EachFormOfSelectorWritesOnlyItsChip)
{
    for (const QString& selector : {QStringLiteral("BETA"), QStringLiteral("002:001"), QStringLiteral("2")}) {
        CliRunner cli;
        putBench(cli);
        const QByteArray image = randomBytes(4096, 21);
        cli.put(QStringLiteral("image.bin"), image);
        const CliResult result = cli.run(writeTo(selector, QStringLiteral("image.bin")));
        ASSERT_EQ(result.exitCode, 0) << selector.toStdString() << result.err.toStdString();
        EXPECT_EQ(cli.contentOf(QStringLiteral("beta.img")).left(image.size()), image) << selector.toStdString();
        EXPECT_EQ(cli.contentOf(QStringLiteral("alpha.img")), QByteArray(ChipSize, '\xFF')) << selector.toStdString();
        EXPECT_EQ(cli.contentOf(QStringLiteral("plain.img")), QByteArray(ChipSize, '\xFF')) << selector.toStdString();
    }
}

TEST(CliProgrammers, NoMatchIsNotConnectedNamingTheSelector)
{
    CliRunner cli;
    putBench(cli);
    cli.put(QStringLiteral("image.bin"), randomBytes(256, 22));
    for (const QString& selector : {QStringLiteral("GAMMA"), QStringLiteral("4"), QStringLiteral("003:001")}) {
        const CliResult result = cli.run(writeTo(selector, QStringLiteral("image.bin")));
        EXPECT_EQ(result.exitCode, 3) << selector.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("Not connected"))) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(selector)) << result.err.toStdString();
    }
    // In the language asked for.
    const CliResult traditional = cli.run(writeTo(QStringLiteral("GAMMA"), QStringLiteral("image.bin")) +
                                          QStringList{QStringLiteral("--lang"), QStringLiteral("zh-TW")});
    EXPECT_TRUE(traditional.err.contains(QStringLiteral("沒有與 --programmer GAMMA 相符"))) << traditional.err.toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("alpha.img")), QByteArray(ChipSize, '\xFF'));
}

TEST(CliProgrammers, ProgrammerHeldByAnotherProcessIsBusy)
{
    CliRunner cli;
    putBench(cli);
    cli.put(QStringLiteral("image.bin"), randomBytes(256, 23));
    // This test process holds ALPHA's claim, as a second zorvex-cli would.
    const int lock = ::open(cli.path(QStringLiteral("alpha.lock")).toLocal8Bit().constData(), O_RDWR | O_CREAT, 0644);
    ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
    const CliResult result = cli.run(writeTo(QStringLiteral("ALPHA"), QStringLiteral("image.bin")));
    ::close(lock);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.err.contains(QStringLiteral("ALPHA is in use by another program"))) << result.err.toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("alpha.img")), QByteArray(ChipSize, '\xFF'));
    EXPECT_EQ(cli.contentOf(QStringLiteral("beta.img")), QByteArray(ChipSize, '\xFF'));

    // Without --programmer every one is tried; all of them held is no unplugged cable either.
    std::vector<int> locks;
    for (const char* name : {"alpha.lock", "beta.lock", "plain.lock"}) {
        locks.push_back(::open(cli.path(QString::fromLatin1(name)).toLocal8Bit().constData(), O_RDWR | O_CREAT, 0644));
        ASSERT_EQ(flock(locks.back(), LOCK_EX | LOCK_NB), 0);
    }
    QStringList anyProgrammer = writeTo(QString(), QStringLiteral("image.bin"));
    anyProgrammer.remove(4, 2);
    const CliResult anyHeld = cli.run(anyProgrammer);
    for (const int held : locks)
        ::close(held);
    EXPECT_EQ(anyHeld.exitCode, 3);
    EXPECT_TRUE(anyHeld.err.contains(QStringLiteral("is in use by another program"))) << anyHeld.err.toStdString();
    EXPECT_FALSE(anyHeld.err.contains(QStringLiteral("plugged in"))) << anyHeld.err.toStdString();
}

TEST(CliProgrammers, TwoProcessesProgramTwoProgrammersAtOnce)
{
    CliRunner cli;
    putBench(cli);
    const QByteArray alphaImage = randomBytes(ChipSize, 24);
    const QByteArray betaImage = randomBytes(ChipSize, 25);
    cli.put(QStringLiteral("alpha.bin"), alphaImage);
    cli.put(QStringLiteral("beta.bin"), betaImage);

    std::vector<std::unique_ptr<QProcess>> processes;
    for (const auto& [selector, file] : {std::pair{QStringLiteral("ALPHA"), QStringLiteral("alpha.bin")},
                                         std::pair{QStringLiteral("BETA"), QStringLiteral("beta.bin")}}) {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(cli.path(QString()));
        process->setStandardInputFile(QProcess::nullDevice());
        QStringList arguments = writeTo(selector, file);
        arguments[0] = QStringLiteral("auto");
        arguments[1] = QStringLiteral("--simulate=%1").arg(cli.path(QStringLiteral("sim.conf")));
        process->start(QStringLiteral(ZORVEX_CLI), arguments);
        ASSERT_TRUE(process->waitForStarted());
        processes.push_back(std::move(process));
    }
    for (const auto& process : processes) {
        ASSERT_TRUE(process->waitForFinished(120000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    EXPECT_EQ(cli.contentOf(QStringLiteral("alpha.img")), alphaImage);
    EXPECT_EQ(cli.contentOf(QStringLiteral("beta.img")), betaImage);
    EXPECT_EQ(cli.contentOf(QStringLiteral("plain.img")), QByteArray(ChipSize, '\xFF'));
}
