#include "programmer/ElapsedTime.h"

#include <gtest/gtest.h>

TEST(ElapsedTime, FormatsHoursMinutesSeconds)
{
    EXPECT_EQ(formatElapsed(1000, 1000), "00:00:00");
    EXPECT_EQ(formatElapsed(0, 75'000), "00:01:15");
    EXPECT_EQ(formatElapsed(0, 1'999), "00:00:01");
    EXPECT_EQ(formatElapsed(0, (10 * 3600 + 2 * 60 + 3) * 1000LL), "10:02:03");
}

TEST(ElapsedTime, RunningAcrossMidnightCountsIntoTheNextDay)
{
    const qint64 beforeMidnight = (23 * 3600 + 59 * 60 + 30) * 1000LL;
    EXPECT_EQ(formatElapsed(beforeMidnight, 45'000), "00:01:15");
}
