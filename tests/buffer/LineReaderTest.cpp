#include "buffer/BufferFile.h"
#include "buffer/IntelHex.h"
#include "buffer/LineReader.h"
#include "buffer/SRecord.h"

#include "CodecTestSupport.h"
#include "RecordingFeedback.h"

#include <QBuffer>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kLimit = 600;

struct ReadAll {
    std::vector<std::string> lines;
    LineReader::Status last = LineReader::Status::End;
};

ReadAll readAll(const QByteArray& text, std::size_t blockSize)
{
    QBuffer device;
    device.setData(text);
    device.open(QIODevice::ReadOnly);
    LineReader reader(device, kLimit, blockSize);
    ReadAll result;
    std::string_view line;
    while ((result.last = reader.next(line)) == LineReader::Status::Line)
        result.lines.emplace_back(line);
    return result;
}

// What the reader must hand out: the lines split at line feeds.
std::vector<std::string> expectedLines(const QByteArray& text)
{
    std::vector<std::string> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype feed = text.indexOf('\n', start);
        const qsizetype end = feed < 0 ? text.size() : feed;
        lines.emplace_back(text.constData() + start, static_cast<std::size_t>(end - start));
        start = end + 1;
    }
    return lines;
}

// A device as good as endless (like /dev/zero), counting what was taken from it. It does end
// after 64 MiB, so that a reader that reads to the end fails the test instead of hanging it.
class EndlessDevice : public QIODevice {
public:
    explicit EndlessDevice(QByteArray start) : m_start(std::move(start)) { open(QIODevice::ReadOnly); }
    [[nodiscard]] bool isSequential() const override { return true; }
    qint64 taken = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        maxSize = std::min<qint64>(maxSize, 64 * 1024 * 1024 - taken);
        for (qint64 i = 0; i < maxSize; ++i, ++taken)
            data[i] = taken < m_start.size() ? m_start[taken] : '0';
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_start;
};

}  // namespace

TEST(LineReader, LastLineWithoutFeedAndEmptyLinesAreLines)
{
    EXPECT_EQ(readAll("a\n\nb", 4096).lines, (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(readAll("a\n", 4096).lines, (std::vector<std::string>{"a"}));
    EXPECT_TRUE(readAll("", 4096).lines.empty());
    EXPECT_EQ(readAll("a\n", 4096).last, LineReader::Status::End);
}

// Lines of every length up to the limit, around the block boundaries, in random order, must
// come out as a plain split gives them, whatever the block size.
TEST(LineReader, MatchesAPlainSplitAcrossBlockBoundaries)
{
    std::mt19937 random(11);
    const std::size_t lengths[] = {0, 1, 2, 299, 300, 511, 599, kLimit};
    for (int round = 0; round < 20; ++round) {
        QByteArray text;
        for (int i = 0; i < 30; ++i) {
            const std::size_t length = lengths[random() % std::size(lengths)];
            for (std::size_t c = 0; c < length; ++c)
                text += static_cast<char>('a' + (random() % 26));
            text += '\n';
        }
        if (round % 2)
            text.chop(1);
        for (const std::size_t blockSize : {kLimit + 1, std::size_t{1024}, std::size_t{3001}, std::size_t{65536}}) {
            const ReadAll got = readAll(text, blockSize);
            const auto want = expectedLines(text);
            EXPECT_EQ(got.last, LineReader::Status::End);
            ASSERT_EQ(got.lines.size(), want.size()) << "round " << round << " block " << blockSize;
            for (std::size_t i = 0; i < got.lines.size(); ++i)
                ASSERT_EQ(got.lines[i], want[i]) << "line " << i << " round " << round << " block " << blockSize;
        }
    }
}

TEST(LineReader, ALineLongerThanTheLimitIsRefusedWhereItStarts)
{
    const QByteArray longLine(kLimit + 1, 'x');
    for (const std::size_t blockSize : {kLimit + 1, std::size_t{1024}, std::size_t{65536}}) {
        const ReadAll got = readAll("ok\n" + longLine + "\nnever\n", blockSize);
        EXPECT_EQ(got.lines, std::vector<std::string>{"ok"}) << blockSize;
        EXPECT_EQ(got.last, LineReader::Status::TooLong) << blockSize;
        // At the end of the input too, without a line feed after it.
        EXPECT_EQ(readAll(longLine, blockSize).last, LineReader::Status::TooLong) << blockSize;
    }
}

// Input without line feeds (a huge file, /dev/zero) fails after one block instead of being read
// to its end, or forever: a wrong first character and a line too long for any record alike.
TEST(LineReader, ReadersRefuseEndlessInputAtOnce)
{
    using Reader = qint32 (*)(QIODevice&, std::span<std::uint8_t>, BufferFileFeedback&);
    const std::pair<Reader, QByteArray> cases[] = {
        {ReadIntelHex, QByteArray(1, '\0')}, {ReadIntelHex, ":10000000"},
        {ReadSRecord, QByteArray(1, '\0')},  {ReadSRecord, "S1130000"},
        {ReadIntelHex, ":0100000042BD\r\n:10000000"},
    };
    for (const auto& [read, start] : cases) {
        EndlessDevice device(start);
        std::vector<std::uint8_t> buffer = erased(0x100);
        RecordingFeedback feedback;
        EXPECT_EQ(read(device, buffer, feedback), 0) << start.toStdString();
        EXPECT_EQ(feedback.errors, QStringList{"Illegal Line found"}) << start.toStdString();
        EXPECT_EQ(feedback.lastLocation, QStringLiteral(":%1").arg(start.count('\n') + 1));
        EXPECT_LE(device.taken, 1024 * 1024) << start.toStdString();
    }
}

TEST(LineReader, DevZeroFailsWithinASecondInEveryFormat)
{
    for (const BufferFileFormat format : {BufferFileFormat::IntelHex, BufferFileFormat::SRecord, BufferFileFormat::Binary}) {
        std::vector<std::uint8_t> buffer = erased(0x1000);
        RecordingFeedback feedback;
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(OpenBufferFileAs(format, QStringLiteral("/dev/zero"), buffer, feedback), 0);
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_EQ(feedback.messages().size(), 1) << static_cast<int>(format);
        EXPECT_EQ(feedback.messages().value(0), format == BufferFileFormat::Binary ? "File is too big for Buffer" : "Illegal Line found");
    }
}
