#include "buffer/BufferFile.h"
#include "buffer/IntelHex.h"

#include "CodecTestSupport.h"
#include "RecordingFeedback.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

struct ReadResult {
    qint32 size;
    QStringList errors;
};

ReadResult readHex(const QByteArray& text, std::vector<std::uint8_t>& buffer)
{
    QBuffer device;
    device.setData(text);
    device.open(QIODevice::ReadOnly);
    RecordingFeedback feedback;
    const qint32 size = ReadIntelHex(device, buffer, feedback);
    return {size, feedback.errors};
}

QByteArray writeHex(std::span<const std::uint8_t> data)
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteIntelHex(device, data));
    return device.data();
}

// Accepts `capacity` bytes, then fails every write, as a full disk does.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 capacity) : m_room(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        if (length > m_room)
            return -1;
        m_room -= length;
        return length;
    }

private:
    qint64 m_room;
};

}  // namespace

TEST(IntelHexRead, ReturnsSizeUpToHighestByteSetAndLeavesOtherBytes)
{
    std::vector<std::uint8_t> buffer(0x100, 0x55);
    const ReadResult result = readHex(":0400100001020304E2\r\n:00000001FF\r\n", buffer);
    EXPECT_EQ(result.size, 0x14);
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_EQ(buffer[0x0F], 0x55);
    EXPECT_EQ(buffer[0x10], 0x01);
    EXPECT_EQ(buffer[0x13], 0x04);
    EXPECT_EQ(buffer[0x14], 0x55);
}

TEST(IntelHexRead, AcceptsLowerCaseLineFeedOnlyAndTrailingText)
{
    std::vector<std::uint8_t> buffer = erased(0x100);
    const ReadResult result = readHex(":02000000abCD86 trailing words\n:00000001ff", buffer);
    EXPECT_EQ(result.size, 2);
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_EQ(buffer[0], 0xAB);
    EXPECT_EQ(buffer[1], 0xCD);
}

TEST(IntelHexRead, CountZeroRecordCountsForTheSize)
{
    std::vector<std::uint8_t> buffer = erased(0x2000);
    EXPECT_EQ(readHex(":00100000F0\r\n:00000001FF\r\n", buffer).size, 0x1000);
    EXPECT_EQ(buffer[0xFFF], 0xFF);
}

TEST(IntelHexRead, PlacesDataByLinearAndSegmentBase)
{
    std::vector<std::uint8_t> buffer = erased(0x30000);
    const ReadResult linear = readHex(":020000040002F8\r\n:01001000AA45\r\n:00000001FF\r\n", buffer);
    EXPECT_EQ(linear.size, 0x20011);
    EXPECT_EQ(buffer[0x20010], 0xAA);

    const ReadResult segment = readHex(":020000020100FB\r\n:01000500BB3F\r\n:00000001FF\r\n", buffer);
    EXPECT_EQ(segment.size, 0x1006);
    EXPECT_EQ(buffer[0x1005], 0xBB);
}

TEST(IntelHexRead, SkipsStartAddressRecords)
{
    std::vector<std::uint8_t> buffer = erased(0x10);
    const ReadResult result = readHex(":0400000300001234B3\r\n:0400000500001234B1\r\n:0100000042BD\r\n:00000001FF\r\n", buffer);
    EXPECT_EQ(result.size, 1);
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_EQ(buffer[0], 0x42);
}

TEST(IntelHexRead, StopsAtTheEndRecord)
{
    std::vector<std::uint8_t> buffer = erased(0x10);
    const ReadResult result = readHex(":0100000042BD\r\n:00000001FF\r\n\r\nnot a record\r\n", buffer);
    EXPECT_EQ(result.size, 1);
    EXPECT_TRUE(result.errors.isEmpty());
}

TEST(IntelHexRead, FileWithoutEndRecordFailsButKeepsTheData)
{
    std::vector<std::uint8_t> buffer = erased(0x10);
    const ReadResult result = readHex(":0100000042BD\r\n", buffer);
    EXPECT_EQ(result.size, 0);
    EXPECT_EQ(result.errors, (QStringList{"File Read Operation Failed", "Error reading File"}));
    EXPECT_EQ(buffer[0], 0x42);
}

