// zorvex-cli produce against the simulator: the test plays the person at the bench, putting
// chips into the socket (chip_present_file) and taking them out when told.
#include "CliRunner.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

constexpr qsizetype ChipSize = 64 * 1024;  // W25X05
constexpr int WaitMs = 60000;

class Bench {
public:
    explicit Bench(const QString& extraDeviceKeys = {})
    {
        m_cli.put(QStringLiteral("sim.conf"),
                  QStringLiteral("trace_file = %1\n[device]\nserial = LINE1\nchip = 25flash\nchip_size = 64K\n"
                                 "chip_id = 0xEF3010\nchip_content = blank\nchip_image = %2\nchip_present_file = %3\n%4")
                      .arg(m_cli.path(QStringLiteral("trace.txt")), m_cli.path(QStringLiteral("chip.img")),
                           m_cli.path(QStringLiteral("present")), extraDeviceKeys)
                      .toUtf8());
    }
    ~Bench()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    [[nodiscard]] const CliRunner& cli() const { return m_cli; }

    void start(const QStringList& options)
    {
        m_process.setWorkingDirectory(m_cli.path(QString()));
        m_process.setStandardInputFile(QProcess::nullDevice());
        if (!m_outputFile.isEmpty())
            m_process.setStandardOutputFile(m_outputFile);
        if (m_head) {
            m_process.setStandardOutputProcess(m_head.get());
            m_head->start(QStringLiteral("head"), {QStringLiteral("-n1")});
        }
        m_process.start(QStringLiteral(ZORVEX_CLI),
                        QStringList{QStringLiteral("produce"), QStringLiteral("--simulate=%1").arg(m_cli.path(QStringLiteral("sim.conf"))),
                                    QStringLiteral("--poll-ms"), QStringLiteral("20")}
                            + (options.contains(QStringLiteral("--detect")) ? QStringList()
                                                                              : QStringList{QStringLiteral("--chip"), QStringLiteral("w25x05")})
                            + options);
        ASSERT_TRUE(m_process.waitForStarted());
    }

    // Waits until the occurrence-th line matching pattern has been printed; the line, or empty
    // when the program ended or the time ran out first.
    QString waitForLine(const QString& pattern, int occurrence = 1)
    {
        const QRegularExpression expression(QStringLiteral("^") + pattern + QStringLiteral("$"));
        QDeadlineTimer deadline(WaitMs);
        for (;;) {
            m_out += QString::fromUtf8(output().readAllStandardOutput());
            int seen = 0;
            for (const QString& line : m_out.split(u'\n')) {
                if (expression.match(line).hasMatch() && ++seen == occurrence)
                    return line;
            }
            if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
                return {};
            output().waitForReadyRead(100);
        }
    }

    // A chip into the socket: an erased one, or one holding these bytes.
    void insert(const QByteArray& content = {})
    {
        QFile::remove(m_cli.path(QStringLiteral("chip.img")));
        if (!content.isEmpty())
            m_cli.put(QStringLiteral("chip.img"), content);
        m_cli.put(QStringLiteral("present"), {});
    }
    // Takes the chip out and keeps what it holds.
    void remove()
    {
        m_chips << m_cli.contentOf(QStringLiteral("chip.img"));
        QFile::remove(m_cli.path(QStringLiteral("present")));
    }
    // Inserts a chip at the next "Insert a chip", takes it out at the next "Remove the chip".
    void serve(int chip, const QByteArray& content = {})
    {
        ASSERT_FALSE(waitForLine(QStringLiteral("Insert a chip"), chip).isEmpty()) << err().toStdString();
        insert(content);
        ASSERT_FALSE(waitForLine(QStringLiteral("#%1 .*").arg(chip)).isEmpty()) << err().toStdString();
    }

    void interrupt(int signal = SIGINT) { ::kill(static_cast<pid_t>(m_process.processId()), signal); }
    // From the next start, the run's output goes through head -n1, as in produce ... | head -n1.
    void throughHead() { m_head = std::make_unique<QProcess>(); }
    void outputTo(const QString& path) { m_outputFile = path; }
    // Once head has its line, nothing reads the run's output any more.
    void headGone() { EXPECT_TRUE(m_head->waitForFinished(WaitMs)); }

    int finish()
    {
        EXPECT_TRUE(m_process.state() == QProcess::NotRunning || m_process.waitForFinished(WaitMs));
        m_out += QString::fromUtf8(output().readAllStandardOutput());
        return m_process.exitCode();
    }
    [[nodiscard]] const QString& out() const { return m_out; }
    [[nodiscard]] QString err() { return m_err += QString::fromUtf8(m_process.readAllStandardError()); }
    [[nodiscard]] const QList<QByteArray>& chips() const { return m_chips; }

private:
    QProcess& output() { return m_head ? *m_head : m_process; }

