#include "buffer/BufferFile.h"
#include "buffer/SRecord.h"

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

ReadResult readSRecord(const QByteArray& text, std::vector<std::uint8_t>& buffer)
{
    QBuffer device;
    device.setData(text);
    device.open(QIODevice::ReadOnly);
    RecordingFeedback feedback;
    const qint32 size = ReadSRecord(device, buffer, feedback);
    return {size, feedback.errors};
}

QByteArray writeSRecord(std::span<const std::uint8_t> data)
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteSRecord(device, data));
    return device.data();
}

QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty());
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

}  // namespace

TEST(SRecordRead, ReadsAllThreeWidthsUpToTheTermination)
{
    std::vector<std::uint8_t> buffer(0x20000, 0x55);
    const ReadResult result =
        readSRecord("S00600004844521B\r\nS1060010010203E3\nS205010000AA4F\r\nS30700012345BBCC08\r\nS9030000FC\r\n", buffer);
    EXPECT_EQ(result.size, 0x12347);
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_EQ(buffer[0x0F], 0x55);
    EXPECT_EQ(buffer[0x10], 0x01);
    EXPECT_EQ(buffer[0x12], 0x03);
    EXPECT_EQ(buffer[0x10000], 0xAA);
    EXPECT_EQ(buffer[0x12346], 0xCC);
}

TEST(SRecordRead, SkipsHeaderCountAndNonRecordLinesWhateverTheyHold)
{
    std::vector<std::uint8_t> buffer = erased(0x20);
    const ReadResult result = readSRecord("S0zz\r\nS4\r\nS5030001FB\r\nS604!!\r\nSX garbage\r\nS\r\ns1060010010203e3\r\n", buffer);
    // The lower-case "s" line is the first one that is not skipped.
    EXPECT_EQ(result.errors, QStringList{"Illegal Line found"});
    const ReadResult lower = readSRecord("S0zz\r\nS1060010010203e3\r\nS903\r\n", buffer);
    EXPECT_EQ(lower.size, 0x13);
    EXPECT_TRUE(lower.errors.isEmpty());
}

TEST(SRecordRead, AnyTerminationOfItsLengthEndsReadingOtherwiseUnchecked)
{
    std::vector<std::uint8_t> buffer = erased(0x20000);
    EXPECT_EQ(readSRecord("S205010000AA4F\r\nS903 not checked\r\nS1zz\r\n\r\n", buffer).size, 0x10001);
    EXPECT_EQ(readSRecord("S1060010010203E3\r\nS705\r\n", buffer).size, 0x13);
    EXPECT_EQ(readSRecord("S804", buffer).size, 0);
}

TEST(SRecordRead, FileWithoutTerminationFailsWithOneMessageButKeepsTheData)
{
    std::vector<std::uint8_t> buffer = erased(0x20);
    const ReadResult result = readSRecord("S1060010010203E3\r\n", buffer);
    EXPECT_EQ(result.size, 0);
    EXPECT_EQ(result.errors, QStringList{"File Read Operation Failed"});
    EXPECT_EQ(buffer[0x10], 0x01);
}

struct BadSRecord {
    const char* text;
    const char* error;
};

void PrintTo(const BadSRecord& bad, std::ostream* out)
{
    // Also names the test case, so it must be unique and free of line breaks.
    *out << bad.error << " in ";
    for (const char* c = bad.text; *c; ++c)
        *out << (*c == '\r' || *c == '\n' ? '|' : *c);
}

class SRecordErrors : public ::testing::TestWithParam<BadSRecord> {};

TEST_P(SRecordErrors, FailWithTheirMessage)
{
    std::vector<std::uint8_t> buffer = erased(0x100);
    const ReadResult result = readSRecord(GetParam().text, buffer);
    EXPECT_EQ(result.size, 0);
    EXPECT_EQ(result.errors, QStringList{QString::fromLatin1(GetParam().error)});
}

INSTANTIATE_TEST_SUITE_P(Table, SRecordErrors,
                         ::testing::Values(BadSRecord{"S1060010010203E3\r\n\r\nS9030000FC\r\n", "Illegal Line found"},
                                           BadSRecord{":0100000042BD\r\n", "Illegal Line found"},
                                           // Two records on one line: the second is not dropped.
                                           BadSRecord{"S1060010010203E3S1060013040506D9\r\nS9030000FC\r\n", "Illegal Line found"},
                                           BadSRecord{"S00600004844521B\rS1060010010203E3\rS9030000FC\r\nS9030000FC\r\n",
                                                      "Illegal Line found"},
                                           BadSRecord{"S1060010010203\r\nS9030000FC\r\n", "Illegal Char in File"},
                                           BadSRecord{"S1060010010G03E3\r\n", "Illegal Char in File"},
                                           BadSRecord{"S1FF0000\r\n", "Illegal Char in File"},
                                           BadSRecord{"S10600\r\n", "Illegal Char in File"},
                                           BadSRecord{"S1060010010203E4\r\nS9030000FC\r\n", "Checksum Error"},
                                           BadSRecord{"S10500FF0102F8\r\nS9030000FC\r\n", "File exceeds Maximum Size"},
                                           // A count too small for the address and the checksum.
                                           BadSRecord{"S1020010ED\r\nS9030000FC\r\n", "Invalid Record Length"},
                                           BadSRecord{"S30400000010EB\r\nS9030000FC\r\n", "Invalid Record Length"},
                                           // A data record with a damaged type digit: a count or
                                           // termination record of the wrong length.
                                           BadSRecord{"S8060010010203E3\r\nS9030000FC\r\n", "Invalid Record Length"},
                                           BadSRecord{"S5060010010203E3\r\nS9030000FC\r\n", "Invalid Record Length"},
                                           BadSRecord{"S6060010010203E3\r\nS9030000FC\r\n", "Invalid Record Length"},
                                           BadSRecord{"S9060010010203E3\r\nS9030000FC\r\n", "Invalid Record Length"},
                                           BadSRecord{"S7060010010203E3\r\nS9030000FC\r\n", "Invalid Record Length"},
                                           BadSRecord{"S1060010010203E3\r\nS7\r\n", "Illegal Char in File"}));