// Each malformed file and the one message it must produce.
struct BadHex {
    const char* text;
    const char* error;
};

void PrintTo(const BadHex& bad, std::ostream* out)
{
    // Also names the test case, so it must be unique and free of line breaks.
    *out << bad.error << " in ";
    for (const char* c = bad.text; *c; ++c)
        *out << (*c == '\r' || *c == '\n' ? '|' : *c);
}

class IntelHexErrors : public ::testing::TestWithParam<BadHex> {};

TEST_P(IntelHexErrors, FailWithTheirMessage)
{
    std::vector<std::uint8_t> buffer = erased(0x100);
    const ReadResult result = readHex(GetParam().text, buffer);
    EXPECT_EQ(result.size, 0);
    EXPECT_EQ(result.errors, QStringList{QString::fromLatin1(GetParam().error)});
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntelHexErrors,
    ::testing::Values(BadHex{":0100000042BD\r\n\r\n:00000001FF\r\n", "Illegal Line found"},
                      BadHex{"S1130000000102030405060708090A0B0C0D0E0F74\r\n", "Illegal Line found"},
                      BadHex{" :00000001FF\r\n", "Illegal Line found"},
                      // Two records on one line: the second is not dropped as text after a checksum.
                      BadHex{":0100000042BD:0100010043BB\r\n:00000001FF\r\n", "Illegal Line found"},
                      BadHex{":020000040000FA :0100000042BD\n:00000001FF\n", "Illegal Line found"},
                      BadHex{":0100000042BD\r:0100010043BB\r:00000001FF\r", "Illegal Line found"},
                      BadHex{":01000000G2BD\r\n:00000001FF\r\n", "Illegal Char in File"},
                      BadHex{":0400000001020304\r\n:00000001FF\r\n", "Illegal Char in File"},
                      BadHex{":0400000001\r\n:00000001FF\r\n", "Illegal Char in File"},
                      BadHex{":FF00000001\r\n", "Illegal Char in File"},
                      BadHex{":000000", "Illegal Char in File"},
                      BadHex{":00000006FA\r\n", "Invalid Record type"},
                      BadHex{":0100000042BE\r\n:00000001FF\r\n", "Checksum Error type 0"},
                      BadHex{":00000101FE\r\n", "Invalid EOF Record"},
                      BadHex{":01000001FFFF\r\n", "Invalid EOF Record"},
                      BadHex{":00000001FE\r\n", "Invalid EOF Record"},
                      BadHex{":0300000201000FEB\r\n", "Invalid Record Length for type 2"},
                      BadHex{":020000020100FC\r\n", "Checksum Error type 2"},
                      BadHex{":01000004FFFC\r\n", "Invalid Record Length for type 4"},
                      BadHex{":020000040001F8\r\n", "Checksum Error type 4"},
                      // Start address records are checked like all others: one damaged type
                      // digit makes one of a data (00) or a base record (02).
                      BadHex{":0400000300001234AA\r\n:00000001FF\r\n", "Checksum Error type 3"},
                      BadHex{":04000005zzzz\r\n:00000001FF\r\n", "Illegal Char in File"},
                      BadHex{":0100000542BD\r\n:00000001FF\r\n", "Checksum Error type 5"},
                      BadHex{":020000031000EC\r\n:0100000042BD\r\n:00000001FF\r\n", "Checksum Error type 3"},
                      BadHex{":02010000000000FD\r\n:00000001FF\r\n", "File exceeds Maximum Size"}));

TEST(IntelHexRead, AddressesNearFourGigabytesDoNotWrapIntoTheBuffer)
{
    // In 32 bits 0xFFFF0000 + 0xFFFF0 + 0x10 wraps to 0x10000, inside the buffer.
    std::vector<std::uint8_t> buffer = erased(0x20000);
    const ReadResult result = readHex(":02000004FFFFFC\r\n:02000002FFFFFE\r\n:0100100042AD\r\n:00000001FF\r\n", buffer);
    EXPECT_EQ(result.size, 0);
    EXPECT_EQ(result.errors, QStringList{"File exceeds Maximum Size"});
    EXPECT_EQ(buffer, erased(0x20000));
}