    CliRunner m_cli;
    std::unique_ptr<QProcess> m_head;
    QString m_outputFile;
    QProcess m_process;
    QString m_out;
    QString m_err;
    QList<QByteArray> m_chips;
};

// Another program holding a programmer's claim (the simulator's claim_lock), until released.
class ForeignClaim {
public:
    explicit ForeignClaim(const QString& lockFile) : m_fd(::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT, 0644))
    {
        EXPECT_EQ(::flock(m_fd, LOCK_EX), 0);
    }
    ~ForeignClaim() { release(); }
    void release()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

QByteArray withSerial(QByteArray image, qsizetype at, const QByteArray& serial)
{
    image.replace(at, serial.size(), serial);
    return image;
}

QString crcOf(const CliRunner& cli, const QByteArray& image)
{
    cli.put(QStringLiteral("expected.bin"), image);
    const CliResult result = cli.run({QStringLiteral("checksum"), QStringLiteral("expected.bin")});
    return result.out.mid(6, 8);
}

}  // namespace

TEST(CliProduce, ThreeChipsWithAFailedOneInTheMiddleAndAParsedLog)
{
    Bench bench;
    const QByteArray image = randomBytes(4096, 31);
    bench.cli().put(QStringLiteral("image.bin"), image);
    // Without the erase, a chip whose cells are all 0 cannot take the image and fails its verify.
    bench.start({QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--no-erase"), QStringLiteral("--serial-at"),
                 QStringLiteral("0x100"), QStringLiteral("--serial-start"), QStringLiteral("100"), QStringLiteral("--serial-format"),
                 QStringLiteral("ascii:6"), QStringLiteral("--serial-file"), QStringLiteral("next.txt"), QStringLiteral("--log"),
                 QStringLiteral("run.jsonl"), QStringLiteral("image.bin")});
    bench.serve(1);
    bench.remove();
    bench.serve(2, QByteArray(ChipSize, '\0'));
    bench.remove();
    bench.serve(3);
    EXPECT_EQ(bench.finish(), 1) << bench.err().toStdString();
    bench.remove();

    const QByteArray first = withSerial(image, 0x100, "000100");
    const QByteArray third = withSerial(image, 0x100, "000102");
    const QString pass = QStringLiteral("#%1 PASS %2 %3 \\d+\\.\\d \\(CRC32 of 4096 bytes\\)");
    EXPECT_FALSE(bench.waitForLine(pass.arg(1).arg(100).arg(crcOf(bench.cli(), first))).isEmpty()) << bench.out().toStdString();
    EXPECT_FALSE(bench.waitForLine(QStringLiteral("#2 FAIL .*address.*")).isEmpty()) << bench.out().toStdString();
    // The failed chip was written to, so it may hold its number: the next chip takes a new one.
    EXPECT_FALSE(bench.waitForLine(pass.arg(3).arg(102).arg(crcOf(bench.cli(), third))).isEmpty()) << bench.out().toStdString();
    EXPECT_TRUE(bench.out().endsWith(QStringLiteral("2 passed, 1 failed\n"))) << bench.out().toStdString();
    ASSERT_EQ(bench.chips().size(), 3);
    EXPECT_EQ(bench.chips()[0].left(image.size()), first);
    EXPECT_EQ(bench.chips()[2].left(image.size()), third);
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("next.txt")).trimmed(), "103");

    const QList<QByteArray> lines = bench.cli().contentOf(QStringLiteral("run.jsonl")).split('\n');
    ASSERT_EQ(lines.size(), 4);  // three lines and the end of the last
    EXPECT_TRUE(lines[3].isEmpty());
    const QStringList results{QStringLiteral("pass"), QStringLiteral("fail"), QStringLiteral("pass")};
    const QList<int> serials{100, 101, 102};  // the failed chip keeps 101 in its record
    for (int i = 0; i < 3; ++i) {
        QJsonParseError error{};
        const QJsonObject entry = QJsonDocument::fromJson(lines[i], &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[i].toStdString();
        EXPECT_EQ(entry[QStringLiteral("result")].toString(), results[i]);
        EXPECT_EQ(entry[QStringLiteral("serial")].toString(), QString::number(serials[i]));
        EXPECT_EQ(entry[QStringLiteral("programmer")].toString(), QStringLiteral("LINE1"));
        EXPECT_EQ(entry[QStringLiteral("chip")].toString(), QStringLiteral("W25X05"));
        EXPECT_EQ(entry[QStringLiteral("jedec_id")].toString(), QStringLiteral("EF3010"));
        EXPECT_TRUE(entry[QStringLiteral("time")].toString().contains(
            QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"))))
            << entry[QStringLiteral("time")].toString().toStdString();
        EXPECT_TRUE(entry[QStringLiteral("sha256")].toString().contains(QRegularExpression(QStringLiteral("^[0-9a-f]{64}$"))));
        EXPECT_TRUE(entry[QStringLiteral("seconds")].isDouble());
        EXPECT_EQ(entry[QStringLiteral("reason")].isNull(), results[i] == u"pass");
    }
    EXPECT_EQ(QJsonDocument::fromJson(lines[0]).object()[QStringLiteral("crc32")].toString(), crcOf(bench.cli(), first));
}

TEST(CliProduce, RestartContinuesFromTheSerialFile)
{
    Bench bench;
    const QByteArray image = randomBytes(512, 32);
    bench.cli().put(QStringLiteral("image.bin"), image);
    const QStringList options{QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--serial-at"), QStringLiteral("0x10"),
                              QStringLiteral("--serial-format"), QStringLiteral("le32"), QStringLiteral("--serial-file"),
                              QStringLiteral("next.txt"), QStringLiteral("image.bin")};
    bench.start(QStringList{QStringLiteral("--serial-start"), QStringLiteral("0x01020304")} + options);
    bench.serve(1);
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    bench.remove();
    EXPECT_EQ(bench.chips()[0].mid(0x10, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("next.txt")).trimmed(), QByteArray::number(0x01020305));

    // The file wins over --serial-start once it exists. Reached through a link, it is locked
    // where the runs that name it directly lock it.
    ASSERT_TRUE(QFile::link(QStringLiteral("next.txt"), bench.cli().path(QStringLiteral("link.txt"))));
    bench.start(QStringList{QStringLiteral("--serial-start"), QStringLiteral("7")}
                + QStringList(options).replaceInStrings(QStringLiteral("next.txt"), QStringLiteral("link.txt")));
    ASSERT_FALSE(bench.waitForLine(QStringLiteral("Insert a chip"), 2).isEmpty()) << bench.err().toStdString();
    bench.insert();
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    bench.remove();
    EXPECT_EQ(bench.chips()[1].mid(0x10, 4), QByteArray("\x05\x03\x02\x01", 4));
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("next.txt")).trimmed(), QByteArray::number(0x01020306));
    EXPECT_FALSE(QFile::exists(bench.cli().path(QStringLiteral("link.txt.lock"))));
}

