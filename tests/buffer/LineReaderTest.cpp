#include "buffer/LineReader.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readAll(const QByteArray& text, std::size_t blockSize)
{
    QBuffer device;
    device.setData(text);
    device.open(QIODevice::ReadOnly);
    LineReader reader(device, blockSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line);
    return lines;
}

// What the reader must hand out: the lines split at line feeds, each cut to the kept length.
std::vector<std::string> expectedLines(const QByteArray& text)
{
    std::vector<std::string> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype feed = text.indexOf('\n', start);
        const qsizetype end = feed < 0 ? text.size() : feed;
        const qsizetype length = std::min<qsizetype>(end - start, LineReader::kKeptLength);
        lines.emplace_back(text.constData() + start, static_cast<std::size_t>(length));
        start = end + 1;
    }
    return lines;
}

}  // namespace

TEST(LineReader, LastLineWithoutFeedAndEmptyLinesAreLines)
{
    EXPECT_EQ(readAll("a\n\nb", 4096), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(readAll("a\n", 4096), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(readAll("", 4096).empty());
}

// Lines of every length around the block and kept-length limits, in random order, must come out
// as a plain split gives them, whatever the block size.
TEST(LineReader, MatchesAPlainSplitAcrossBlockBoundaries)
{
    std::mt19937 random(11);
    const std::size_t lengths[] = {0, 1, 2, 511, 512, 1023, 1024, 1025, 2047, 2048, 2049, 5000, 70000};
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
        for (const std::size_t blockSize : {std::size_t{1024}, std::size_t{2048}, std::size_t{3001}, std::size_t{65536}})
        {
            const auto got = readAll(text, blockSize);
            const auto want = expectedLines(text);
            ASSERT_EQ(got.size(), want.size()) << "round " << round << " block " << blockSize;
            for (std::size_t i = 0; i < got.size(); ++i)
                ASSERT_EQ(got[i], want[i]) << "line " << i << " round " << round << " block " << blockSize << " length " << want[i].size();
        }
    }
}
