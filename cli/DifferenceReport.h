#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <span>
#include <vector>

// Every difference between an image and what the chip holds, as verify --all reports it.
struct DifferenceReport {
    struct Range {
        qint64 start;
        qint64 end;  // the last differing byte of the run
    };
    static constexpr std::size_t ListedRanges = 50;

    qint64 differingBytes = 0;
    qint64 rangeCount = 0;
    std::vector<Range> ranges;  // the first ListedRanges runs of differing bytes

    // expected and actual have the same length.
    [[nodiscard]] static DifferenceReport compare(std::span<const quint8> expected, std::span<const quint8> actual);
    // "N differing bytes in M ranges", then one "0xSTART-0xEND  N bytes" line per listed range.
    [[nodiscard]] QStringList lines() const;
};