TEST(CliProduce, InterruptBetweenChipsEndsTheRunWithItsSummary)
{
    Bench bench;
    bench.cli().put(QStringLiteral("image.bin"), randomBytes(300, 33));
    bench.start({QStringLiteral("image.bin")});
    bench.serve(1);
    ASSERT_FALSE(bench.waitForLine(QStringLiteral("Remove the chip")).isEmpty());
    bench.interrupt();
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    EXPECT_TRUE(bench.out().contains(QRegularExpression(QStringLiteral("^#1 PASS - [0-9A-F]{8} \\d+\\.\\d \\(CRC32 of 512 bytes\\)$"),
                                                        QRegularExpression::MultilineOption)))
        << bench.out().toStdString();
    EXPECT_TRUE(bench.out().endsWith(QStringLiteral("1 passed, 0 failed\n"))) << bench.out().toStdString();

    // Waiting for the first chip, a stop ends at once.
    Bench idle;
    idle.cli().put(QStringLiteral("image.bin"), randomBytes(300, 34));
    idle.start({QStringLiteral("image.bin")});
    ASSERT_FALSE(idle.waitForLine(QStringLiteral("Insert a chip")).isEmpty());
    idle.interrupt();
    EXPECT_EQ(idle.finish(), 0);
    EXPECT_TRUE(idle.out().endsWith(QStringLiteral("0 passed, 0 failed\n"))) << idle.out().toStdString();
}

