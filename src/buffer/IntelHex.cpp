#include "buffer/IntelHex.h"

#include "buffer/HexText.h"
#include "buffer/LineReader.h"
#include "buffer/ReaderErrors.h"
#include "buffer/TextSink.h"

#include <algorithm>
#include <limits>

using hextext::RecordLine;

namespace {

constexpr std::size_t kDataPos = 9;  // first data digit, counted from the start code
// The longest valid line: a record of 255 data bytes, ":" and 2 digits for each of count (1),
// offset (2), type (1), data (255) and checksum (1) bytes, and a carriage return.
constexpr std::size_t kLongestValidLine = 1 + 2 * (1 + 2 + 1 + 255 + 1) + 1;
// By record type; the end record (1) has none.
constexpr const char* kChecksumErrors[] = {"Checksum Error type 0", nullptr, "Checksum Error type 2",
                                           "Checksum Error type 3", "Checksum Error type 4", "Checksum Error type 5"};

}  // namespace

qint32 ReadIntelHex(QIODevice& device, std::span<std::uint8_t> buffer, BufferFileFeedback& feedback)
{
    // Addresses are worked out in 64 bits: a linear base near 4 GiB plus an offset must land
    // beyond the capacity, not wrap round into the buffer.
    const std::uint64_t capacity = std::min<std::uint64_t>(buffer.size(), std::numeric_limits<qint32>::max());
    std::uint64_t segmentBase = 0;
    std::uint64_t linearBase = 0;
    std::uint64_t size = 0;
    ReaderErrors errors(feedback, device);
    LineReader reader(device, kLongestValidLine);
    std::string_view text;
    for (qint64 lineNumber = 1;; ++lineNumber) {
        const LineReader::Status status = reader.next(text);
        if (status == LineReader::Status::End) {
            errors.fail(lineNumber, "File Read Operation Failed");
            return errors.fail(lineNumber, "Error reading File");
        }
        if (status == LineReader::Status::TooLong)
            return errors.fail(lineNumber, "Illegal Line found");
        const RecordLine line(text);
        if (line.at(0) != ':')
            return errors.fail(lineNumber, "Illegal Line found");
        std::uint8_t count = 0, offsetHigh = 0, offsetLow = 0, type = 0;
        if (!line.byteAt(1, count) || !line.byteAt(3, offsetHigh) || !line.byteAt(5, offsetLow) || !line.byteAt(7, type))
            return errors.fail(lineNumber, "Illegal Char in File");
        const unsigned sum = count + offsetHigh + offsetLow + type;
        const unsigned offset = (offsetHigh << 8) | offsetLow;
        if (type > 5)
            return errors.fail(lineNumber, "Invalid Record type");

        if (type == 1) {
            std::uint8_t checksum = 0;
            if (!line.byteAt(kDataPos, checksum))
                return errors.fail(lineNumber, "Illegal Char in File");
            if (count != 0 || offset != 0 || checksum != 0xFF)
                return errors.fail(lineNumber, "Invalid EOF Record");
            return static_cast<qint32>(size);
        }
        if ((type == 2 || type == 4) && count != 2)
            return errors.fail(lineNumber, type == 2 ? "Invalid Record Length for type 2" : "Invalid Record Length for type 4");
        // 00 puts its bytes into the image, 02 and 04 set a base. 03 and 05 carry start
        // addresses, which mean nothing to a memory image; their checksum is checked all the same:
        // one damaged type digit turns a data or base record into one of them, and skipping it
        // would load a different image.
        std::uint8_t fields[255];
        std::uint8_t* target = fields;
        if (type == 0) {
            const std::uint64_t address = linearBase + segmentBase + offset;
            size = std::max(size, address + count);
            if (size > capacity)
                return errors.fail(lineNumber, "File exceeds Maximum Size");
            target = buffer.data() + address;
        }
        std::uint8_t checksum = 0;
        if (line.bytesAt(kDataPos, target, count) != count || !line.byteAt(kDataPos + 2 * count, checksum))
            return errors.fail(lineNumber, "Illegal Char in File");
        if (((sum + hextext::sumOf(target, count) + checksum) & 0xFF) != 0)
            return errors.fail(lineNumber, kChecksumErrors[type]);
        if (type == 2)
            segmentBase = ((fields[0] << 8) | fields[1]) * std::uint64_t{16};
        else if (type == 4)
            linearBase = ((fields[0] << 8) | fields[1]) * std::uint64_t{65536};
        // A record after the checksum would be left out with the rest of the line.
        if (line.recordFollows(kDataPos + 2 * count + 2, ':', 8))
            return errors.fail(lineNumber, "Illegal Line found");
    }
}

bool WriteIntelHex(QIODevice& device, std::span<const std::uint8_t> data)
{
    if (data.size() > 0x100000000ULL)
        return false;
    constexpr std::size_t kPerRecord = 32;
    TextSink sink(device);
    // One record: ":", count, offset, type, the bytes and the checksum that makes them sum to 0.
    const auto putRecord = [&sink](std::uint8_t type, unsigned offset, const std::uint8_t* bytes, std::size_t n) {
        char* out = sink.reserve(13 + 2 * n);
        *out++ = ':';
        const std::uint8_t fields[] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(offset >> 8),
                                       static_cast<std::uint8_t>(offset), type};
        out = hextext::putBytes(out, fields, 4);
        out = hextext::putBytes(out, bytes, n);
        const unsigned sum =
            static_cast<unsigned>(n) + (offset >> 8) + (offset & 0xFF) + type + hextext::sumOf(bytes, n);
        out = hextext::putByte(out, static_cast<std::uint8_t>(0x100 - (sum & 0xFF)));
        *out++ = '\r';
        *out++ = '\n';
        sink.commit(out);
    };
    std::uint64_t base = 0;
    for (std::uint64_t address = 0; address < data.size(); address += kPerRecord) {
        if (address - base > 0xFFFF) {
            base = address & ~std::uint64_t{0xFFFF};
            const std::uint8_t upper[] = {static_cast<std::uint8_t>(base >> 24), static_cast<std::uint8_t>(base >> 16)};
            putRecord(4, 0, upper, 2);
        }
        const std::size_t n = std::min<std::uint64_t>(kPerRecord, data.size() - address);
        const std::uint8_t* bytes = data.data() + address;
        if (!hextext::allErased(bytes, n))
            putRecord(0, static_cast<unsigned>(address - base), bytes, n);
    }
    putRecord(1, 0, nullptr, 0);
    return sink.finish();
}