TEST(IntelHexRead, ReadsRecordsOfTheFullCountOf255Bytes)
{
    std::vector<std::uint8_t> data(255);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7);
    QByteArray line = ":FF000000";
    unsigned sum = 0xFF;
    for (const std::uint8_t b : data) {
        line += QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
        sum += b;
    }
    line += QByteArray::number((0x100 - (sum & 0xFF)) & 0xFF, 16).rightJustified(2, '0') + "\r\n:00000001FF\r\n";
    std::vector<std::uint8_t> buffer = erased(0x100);
    const ReadResult result = readHex(line, buffer);
    EXPECT_EQ(result.size, 255);
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), buffer.begin()));
}

TEST(IntelHexRead, NamesTheLineOfTheBadRecordAndReportsAFileThatCannotBeOpened)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.hex");
    ASSERT_TRUE(writeWholeFile(path, ":0100000042BD\r\n:0100010042BC\r\n:01000200zz\r\n"));
    std::vector<std::uint8_t> buffer = erased(0x10);
    RecordingFeedback feedback;
    EXPECT_EQ(OpenBufferFileAs(BufferFileFormat::IntelHex, path, buffer, feedback), 0);
    EXPECT_EQ(feedback.errors, QStringList{"Illegal Char in File"});
    EXPECT_EQ(feedback.lastLocation, path + ":3");

    RecordingFeedback missing;
    EXPECT_EQ(OpenBufferFileAs(BufferFileFormat::IntelHex, dir.filePath("none.hex"), buffer, missing), 0);
    EXPECT_EQ(missing.messages(), QStringList{"Can't open File"});
    EXPECT_TRUE(missing.errors[0].endsWith(dir.filePath("none.hex") + ": No such file or directory"))
        << missing.errors[0].toStdString();
}

TEST(IntelHexWrite, ErasedBlocksGiveOnlyTheBaseRecordsAndTheEnd)
{
    EXPECT_EQ(writeHex(erased(0x20000)), QByteArray(":020000040001F9\r\n:00000001FF\r\n"));
    EXPECT_EQ(writeHex({}), QByteArray(":00000001FF\r\n"));
}

TEST(IntelHexWrite, SplitsIntoRecordsOf32Bytes)
{
    std::vector<std::uint8_t> data(40);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(writeHex(data),
              QByteArray(":20000000000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1FF0\r\n"
                         ":080020002021222324252627BC\r\n"
                         ":00000001FF\r\n"));
}

TEST(IntelHexWrite, PutsTheBaseRecordBeforeDataAbove64KiB)
{
    std::vector<std::uint8_t> data = erased(0x10001);
    data[0x10000] = 0x00;
    EXPECT_EQ(writeHex(data), QByteArray(":020000040001F9\r\n:0100000000FF\r\n:00000001FF\r\n"));
}

TEST(IntelHexWrite, RoundTripsRandomDataWithErasedRuns)
{
    std::mt19937 random(4);
    std::vector<std::uint8_t> data(0x30021);
    for (auto& b : data)
        b = static_cast<std::uint8_t>(random());
    std::fill(data.begin() + 0x100, data.begin() + 0x20000, 0xFF);
    data.back() = 0x12;
    std::vector<std::uint8_t> buffer = erased(0x40000);
    const ReadResult result = readHex(writeHex(data), buffer);
    EXPECT_EQ(result.size, static_cast<qint32>(data.size()));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), buffer.begin()));
}

TEST(IntelHexWrite, ReportsAWriteThatTheDeviceRefuses)
{
    std::vector<std::uint8_t> data(0x1000, 0x00);
    FillingDevice full(100);
    EXPECT_FALSE(WriteIntelHex(full, data));
    QTemporaryDir dir;
    ASSERT_TRUE(writeWholeFile(dir.filePath("file"), "a file, not a folder"));
    EXPECT_NE(saveImageFile(BufferFileFormat::IntelHex, dir.filePath("file/folder/out.hex"), data).status, FileSaveStatus::Saved);
}