TEST(CliProduce, SerialsThatCannotBeWrittenStopBeforeTheFirstChip)
{
    struct Case {
        QStringList options;
        const char* why;
    };
    const QList<Case> cases{
        {{QStringLiteral("--serial-start"), QStringLiteral("100"), QStringLiteral("--serial-format"), QStringLiteral("ascii:2"),
          QStringLiteral("--serial-at"), QStringLiteral("0")},
         "does not fit"},
        {{QStringLiteral("--serial-start"), QStringLiteral("65534"), QStringLiteral("--serial-format"), QStringLiteral("le16"),
          QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--serial-at"), QStringLiteral("0")},
         "does not fit"},
        {{QStringLiteral("--serial-start"), QStringLiteral("1"), QStringLiteral("--serial-at"), QStringLiteral("0xFFFE")},
         "outside the chip"},
        {{QStringLiteral("--serial-start"), QStringLiteral("1"), QStringLiteral("--serial-at"), QStringLiteral("0x10000")},
         "outside the chip"},
    };
    for (const Case& c : cases) {
        Bench bench;
        bench.cli().put(QStringLiteral("image.bin"), randomBytes(300, 35));
        bench.start(c.options + QStringList{QStringLiteral("image.bin")});
        EXPECT_EQ(bench.finish(), 2) << c.options.join(u' ').toStdString();
        EXPECT_FALSE(bench.out().contains(QStringLiteral("Insert a chip")));
        EXPECT_TRUE(bench.err().contains(QLatin1String(c.why))) << bench.err().toStdString();
    }
    // An image larger than the chip is refused the same way.
    Bench large;
    large.cli().put(QStringLiteral("image.bin"), randomBytes(ChipSize + 1, 36));
    large.start({QStringLiteral("image.bin")});
    EXPECT_EQ(large.finish(), 2);
    EXPECT_FALSE(large.out().contains(QStringLiteral("Insert a chip")));
}

TEST(CliProduce, ProgrammerThatGoesAwayEndsTheRunWithExitCode3)
{
    // Gone after a few chip queries, while the run waits for a chip.
    Bench bench(QStringLiteral("unplug_after = 6\n"));
    bench.cli().put(QStringLiteral("image.bin"), randomBytes(300, 37));
    bench.start({QStringLiteral("image.bin")});
    EXPECT_EQ(bench.finish(), 3) << bench.err().toStdString();
    EXPECT_TRUE(bench.out().endsWith(QStringLiteral("0 passed, 0 failed\n"))) << bench.out().toStdString();
    EXPECT_TRUE(bench.err().contains(QStringLiteral("Not connected"))) << bench.err().toStdString();
}

TEST(CliProduce, DetectTakesTheChipOfTheFirstOne)
{
    Bench bench;
    const QByteArray image = randomBytes(ChipSize, 38);
    bench.cli().put(QStringLiteral("image.bin"), image);
    bench.start({QStringLiteral("--detect"), QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("image.bin")});
    bench.serve(1);
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    bench.remove();
    EXPECT_TRUE(bench.out().contains(QStringLiteral("Chip: W25X05\n"))) << bench.out().toStdString();
    EXPECT_EQ(bench.chips()[0], image);
}

TEST(CliProduce, FourRunsSharingASerialFileAndALogGiveEveryChipItsOwnNumber)
{
    constexpr int Stations = 4;
    constexpr int ChipsEach = 25;
    CliRunner cli;
    const auto file = [&](const char* name, int station) { return cli.path(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(station)); };
    QString config = QStringLiteral("trace_file = %1\n").arg(cli.path(QStringLiteral("trace.txt")));
    for (int i = 0; i < Stations; ++i) {
        config += QStringLiteral("[device]\nserial = GANG%1\nchip = 25flash\nchip_size = 64K\nchip_id = 0xEF3010\nchip_content = blank\n"
                                 "chip_image = %2\nchip_present_file = %3\nclaim_lock = %4\n")
                      .arg(i)
                      .arg(file("chip", i), file("present", i), file("claim", i));
    }
    cli.put(QStringLiteral("sim.conf"), config.toUtf8());
    cli.put(QStringLiteral("image.bin"), randomBytes(256, 40));

    struct Station {
        QProcess process;
        QString pending;
        QList<quint64> passed;
    };
    std::array<Station, Stations> stations;
    QList<QByteArray> chips;  // what every chip held when it left its socket
    for (int i = 0; i < Stations; ++i) {
        stations[i].process.setWorkingDirectory(cli.path(QString()));
        stations[i].process.setStandardInputFile(QProcess::nullDevice());
        stations[i].process.start(QStringLiteral(ZORVEX_CLI),
                                  {QStringLiteral("produce"), QStringLiteral("--simulate=sim.conf"), QStringLiteral("--poll-ms"),
                                   QStringLiteral("20"), QStringLiteral("--chip"), QStringLiteral("w25x05"), QStringLiteral("--programmer"),
                                   QStringLiteral("GANG%1").arg(i), QStringLiteral("--count"), QString::number(ChipsEach),
                                   QStringLiteral("--serial-at"), QStringLiteral("0x10"), QStringLiteral("--serial-start"),
                                   QStringLiteral("100"), QStringLiteral("--serial-file"), QStringLiteral("serial.txt"),
                                   QStringLiteral("--log"), QStringLiteral("run.jsonl"), QStringLiteral("image.bin")});
    }
    // The operator serves all four sockets as they ask.
    static const QRegularExpression pass(QStringLiteral("^#\\d+ PASS (\\d+) "));
    for (int running = Stations; running > 0;) {
        running = 0;
        for (int i = 0; i < Stations; ++i) {
            Station& station = stations[i];
            station.process.waitForReadyRead(10);
            station.pending += QString::fromUtf8(station.process.readAllStandardOutput());
            for (qsizetype end = station.pending.indexOf(u'\n'); end >= 0; end = station.pending.indexOf(u'\n')) {
                const QString line = station.pending.left(end);
                station.pending.remove(0, end + 1);
                if (line == u"Insert a chip") {
                    QFile::remove(file("chip", i));
                    cli.put(QStringLiteral("present%1").arg(i), {});
                } else if (line == u"Remove the chip") {
                    chips << cli.contentOf(QStringLiteral("chip%1").arg(i));
                    QFile::remove(file("present", i));
                } else if (const QRegularExpressionMatch m = pass.match(line); m.hasMatch()) {
                    station.passed << m.captured(1).toULongLong();
                }
            }
            if (station.process.state() != QProcess::NotRunning || station.process.bytesAvailable() > 0)
                ++running;
        }
    }

    QList<quint64> serials;
    for (int i = 0; i < Stations; ++i) {
        EXPECT_EQ(stations[i].process.exitCode(), 0) << stations[i].process.readAllStandardError().toStdString();
        EXPECT_EQ(stations[i].passed.size(), ChipsEach);
        serials << stations[i].passed;
        chips << cli.contentOf(QStringLiteral("chip%1").arg(i));  // the last chip stays in its socket
    }
    std::sort(serials.begin(), serials.end());
    QList<quint64> held;
    for (const QByteArray& chip : chips)
        held << qFromLittleEndian<quint32>(chip.constData() + 0x10);
    std::sort(held.begin(), held.end());
    QList<quint64> expected;
    for (quint64 n = 100; n < 100 + Stations * ChipsEach; ++n)
        expected << n;
    EXPECT_EQ(serials, expected);
    EXPECT_EQ(held, expected);
    EXPECT_EQ(cli.contentOf(QStringLiteral("serial.txt")), QByteArray::number(100 + Stations * ChipsEach) + '\n');

    QList<quint64> logged;
    for (const QByteArray& line : cli.contentOf(QStringLiteral("run.jsonl")).split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        EXPECT_EQ(entry[QStringLiteral("result")].toString(), QStringLiteral("pass")) << line.toStdString();
        logged << entry[QStringLiteral("serial")].toString().toULongLong();
    }
    std::sort(logged.begin(), logged.end());
    EXPECT_EQ(logged, expected);
    EXPECT_FALSE(cli.trace().contains(QStringLiteral("\nviolation ")));
}

TEST(CliProduce, BookkeepingThatFailsNeverLetsANumberBeUsedTwice)
{
    struct Fault {
        const char* name;
        QStringList options;
        std::function<void(Bench&)> before;  // before the run starts
        std::function<void(Bench&)> play;    // from the start of the run
        int exitCode;
        QByteArray serialFile;       // the next number afterwards
        QStringList logResults;      // the records the log holds afterwards
        const char* error;           // on standard error
    };
    const auto serveOne = [](Bench& bench) { bench.serve(1); };
    const QStringList logged{QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--log"), QStringLiteral("logs/run.jsonl")};
    const QList<Fault> faults{
        // The PASS line is never printed for a chip whose record did not reach the disk.
        {"full log disk", {QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--log"), QStringLiteral("/dev/full")},
         {}, [](Bench& bench) {
             ASSERT_FALSE(bench.waitForLine(QStringLiteral("Insert a chip")).isEmpty());
             bench.insert();
         },
         4, "101\n", {}, "chip #1 passed with serial number 100, but its record could not be written"},
        {"missing serial folder", logged, {}, serveOne, 0, "101\n", {QStringLiteral("pass")}, ""},
        {"serial folder that cannot be made", logged,
         [](Bench& bench) { bench.cli().put(QStringLiteral("serials"), "a file, not a folder"); }, {}, 2, {}, {},
         "cannot create the folder"},
        {"log folder that cannot be made", logged,
         [](Bench& bench) { bench.cli().put(QStringLiteral("logs"), "a file, not a folder"); }, {}, 2, {}, {},
         "cannot write the log logs/run.jsonl: "},
        {"closed pipe", logged, [](Bench& bench) { bench.throughHead(); },
         [](Bench& bench) {
             ASSERT_FALSE(bench.waitForLine(QStringLiteral("Insert a chip")).isEmpty());
             bench.headGone();
             bench.insert();
         },
         4, "101\n", {QStringLiteral("pass")}, "standard output cannot be written"},
        {"standard output full from the start", logged, [](Bench& bench) { bench.outputTo(QStringLiteral("/dev/full")); }, {},
         2, {}, {}, "standard output cannot be written"},
        // Numbers handed out again once the file is gone or holds an older number.
        {"serial file removed during the run", logged + QStringList{QStringLiteral("--count"), QStringLiteral("2")}, {},
         [](Bench& bench) {
             bench.serve(1);
             QFile::remove(bench.cli().path(QStringLiteral("serials/new/next.txt")));
             bench.remove();
             if (!bench.waitForLine(QStringLiteral("Insert a chip"), 2).isEmpty())
                 bench.insert();
         },
         4, {}, {QStringLiteral("pass")}, "was removed or set back below 101"},
        {"serial file set back during the run", logged + QStringList{QStringLiteral("--count"), QStringLiteral("2")}, {},
         [](Bench& bench) {
             bench.serve(1);
             bench.cli().put(QStringLiteral("serials/new/next.txt"), "100\n");
             bench.remove();
             if (!bench.waitForLine(QStringLiteral("Insert a chip"), 2).isEmpty())
                 bench.insert();
         },
         4, "100\n", {QStringLiteral("pass")}, "was removed or set back below 101"},
        // A chip that failed after it was written to may hold its number: the number is spent.
        {"SIGHUP after a failed chip", logged + QStringList{QStringLiteral("--no-erase"), QStringLiteral("--count"), QStringLiteral("2")},
         {}, [](Bench& bench) {
             bench.serve(1, QByteArray(ChipSize, '\0'));
             ASSERT_FALSE(bench.waitForLine(QStringLiteral("Remove the chip")).isEmpty());
             bench.interrupt(SIGHUP);
         },
         1, "101\n", {QStringLiteral("fail")}, ""},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        Bench bench;
        bench.cli().put(QStringLiteral("image.bin"), randomBytes(300, 41));
        const QString serialFile = QStringLiteral("serials/new/next.txt");
        if (fault.before)
            fault.before(bench);
        bench.start(fault.options + QStringList{QStringLiteral("--serial-at"), QStringLiteral("0x10"), QStringLiteral("--serial-start"),
                                                QStringLiteral("100"), QStringLiteral("--serial-file"), serialFile,
                                                QStringLiteral("image.bin")});
        if (fault.play)
            fault.play(bench);
        EXPECT_EQ(bench.finish(), fault.exitCode) << bench.err().toStdString();
        EXPECT_TRUE(bench.err().contains(QLatin1String(fault.error))) << bench.err().toStdString();
        EXPECT_LE(bench.err().count(QStringLiteral("standard output c"), Qt::CaseInsensitive), 1) << bench.err().toStdString();
        EXPECT_EQ(bench.out().contains(QStringLiteral("Insert a chip")), fault.exitCode != 2);
        EXPECT_EQ(bench.cli().contentOf(serialFile), fault.serialFile);
        QStringList results;
        for (const QByteArray& line : bench.cli().contentOf(QStringLiteral("logs/run.jsonl")).split('\n')) {
            if (line.isEmpty())
                continue;
            const QJsonObject entry = QJsonDocument::fromJson(line).object();
            results << entry[QStringLiteral("result")].toString();
            EXPECT_EQ(entry[QStringLiteral("serial")].toString(), QStringLiteral("100"));
        }
        EXPECT_EQ(results, fault.logResults);
    }
}

TEST(CliProduce, AProgrammerHeldElsewhereIsWaitedForAndNeverSwapped)
{
    Bench bench(QStringLiteral("claim_lock = %1\n[device]\nserial = LINE2\nchip = 25flash\nchip_size = 64K\nchip_id = 0xEF3010\n"
                               "chip_content = blank\nchip_image = %2\nchip_present_file = %3\n"));
    const CliRunner& cli = bench.cli();
    // Bench's device keys end with the first programmer's; the second gets files of its own.
    cli.put(QStringLiteral("sim.conf"), cli.contentOf(QStringLiteral("sim.conf"))
                                            .replace("%1", cli.path(QStringLiteral("claim")).toUtf8())
                                            .replace("%2", cli.path(QStringLiteral("second.img")).toUtf8())
                                            .replace("%3", cli.path(QStringLiteral("second.present")).toUtf8()));
    cli.put(QStringLiteral("image.bin"), randomBytes(300, 42));
    const QByteArray bait = randomBytes(ChipSize, 46);
    cli.put(QStringLiteral("second.img"), bait);
    bench.start({QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--log"), QStringLiteral("run.jsonl"),
                 QStringLiteral("image.bin")});
    bench.serve(1);
    ASSERT_FALSE(bench.waitForLine(QStringLiteral("Remove the chip")).isEmpty());
    // Until it is out, the chip is the run's: a second run on the programmer leaves it alone.
    const QByteArray first = cli.chipImage();
    const CliResult second = cli.run({QStringLiteral("produce"), QStringLiteral("--simulate=sim.conf"), QStringLiteral("--chip"),
                                      QStringLiteral("w25x05"), QStringLiteral("--programmer"), QStringLiteral("LINE1"),
                                      QStringLiteral("--busy-wait"), QStringLiteral("1"), QStringLiteral("--poll-ms"), QStringLiteral("20"),
                                      QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--log"), QStringLiteral("run.jsonl"), QStringLiteral("image.bin")});
    EXPECT_EQ(second.exitCode, 3) << second.out.toStdString();
    EXPECT_EQ(cli.chipImage(), first);
    bench.remove();
    ASSERT_FALSE(bench.waitForLine(QStringLiteral("Insert a chip"), 2).isEmpty());

    // Another program takes the run's programmer; a chip waits in the other one's socket.
    ForeignClaim claim(cli.path(QStringLiteral("claim")));
    ASSERT_FALSE(bench.waitForLine(QStringLiteral("The programmer LINE1 is in use by another program; waiting up to 60 s for it\\.")).isEmpty())
        << bench.err().toStdString();
    cli.put(QStringLiteral("second.present"), {});
    claim.release();
    bench.serve(2);
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    EXPECT_EQ(bench.out().count(QStringLiteral("in use by another program")), 1) << bench.out().toStdString();
    EXPECT_EQ(cli.contentOf(QStringLiteral("second.img")), bait);
    for (const QByteArray& line : cli.contentOf(QStringLiteral("run.jsonl")).trimmed().split('\n')) {
        EXPECT_EQ(QJsonDocument::fromJson(line).object()[QStringLiteral("programmer")].toString(), QStringLiteral("LINE1"));
    }

    // Held longer than --busy-wait allows, it ends the run as one that is gone.
    ForeignClaim held(cli.path(QStringLiteral("claim")));
    bench.start({QStringLiteral("--programmer"), QStringLiteral("LINE1"), QStringLiteral("--busy-wait"), QStringLiteral("0"),
                 QStringLiteral("image.bin")});
    EXPECT_EQ(bench.finish(), 3);
    EXPECT_TRUE(bench.err().contains(QStringLiteral("The programmer LINE1 is in use by another program."))) << bench.err().toStdString();
}

TEST(CliProduce, TheWrongChipAndTwinProgrammersAreRefused)
{
    // An 8 MiB part in the socket of a W25X05 run: nothing is written into it.
    Bench wrong(QStringLiteral("chip_id = 0xC22017\n"));
    wrong.cli().put(QStringLiteral("image.bin"), randomBytes(300, 43));
    wrong.start({QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--serial-at"), QStringLiteral("0x10"),
                 QStringLiteral("--serial-start"), QStringLiteral("7"), QStringLiteral("--log"), QStringLiteral("run.jsonl"),
                 QStringLiteral("image.bin")});
    wrong.serve(1);
    EXPECT_EQ(wrong.finish(), 1);
    EXPECT_TRUE(wrong.out().contains(QStringLiteral("#1 FAIL wrong chip in the socket: ID C22017, expected EF3010\n")))
        << wrong.out().toStdString();
    EXPECT_EQ(wrong.cli().chipImage(), QByteArray(ChipSize, '\xFF'));
    // A chip refused before it is touched takes no number.
    const QJsonObject record = QJsonDocument::fromJson(wrong.cli().contentOf(QStringLiteral("run.jsonl"))).object();
    EXPECT_EQ(record[QStringLiteral("result")].toString(), QStringLiteral("fail"));
    EXPECT_TRUE(record[QStringLiteral("serial")].isNull());

    Bench twins(QStringLiteral("[device]\nserial = LINE1\n"));
    twins.cli().put(QStringLiteral("image.bin"), randomBytes(300, 44));
    twins.start({QStringLiteral("--programmer"), QStringLiteral("LINE1"), QStringLiteral("image.bin")});
    EXPECT_EQ(twins.finish(), 2);
    EXPECT_TRUE(twins.err().contains(QStringLiteral("--programmer LINE1 matches 2 programmers (001:001, 001:002)")))
        << twins.err().toStdString();
    // Every chip command refuses the twins alike.
    const CliResult read = twins.cli().run({QStringLiteral("read"), QStringLiteral("--simulate=%1").arg(twins.cli().path(QStringLiteral("sim.conf"))),
                                            QStringLiteral("--programmer"), QStringLiteral("LINE1"), QStringLiteral("--chip"),
                                            QStringLiteral("W25X05"), QStringLiteral("out.bin")});
    EXPECT_EQ(read.exitCode, 2);
    EXPECT_TRUE(read.err.contains(QStringLiteral("matches 2 programmers"))) << read.err.toStdString();
}

TEST(CliProduce, ARunMayEndOnTheLastSerialNumberAndTheNextIsRefusedBeforeAChip)
{
    Bench bench;
    bench.cli().put(QStringLiteral("image.bin"), randomBytes(300, 45));
    // An earlier program's log line cut short: the next record starts on a line of its own.
    bench.cli().put(QStringLiteral("run.jsonl"), "{\"result\":\"pa");
    const QStringList options{QStringLiteral("--serial-at"), QStringLiteral("0"), QStringLiteral("--serial-format"), QStringLiteral("le16"),
                              QStringLiteral("--serial-start"), QStringLiteral("65534"), QStringLiteral("--serial-file"),
                              QStringLiteral("next.txt"), QStringLiteral("--log"), QStringLiteral("run.jsonl")};
    bench.start(options + QStringList{QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("image.bin")});
    bench.serve(1);
    bench.remove();
    bench.serve(2);
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("next.txt")), "65536\n");
    const QList<QByteArray> lines = bench.cli().contentOf(QStringLiteral("run.jsonl")).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(QJsonDocument::fromJson(lines[2]).object()[QStringLiteral("serial")].toString(), QStringLiteral("65535"));

    bench.start(options + QStringList{QStringLiteral("image.bin")});
    EXPECT_EQ(bench.finish(), 2);
    EXPECT_EQ(bench.out().count(QStringLiteral("Insert a chip")), 2);  // both of the first run
    EXPECT_TRUE(bench.err().contains(QStringLiteral("serial number 65536 does not fit"))) << bench.err().toStdString();
}

TEST(CliProduce, ALogMovedAwayDuringTheRunGetsItsNextRecordsUnderItsName)
{
    Bench bench;
    bench.cli().put(QStringLiteral("image.bin"), randomBytes(300, 47));
    bench.start({QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--log"), QStringLiteral("run.jsonl"),
                 QStringLiteral("image.bin")});
    bench.serve(1);
    // Rotated by hand (or removed): the next record must not go into a file no one looks at.
    ASSERT_TRUE(QFile::rename(bench.cli().path(QStringLiteral("run.jsonl")), bench.cli().path(QStringLiteral("run.jsonl.1"))));
    bench.remove();
    bench.serve(2);
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("run.jsonl.1")).count('\n'), 1);
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("run.jsonl")).count('\n'), 1);
}

