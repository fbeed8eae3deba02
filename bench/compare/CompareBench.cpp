// Figures for the window's compare on the largest image: two 64 MiB images a million scattered
// bytes apart. The compare itself, handing the marks to the view, repainting the view with the
// marks on screen, and stepping from range to range as F8 does.
#include "buffer/DifferenceReport.h"
#include "hexview/HexEditorEx.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <cstdio>
#include <random>
#include <vector>

namespace {

double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    constexpr std::size_t Size = 64u << 20;
    constexpr std::size_t Differences = 1'000'000;
    std::vector<std::uint8_t> buffer(Size, 0xFF);
    std::mt19937 rng(7);
    for (std::size_t i = 0; i < Size; ++i)
        buffer[i] = std::uint8_t(rng());
    std::vector<std::uint8_t> chip = buffer;
    std::uniform_int_distribution<std::size_t> where(0, Size - 1);
    for (std::size_t i = 0; i < Differences; ++i)
        chip[where(rng)] ^= 0x5A;

    QElapsedTimer timer;
    timer.start();
    const DifferenceReport report = DifferenceReport::compare(buffer, chip);
    std::printf("compare:            %8.1f ms  (%lld bytes in %lld ranges)\n", msSince(timer),
                static_cast<long long>(report.differingBytes), static_cast<long long>(report.rangeCount()));

    timer.restart();
    const QStringList lines = report.lines({QStringLiteral("%1 differing bytes in %2 ranges"),
        QStringLiteral("0x%1-0x%2  %3 bytes"), QStringLiteral("(%1 more ranges not listed)")});
    std::printf("report lines:       %8.1f ms  (%lld lines)\n", msSince(timer), static_cast<long long>(lines.size()));

    HexEditorEx editor;
    applyFlashEditorSettings(editor);
    editor.resize(880, 518);
    editor.show();
    editor.LoadFromBytes(buffer);
    timer.restart();
    std::vector<HexRange> marks;
    marks.reserve(report.ranges.size());
    for (const DifferenceReport::Range& range : report.ranges)
        marks.push_back({range.start, range.end});
    editor.SetDifferenceMarks(std::move(marks));
    std::printf("marks to the view:  %8.1f ms\n", msSince(timer));

    QImage target(editor.viewport()->size(), QImage::Format_RGB32);
    for (const qint64 at : {qint64{0}, qint64{Size / 2}, qint64{Size - 1}}) {
        editor.SetSelStart(at);
        timer.restart();
        constexpr int Runs = 20;
        for (int i = 0; i < Runs; ++i)
            editor.viewport()->render(&target);
        std::printf("repaint at 0x%07llX: %7.2f ms\n", static_cast<unsigned long long>(at), msSince(timer) / Runs);
    }

    editor.SetSelStart(0);
    timer.restart();
    constexpr int Steps = 10000;
    for (int i = 0; i < Steps; ++i)
        editor.GotoDifference(editor.NextDifference(editor.GetCursorPosition()));
    std::printf("F8 step:            %8.3f ms  (caret at 0x%llX after %d)\n", msSince(timer) / Steps,
                static_cast<unsigned long long>(editor.GetCursorPosition()), Steps);
    return 0;
}
