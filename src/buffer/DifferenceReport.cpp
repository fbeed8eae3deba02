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
        // Long equal stretches are skipped a block at a time.
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
        report.ranges.push_back({static_cast<qint64>(start), static_cast<qint64>(i - 1)});
    }
    return report;
}

QStringList DifferenceReport::lines(const Wording& wording) const
{
    QStringList text{wording.summary.arg(differingBytes).arg(rangeCount())};
    const std::size_t listed = std::min(ranges.size(), ListedRanges);
    for (std::size_t i = 0; i < listed; ++i) {
        const Range& range = ranges[i];
        text << wording.range
                    .arg(QString::number(range.start, 16).toUpper(), QString::number(range.end, 16).toUpper())
                    .arg(range.end - range.start + 1);
    }
    if (ranges.size() > listed)
        text << wording.notListed.arg(static_cast<qint64>(ranges.size() - listed));
    return text;
}

DifferenceReport::Wording DifferenceReport::wordingInCurrentLanguage()
{
    return {ExtraMessages::text(ExtraText::DifferenceSummary), ExtraMessages::text(ExtraText::DifferenceRange),
            ExtraMessages::text(ExtraText::DifferencesNotListed)};
}