TEST(SRecordRead, AddressesNearFourGigabytesDoNotWrapIntoTheBuffer)
{
    std::vector<std::uint8_t> buffer = erased(0x100);
    const ReadResult result = readSRecord("S306FFFFFFFF11EC\r\nS70500000000FA\r\n", buffer);
    EXPECT_EQ(result.errors, QStringList{"File exceeds Maximum Size"});
    EXPECT_EQ(buffer, erased(0x100));
}

TEST(SRecordRead, ReadsS3RecordsLongerThan42Bytes)
{
    std::vector<std::uint8_t> data(250);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i ^ 0x5A);
    QByteArray line = "S3FF00000000";
    unsigned sum = 0xFF;
    for (const std::uint8_t b : data) {
        line += QByteArray::number(b, 16).rightJustified(2, '0');
        sum += b;
    }
    line += QByteArray::number(0xFF - (sum & 0xFF), 16).rightJustified(2, '0') + "\r\nS70500000000FA\r\n";
    std::vector<std::uint8_t> buffer = erased(0x100);
    const ReadResult result = readSRecord(line, buffer);
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_EQ(result.size, 250);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), buffer.begin()));
}

TEST(SRecordWrite, TwentyBytesGiveHeaderTwoS1LinesAndS9)
{
    std::vector<std::uint8_t> data(20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 3 + 1);
    EXPECT_EQ(writeSRecord(data), QByteArray("S00600004844521B\r\n"
                                             "S11300000104070A0D101316191C1F2225282B2E74\r\n"
                                             "S10700103134373A12\r\n"
                                             "S9030000FC\r\n"));
}

TEST(SRecordWrite, WidthFollowsTheTotalLength)
{
    std::vector<std::uint8_t> s2(0x10000, 0x00);
    const QList<QByteArray> s2Lines = linesOf(writeSRecord(s2));
    EXPECT_EQ(s2Lines.size(), 1 + 0x1000 + 1);
    EXPECT_TRUE(s2Lines[1].startsWith("S214000000"));
    EXPECT_EQ(s2Lines.last(), "S804000000FB");

    std::vector<std::uint8_t> s3 = erased(0x1000001);
    s3.back() = 0x11;
    EXPECT_EQ(writeSRecord(s3), QByteArray("S00600004844521B\r\nS3060100000011E7\r\nS70500000000FA\r\n"));
}

TEST(SRecordWrite, ErasedBufferGivesHeaderAndTerminationOnly)
{
    EXPECT_EQ(writeSRecord(erased(0x800)), QByteArray("S00600004844521B\r\nS9030000FC\r\n"));
}

TEST(SRecordWrite, RoundTripsRandomDataInEveryWidth)
{
    std::mt19937 random(9);
    for (const std::size_t size : {std::size_t{0x123}, std::size_t{0x10007}, std::size_t{0x1000011}}) {
        std::vector<std::uint8_t> data(size);
        for (auto& b : data)
            b = static_cast<std::uint8_t>(random());
        std::vector<std::uint8_t> buffer = erased(size);
        const ReadResult result = readSRecord(writeSRecord(data), buffer);
        EXPECT_EQ(result.size, static_cast<qint32>(size));
        EXPECT_TRUE(buffer == data) << size;
    }
}

TEST(SRecordWrite, FailsWhenTheFileCannotBeCreated)
{
    QTemporaryDir dir;
    const std::vector<std::uint8_t> data(16, 0);
    ASSERT_TRUE(writeWholeFile(dir.filePath("file"), "a file, not a folder"));
    EXPECT_NE(saveImageFile(BufferFileFormat::SRecord, dir.filePath("file/out.src"), data).status, FileSaveStatus::Saved);
    RecordingFeedback feedback;
    std::vector<std::uint8_t> buffer = erased(16);
    EXPECT_EQ(OpenBufferFileAs(BufferFileFormat::SRecord, dir.filePath("missing.src"), buffer, feedback), 0);
    EXPECT_EQ(feedback.messages(), QStringList{"Can't open File"});
}