// A log already at the user's file-size limit (ulimit -f) can take no record: the run stops
// before it takes a number or touches a chip, instead of programming one that goes unrecorded.
TEST(CliProduce, ALogAtTheFileSizeLimitStopsBeforeTheFirstChip)
{
    CliRunner cli;
    cli.put(QStringLiteral("image.bin"), randomBytes(300, 49));
    const QByteArray earlier = QByteArray("{\"result\":\"pass\"}\n").repeated(50);
    cli.put(QStringLiteral("run.jsonl"), earlier);
    cli.setFileSizeLimit(1024);
    const CliResult result = cli.run({QStringLiteral("produce"), QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("W25X05"),
                                      QStringLiteral("--serial-at"), QStringLiteral("0x10"), QStringLiteral("--serial-start"), QStringLiteral("100"),
                                      QStringLiteral("--serial-file"), QStringLiteral("next.txt"), QStringLiteral("--log"),
                                      QStringLiteral("run.jsonl"), QStringLiteral("image.bin")});
    EXPECT_EQ(result.exitCode, 2) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("cannot write the log run.jsonl: File too large"))) << result.err.toStdString();
    EXPECT_FALSE(result.out.contains(QStringLiteral("Insert a chip")));
    EXPECT_EQ(cli.contentOf(QStringLiteral("run.jsonl")), earlier);
    EXPECT_FALSE(QFile::exists(cli.path(QStringLiteral("next.txt"))));
    EXPECT_TRUE(cli.trace().isEmpty());
}

