#pragma once

#include <QIODevice>

#include <cstddef>
#include <memory>
#include <string_view>

// Splits a device into lines at line feeds, reading it in large blocks rather than one read and
// one seek per line. A line longer than the longest one the caller can use is refused as soon as
// that many bytes have come without a line feed: input without line feeds (a huge file, an
// endless device) costs one block, not a read to its end. Memory stays fixed.
class LineReader {
public:
    enum class Status {
        Line,     // the next line, without its line feed
        End,      // no byte left (end of the device, or a read error)
        TooLong,  // more than maxLength bytes without a line feed; reading goes no further
    };

    LineReader(QIODevice& device, std::size_t maxLength, std::size_t blockSize = 256 * 1024);

    // The next line, valid until the next call. A last line without a line feed is a line like
    // any other.
    [[nodiscard]] Status next(std::string_view& line);

private:
    bool refill();  // moves the unread rest to the front and reads more; false when none came

    QIODevice& m_device;
    std::size_t m_maxLength;
    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_block;  // not cleared: only what was read is ever looked at
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
};
