// The status bar's CRC32 panel: the right value, summed without holding up the window.
#include "ChecksumPanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Runs the event loop until the panel shows a current value. Returns the longest stretch in
// which the loop did not come round (the longest the window would have been frozen), in ms.
qint64 settle(ChecksumPanel& panel, qint64* total = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    while (!panel.isCurrent() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    }
    if (total)
        *total = clock.elapsed();
    return longest;
}

}  // namespace

TEST(ChecksumPanel, ShowsTheImagesCrc32AndFollowsChanges)
{
    std::vector<std::uint8_t> image(2 * 1024 * 1024 + 5, 0xFF);
    image.resize(2 * 1024 * 1024);  // a size that is no whole number of slices comes next
    ChecksumPanel panel([&image] { return std::span<const std::uint8_t>(image); });
    settle(panel);
    // The CRC-32 of 2 MiB of 0xFF, as any other tool computes it.
    EXPECT_EQ(panel.text(), QStringLiteral("CRC32: 9A4109E5"));
    EXPECT_TRUE(panel.isEnabled());

    image.assign({'1', '2', '3', '4', '5', '6', '7', '8', '9'});
    panel.imageChanged();
    EXPECT_FALSE(panel.isEnabled());  // the old value, greyed, until the new one is there
    settle(panel);
    EXPECT_EQ(panel.text(), QStringLiteral("CRC32: CBF43926"));

    image.clear();
    panel.imageChanged();
    settle(panel);
    EXPECT_EQ(panel.text(), QStringLiteral("CRC32: 00000000"));
}

TEST(ChecksumPanel, ChangeDuringTheSumStartsItAgain)
{
    std::vector<std::uint8_t> image(8 * ChecksumPanel::SliceBytes, 0xFF);
    ChecksumPanel panel([&image] { return std::span<const std::uint8_t>(image); });
    settle(panel);
    panel.imageChanged();
    QCoreApplication::processEvents();  // a slice or two of the old content summed
    image.assign({'1', '2', '3', '4', '5', '6', '7', '8', '9'});
    panel.imageChanged();
    settle(panel);
    EXPECT_EQ(panel.text(), QStringLiteral("CRC32: CBF43926"));
}

TEST(ChecksumPanel, SixtyFourMebibytesNeverFreezeTheWindowFor60Ms)
{
    std::vector<std::uint8_t> image(64 * 1024 * 1024);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
    ChecksumPanel panel([&image] { return std::span<const std::uint8_t>(image); });
    settle(panel);
    for (int round = 0; round < 3; ++round) {
        image[static_cast<std::size_t>(round) * 1000] ^= 0x55;
        panel.imageChanged();
        qint64 total = 0;
        const qint64 longest = settle(panel, &total);
        EXPECT_LT(longest, 60) << "round " << round;
        // A fifth of a second on a quiet machine; parallel builds may slow it, not freeze it.
        EXPECT_LT(total, 1000) << "round " << round;
        RecordProperty("longest_freeze_ms_round_" + std::to_string(round), static_cast<int>(longest));
        RecordProperty("total_ms_round_" + std::to_string(round), static_cast<int>(total));
        std::printf("64 MiB CRC32: longest freeze %lld ms, value after %lld ms\n", static_cast<long long>(longest),
                    static_cast<long long>(total));
    }
}
