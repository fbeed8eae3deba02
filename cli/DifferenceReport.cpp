#include "DifferenceReport.h"

#include "text/MessageCatalogExtra.h"

#include <algorithm>
#include <cstring>

DifferenceReport DifferenceReport::compare(std::span<const quint8> expected, std::span<const quint8> actual)
{
    DifferenceReport report;
    const std::size_t length = std::min(expected.size(), actual.size());
    std::size_t i = 0;
    while (i < length) {
        // Long equal stretches are skipped a word at a time.
        constexpr std::size_t Stride = 4096;
        if (i % Stride == 0 && i + Stride <= length && std::memcmp(&expected[i], &actual[i], Stride) == 0) {
            i += Stride;
            continue;
        }
        if (expected[i] == actual[i]) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < length && expected[i] != actual[i])
            ++i;
        report.differingBytes += static_cast<qint64>(i - start);
        ++report.rangeCount;
        if (report.ranges.size() < ListedRanges)
            report.ranges.push_back({static_cast<qint64>(start), static_cast<qint64>(i - 1)});
    }
    return report;
}

QStringList DifferenceReport::lines() const
{
    QStringList text{ExtraMessages::text(ExtraText::CliDifferingBytes).arg(differingBytes).arg(rangeCount)};
    for (const Range& range : ranges) {
        text << QStringLiteral("0x%1-0x%2  %3 bytes")
                    .arg(QString::number(range.start, 16).toUpper(), QString::number(range.end, 16).toUpper())
                    .arg(range.end - range.start + 1);
    }
    if (rangeCount > static_cast<qint64>(ranges.size()))
        text << ExtraMessages::text(ExtraText::CliMoreRanges).arg(rangeCount - static_cast<qint64>(ranges.size()));
    return text;
}
