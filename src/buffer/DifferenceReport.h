#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <span>
#include <vector>

// Every difference between two images of the same length, as runs of differing bytes: what
// verify --all prints and what the window's compare marks and walks through.
struct DifferenceReport {
    struct Range {
        qint64 start;
        qint64 end;  // the last differing byte of the run
    };
    // The texts of the report, in the language of whoever prints it.
    struct Wording {
        QString summary;   // %1 differing bytes, %2 ranges
        QString range;     // %1 first and %2 last byte in hex, %3 bytes
        QString notListed; // %1 ranges left out
    };
    static constexpr std::size_t ListedRanges = 50;

    qint64 differingBytes = 0;
    std::vector<Range> ranges;  // every run, in address order

    // expected and actual have the same length.
    [[nodiscard]] static DifferenceReport compare(std::span<const quint8> expected, std::span<const quint8> actual);
    [[nodiscard]] qint64 rangeCount() const { return static_cast<qint64>(ranges.size()); }
    // The summary line, then one line per range for the first ListedRanges, then how many more.
    [[nodiscard]] QStringList lines(const Wording& wording) const;
    // The wording in the program's current language.
    [[nodiscard]] static Wording wordingInCurrentLanguage();
};