// A log or serial file reached through a link to a full disk (here a 64 KiB tmpfs, which needs
// the right to mount) is refused before the first chip, as it is when named directly, instead of
// found full once a chip is programmed.
TEST(CliProduce, ALinkToAFullDiskStopsTheRunBeforeTheFirstChip)
{
    CliRunner cli;
    cli.put(QStringLiteral("image.bin"), randomBytes(300, 51));
    const QString disk = cli.path(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    if (mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    // A log that fills its last page: a record needs a page that a full disk cannot give.
    cli.put(QStringLiteral("disk/run.jsonl"), QByteArray(4095, 'x') + '\n');
    cli.put(QStringLiteral("disk/next.txt"), "100\n");
    QFile fill(disk + QStringLiteral("/fill"));
    ASSERT_TRUE(fill.open(QIODevice::WriteOnly));
    while (fill.write(QByteArray(4096, '\0')) == 4096 && fill.flush()) {
    }
    fill.close();
    ASSERT_TRUE(QFile::link(QStringLiteral("disk/run.jsonl"), cli.path(QStringLiteral("run.jsonl"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("disk/next.txt"), cli.path(QStringLiteral("next.txt"))));
    const QStringList run{QStringLiteral("produce"), QStringLiteral("--simulate"), QStringLiteral("--chip"), QStringLiteral("W25X05"),
                          QStringLiteral("--serial-at"), QStringLiteral("0x10"), QStringLiteral("--serial-start"), QStringLiteral("100")};
    for (const QStringList& files : {QStringList{QStringLiteral("--log"), QStringLiteral("run.jsonl")},
                                     QStringList{QStringLiteral("--serial-file"), QStringLiteral("next.txt")}}) {
        const CliResult result = cli.run(run + files + QStringList{QStringLiteral("image.bin")});
        EXPECT_EQ(result.exitCode, 2) << files.join(u' ').toStdString() << ": " << result.out.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("No space left on device"))) << result.err.toStdString();
        EXPECT_FALSE(result.out.contains(QStringLiteral("Insert a chip")));
    }
    EXPECT_TRUE(cli.trace().isEmpty());
    EXPECT_EQ(cli.contentOf(QStringLiteral("next.txt")), "100\n");
    umount2(QFile::encodeName(disk).constData(), MNT_DETACH);
}
