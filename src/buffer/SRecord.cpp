#include "buffer/SRecord.h"

#include "buffer/HexText.h"
#include "buffer/LineReader.h"
#include "buffer/ReaderErrors.h"
#include "buffer/TextSink.h"

#include <algorithm>
#include <limits>
#include <string_view>

using hextext::RecordLine;

namespace {

// The longest valid line: "S", the type, and 2 digits for each of the count and the 255 bytes
// it counts, then a carriage return.
constexpr std::size_t kLongestValidLine = 2 + 2 * (1 + 255) + 1;

// The byte count of a record that holds an address or a record count and its checksum only:
// S5 and S6 (2 and 3 count bytes), S7 to S9 (4 to 2 address bytes); 0 for the other types.
unsigned countOfAddressOnlyRecord(char kind)
{
    constexpr unsigned counts[] = {3, 4, 5, 4, 3};  // S5 to S9
    return kind >= '5' && kind <= '9' ? counts[kind - '5'] : 0;
}

}  // namespace

qint32 ReadSRecord(QIODevice& device, std::span<std::uint8_t> buffer, BufferFileFeedback& feedback)
{
    // 64-bit addresses: an S3 record near 4 GiB must fail the capacity test, not wrap round.
    const std::uint64_t capacity = std::min<std::uint64_t>(buffer.size(), std::numeric_limits<qint32>::max());
    std::uint64_t size = 0;
    ReaderErrors errors(feedback, device);
    LineReader reader(device, kLongestValidLine);
    std::string_view text;
    for (qint64 lineNumber = 1;; ++lineNumber) {
        const LineReader::Status status = reader.next(text);
        if (status == LineReader::Status::End)
            return errors.fail(lineNumber, "File Read Operation Failed");
        if (status == LineReader::Status::TooLong)
            return errors.fail(lineNumber, "Illegal Line found");
        const RecordLine line(text);
        if (line.at(0) != 'S')
            return errors.fail(lineNumber, "Illegal Line found");
        const char kind = line.at(1);
        const bool isData = kind >= '1' && kind <= '3';
        const unsigned expected = countOfAddressOnlyRecord(kind);
        std::uint8_t count = 0;
        const bool counted = line.byteAt(2, count);
        if (!counted && (isData || expected != 0))
            return errors.fail(lineNumber, "Illegal Char in File");
        // A termination or record count whose byte count does not fit its type is a damaged
        // line, most likely a data record with a damaged type digit: taking it as it reads
        // would end the file early or drop a record.
        if (expected != 0 && count != expected)
            return errors.fail(lineNumber, "Invalid Record Length");
        if (kind == '7' || kind == '8' || kind == '9')
            return static_cast<qint32>(size);
        // A record after the checksum would be left out with the rest of the line.
        const auto recordFollows = [&line](std::size_t end) { return line.recordFollows(end, 'S', 7); };
        if (!isData) {
            // S0 header, S4 and anything that is not a record at all
            if (counted && recordFollows(4 + 2 * std::size_t{count}))
                return errors.fail(lineNumber, "Illegal Line found");
            continue;
        }

        const unsigned addressBytes = static_cast<unsigned>(kind - '0') + 1;
        unsigned sum = count;
        std::uint64_t address = 0;
        for (unsigned i = 0; i < addressBytes; ++i) {
            std::uint8_t value = 0;
            if (!line.byteAt(4 + 2 * i, value))
                return errors.fail(lineNumber, "Illegal Char in File");
            address = (address << 8) | value;
            sum += value;
        }
        // The count covers the address and the checksum; one too small for them would make the
        // data length negative.
        if (count < addressBytes + 1)
            return errors.fail(lineNumber, "Invalid Record Length");
        const unsigned n = count - addressBytes - 1;
        size = std::max(size, address + n);
        if (size > capacity)
            return errors.fail(lineNumber, "File exceeds Maximum Size");
        std::uint8_t* target = buffer.data() + address;
        const std::size_t dataPos = 4 + 2 * addressBytes;
        if (line.bytesAt(dataPos, target, n) != n)
            return errors.fail(lineNumber, "Illegal Char in File");
        sum += hextext::sumOf(target, n);
        std::uint8_t checksum = 0;
        if (!line.byteAt(dataPos + 2 * n, checksum))
            return errors.fail(lineNumber, "Illegal Char in File");
        if (((sum + checksum) & 0xFF) != 0xFF)
            return errors.fail(lineNumber, "Checksum Error");
        if (recordFollows(dataPos + 2 * n + 2))
            return errors.fail(lineNumber, "Illegal Line found");
    }
}

bool WriteSRecord(QIODevice& device, std::span<const std::uint8_t> data)
{
    if (data.size() > 0x100000000ULL)
        return false;
    constexpr std::size_t kPerRecord = 16;
    const unsigned addressBytes = data.size() <= 0xFFFF ? 2 : data.size() <= 0xFFFFFF ? 3 : 4;
    const char kind = static_cast<char>('0' + addressBytes - 1);
    TextSink sink(device);
    sink.writeRaw("S00600004844521B\r\n", 18);
    for (std::uint64_t address = 0; address < data.size(); address += kPerRecord) {
        const std::size_t n = std::min<std::uint64_t>(kPerRecord, data.size() - address);
        const std::uint8_t* bytes = data.data() + address;
        if (hextext::allErased(bytes, n))
            continue;
        const auto count = static_cast<unsigned>(addressBytes + n + 1);
        unsigned sum = count;
        char* out = sink.reserve(4 + 2 * (addressBytes + n + 1) + 2);
        *out++ = 'S';
        *out++ = kind;
        out = hextext::putByte(out, static_cast<std::uint8_t>(count));
        for (unsigned i = addressBytes; i-- > 0;) {
            const auto value = static_cast<std::uint8_t>(address >> (8 * i));
            out = hextext::putByte(out, value);
            sum += value;
        }
        out = hextext::putBytes(out, bytes, n);
        sum += hextext::sumOf(bytes, n);
        out = hextext::putByte(out, static_cast<std::uint8_t>(0xFF - (sum & 0xFF)));
        *out++ = '\r';
        *out++ = '\n';
        sink.commit(out);
    }
    static constexpr std::string_view kTermination[] = {"S9030000FC\r\n", "S804000000FB\r\n", "S70500000000FA\r\n"};
    const std::string_view end = kTermination[addressBytes - 2];
    sink.writeRaw(end.data(), end.size());
    return sink.finish();
}
