// zorvex-cli produce against the simulator: the test plays the person at the bench, putting
// chips into the socket (chip_present_file) and taking them out when told.
#include "CliRunner.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>

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
            m_out += QString::fromUtf8(m_process.readAllStandardOutput());
            int seen = 0;
            for (const QString& line : m_out.split(u'\n')) {
                if (expression.match(line).hasMatch() && ++seen == occurrence)
                    return line;
            }
            if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
                return {};
            m_process.waitForReadyRead(100);
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

    void interrupt() { ::kill(static_cast<pid_t>(m_process.processId()), SIGINT); }

    int finish()
    {
        EXPECT_TRUE(m_process.waitForFinished(WaitMs));
        m_out += QString::fromUtf8(m_process.readAllStandardOutput());
        return m_process.exitCode();
    }
    [[nodiscard]] const QString& out() const { return m_out; }
    [[nodiscard]] QString err() { return m_err += QString::fromUtf8(m_process.readAllStandardError()); }
    [[nodiscard]] const QList<QByteArray>& chips() const { return m_chips; }

private:
    CliRunner m_cli;
    QProcess m_process;
    QString m_out;
    QString m_err;
    QList<QByteArray> m_chips;
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
    const QByteArray third = withSerial(image, 0x100, "000101");
    const QString pass = QStringLiteral("#%1 PASS %2 %3 \\d+\\.\\d");
    EXPECT_FALSE(bench.waitForLine(pass.arg(1).arg(100).arg(crcOf(bench.cli(), first))).isEmpty()) << bench.out().toStdString();
    EXPECT_FALSE(bench.waitForLine(QStringLiteral("#2 FAIL .*address.*")).isEmpty()) << bench.out().toStdString();
    // The failed chip's number goes to the next one.
    EXPECT_FALSE(bench.waitForLine(pass.arg(3).arg(101).arg(crcOf(bench.cli(), third))).isEmpty()) << bench.out().toStdString();
    EXPECT_TRUE(bench.out().endsWith(QStringLiteral("2 passed, 1 failed\n"))) << bench.out().toStdString();
    ASSERT_EQ(bench.chips().size(), 3);
    EXPECT_EQ(bench.chips()[0].left(image.size()), first);
    EXPECT_EQ(bench.chips()[2].left(image.size()), third);
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("next.txt")).trimmed(), "102");

    const QList<QByteArray> lines = bench.cli().contentOf(QStringLiteral("run.jsonl")).split('\n');
    ASSERT_EQ(lines.size(), 4);  // three lines and the end of the last
    EXPECT_TRUE(lines[3].isEmpty());
    const QStringList results{QStringLiteral("pass"), QStringLiteral("fail"), QStringLiteral("pass")};
    const QList<int> serials{100, 101, 101};  // the failed chip held 101, then gave it on
    for (int i = 0; i < 3; ++i) {
        QJsonParseError error{};
        const QJsonObject entry = QJsonDocument::fromJson(lines[i], &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[i].toStdString();
        EXPECT_EQ(entry[QStringLiteral("result")].toString(), results[i]);
        EXPECT_EQ(entry[QStringLiteral("serial")].toInt(), serials[i]);
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

    // The file wins over --serial-start once it exists.
    bench.start(QStringList{QStringLiteral("--serial-start"), QStringLiteral("7")} + options);
    ASSERT_FALSE(bench.waitForLine(QStringLiteral("Insert a chip"), 2).isEmpty()) << bench.err().toStdString();
    bench.insert();
    EXPECT_EQ(bench.finish(), 0) << bench.err().toStdString();
    bench.remove();
    EXPECT_EQ(bench.chips()[1].mid(0x10, 4), QByteArray("\x05\x03\x02\x01", 4));
    EXPECT_EQ(bench.cli().contentOf(QStringLiteral("next.txt")).trimmed(), QByteArray::number(0x01020306));
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
    EXPECT_TRUE(bench.out().contains(QRegularExpression(QStringLiteral("^#1 PASS - [0-9A-F]{8} \\d+\\.\\d$"),
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
