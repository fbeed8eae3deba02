#include "buffer/BufferFile.h"
#include "buffer/IntelHex.h"
#include "buffer/SRecord.h"

#include "CodecTestSupport.h"
#include "RecordingFeedback.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <string_view>

// The files in data/ were made by srec_cat from generated ranges, with its own line lengths,
// LF line ends and record mixes; they must load to the image the ranges describe.
namespace {

void repeat(std::vector<std::uint8_t>& image, std::size_t begin, std::size_t end, std::string_view pattern)
{
    for (std::size_t a = begin; a < end; ++a)
        image[a] = static_cast<std::uint8_t>(pattern[(a - begin) % pattern.size()]);
}

std::vector<std::uint8_t> highImage()
{
    std::vector<std::uint8_t> image = erased(0x30010);
    repeat(image, 0x20, 0x30, "start");
    repeat(image, 0xFFF0, 0x10031, "boundary_crossing_");
    repeat(image, 0x2FFF0, 0x30010, std::string_view("\xFF\xFF\x00\x5A", 4));
    return image;
}

qint32 load(const char* name, BufferFileFormat format, std::vector<std::uint8_t>& buffer)
{
    RecordingFeedback feedback;
    buffer = erased(0x40000);
    const qint32 size = OpenBufferFileAs(format, testDataPath(name), buffer, feedback);
    EXPECT_TRUE(feedback.errors.isEmpty()) << name << ": " << feedback.errors.join(", ").toStdString();
    return size;
}

}  // namespace

TEST(ReferenceFiles, LowImageLoadsFromIntelHexAndS1)
{
    const QByteArray expected = readWholeFile(testDataPath("low.bin"));
    ASSERT_EQ(expected.size(), 0x1085);
    std::vector<std::uint8_t> buffer;
    EXPECT_EQ(load("low.hex", BufferFileFormat::IntelHex, buffer), expected.size());
    EXPECT_EQ(bytesOf(std::span(buffer).first(0x1085)), expected);
    EXPECT_EQ(load("low.s19", BufferFileFormat::SRecord, buffer), expected.size());
    EXPECT_EQ(bytesOf(std::span(buffer).first(0x1085)), expected);
}

TEST(ReferenceFiles, HighImageLoadsFromEveryRecordWidthAndLength)
{
    const std::vector<std::uint8_t> expected = highImage();
    const std::pair<const char*, BufferFileFormat> files[] = {{"high.hex", BufferFileFormat::IntelHex},
                                                              {"high-long.hex", BufferFileFormat::IntelHex},
                                                              {"high.s28", BufferFileFormat::SRecord},
                                                              {"high-long.s37", BufferFileFormat::SRecord}};
    for (const auto& [name, format] : files) {
        std::vector<std::uint8_t> buffer;
        EXPECT_EQ(load(name, format, buffer), static_cast<qint32>(expected.size())) << name;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), buffer.begin())) << name;
    }
}

// Our output must load in the peer tool to the same bytes (skipped where it is not installed).
TEST(ReferenceFiles, PeerToolReadsOurOutput)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("srec_cat"));
    if (tool.isEmpty())
        GTEST_SKIP() << "srec_cat not installed";
    std::mt19937 random(5);
    std::vector<std::uint8_t> data(0x1000123);
    for (auto& b : data)
        b = static_cast<std::uint8_t>(random());
    std::fill(data.begin() + 0x20000, data.begin() + 0x40000, 0xFF);
    QTemporaryDir dir;
    ASSERT_EQ(saveImageFile(BufferFileFormat::IntelHex, dir.filePath("ours.hex"), data).status, FileSaveStatus::Saved);
    ASSERT_EQ(saveImageFile(BufferFileFormat::SRecord, dir.filePath("ours.srec"), data).status, FileSaveStatus::Saved);
    const QString size = QStringLiteral("0x%1").arg(data.size(), 0, 16);
    for (const auto& [file, format] : {std::pair{"ours.hex", "-Intel"}, std::pair{"ours.srec", "-Motorola"}}) {
        QProcess peer;
        peer.start(tool, {dir.filePath(file), format, "-fill", "0xFF", "0", size, "-o", dir.filePath("back.bin"), "-Binary"});
        ASSERT_TRUE(peer.waitForFinished(120000));
        ASSERT_EQ(peer.exitCode(), 0) << peer.readAllStandardError().toStdString();
        EXPECT_EQ(readWholeFile(dir.filePath("back.bin")), bytesOf(data)) << file;
    }
}
