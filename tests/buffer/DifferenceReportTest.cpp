// Every run of differing bytes is kept (the window marks and walks them all); the report lists
// the first fifty.
#include "buffer/DifferenceReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DifferenceReport, KeepsEveryRunAndListsTheFirstFifty)
{
    std::vector<quint8> expected(64 * 1024, 0xFF);
    std::vector<quint8> actual = expected;
    // Runs at both ends, one across a 4 KiB stride boundary, then 60 single bytes.
    for (const std::size_t i : {std::size_t{0}, std::size_t{1}, std::size_t{4095}, std::size_t{4096}, expected.size() - 1})
        actual[i] = 0;
    for (std::size_t i = 0; i < 60; ++i)
        actual[10000 + 3 * i] = 0;
    const DifferenceReport report = DifferenceReport::compare(expected, actual);
    EXPECT_EQ(report.differingBytes, 65);
    ASSERT_EQ(report.rangeCount(), 63);
    EXPECT_EQ(report.ranges.front().end, 1);
    EXPECT_EQ(report.ranges[1].start, 4095);
    EXPECT_EQ(report.ranges[1].end, 4096);
    EXPECT_EQ(report.ranges.back().start, static_cast<qint64>(expected.size() - 1));

    const QStringList lines = report.lines({QStringLiteral("%1 in %2"), QStringLiteral("%1-%2 %3"), QStringLiteral("+%1")});
    ASSERT_EQ(lines.size(), 1 + 50 + 1);
    EXPECT_EQ(lines[0], QStringLiteral("65 in 63"));
    EXPECT_EQ(lines[2], QStringLiteral("FFF-1000 2"));
    EXPECT_EQ(lines.back(), QStringLiteral("+13"));
    EXPECT_TRUE(DifferenceReport::compare(expected, expected).ranges.empty());
}

}  // namespace
