#pragma once

#include <QIODevice>

#include <array>
#include <cstddef>
#include <string_view>
#include <memory>

// Splits a device into lines at line feeds, reading it in large blocks rather than one read and
// one seek per line. Memory stays fixed whatever the size of the file or of a line: of a line
// longer than kKeptLength only its start is handed out (more than the longest valid record
// needs), and the rest up to the line feed is skipped.
class LineReader {
public:
    // 1 + 2 × (1 + 2 + 1 + 255 + 1) digits is the longest Intel HEX record; S-records are shorter.
    static constexpr std::size_t kKeptLength = 1024;

    explicit LineReader(QIODevice& device, std::size_t blockSize = 256 * 1024);

    // The next line without its line feed, valid until the next call. Returns false at the end
    // of the device (or on a read error) when no byte at all is left; a last line without a
    // line feed is returned like any other.
    [[nodiscard]] bool next(std::string_view& line);

private:
    bool refill();  // moves the unread rest to the front and reads more; false when none came
    void skipRestOfLine();

    QIODevice& m_device;
    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_block;  // not cleared: only what was read is ever looked at
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    std::array<char, kKeptLength> m_longLine{};
};
