#include "buffer/BufferFile.h"

#include "CodecTestSupport.h"
#include "RecordingFeedback.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>


namespace {

const QByteArray kHexFile = ":0400000001020304F2\r\n:00000001FF\r\n";
const QByteArray kSRecordFile = "S107000001020304EE\r\nS9030000FC\r\n";
const BufferSaveTexts kTexts{QStringLiteral("overwrite?"), QStringLiteral("write failed")};

class BufferFileTest : public ::testing::Test {
protected:
    QString put(const char* name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(writeWholeFile(path, content));
        return path;
    }
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    qint32 open(const QString& file)
    {
        m_buffer = erased(0x1000);
        return OpenBufferFile(file, m_buffer, m_feedback);
    }

    SaveOutcome save(const QString& file, qint64 length)
    {
        return SaveBufferFile(file, m_data, length, m_feedback, kTexts);
    }

    QTemporaryDir m_dir;
    std::vector<std::uint8_t> m_buffer;
    std::vector<std::uint8_t> m_data = std::vector<std::uint8_t>(0x100, 0x3C);
    RecordingFeedback m_feedback;
};

}  // namespace

TEST_F(BufferFileTest, ExtensionChoosesTheReaderWhateverItsCase)
{
    EXPECT_EQ(open(put("DATA.HEX", kHexFile)), 4);
    EXPECT_EQ(m_buffer[3], 0x04);
    // Everything that is not .hex, .cap, .eep or an S-record name is the bytes as they are.
    for (const char* name : {"data.Bin", "data.rom", "noextension", "data.s", "data.s19.bin"}) {
        EXPECT_EQ(open(put(name, kHexFile)), kHexFile.size()) << name;
        EXPECT_EQ(m_buffer[0], ':') << name;
    }
    QDir(m_dir.path()).mkdir("folder.hex");
    EXPECT_EQ(open(put("folder.hex/image", kHexFile)), kHexFile.size());
    EXPECT_TRUE(m_feedback.errors.isEmpty());
}

// Every name S-records go by, in any case, is saved as S-records and read back byte for byte.
TEST_F(BufferFileTest, SRecordNamesRoundTrip)
{
    for (const char* name : {"a.src", "a.s19", "a.S28", "a.s37", "a.srec", "a.sx", "a.MOT"}) {
        ASSERT_EQ(save(path(name), 4), SaveOutcome::Saved) << name;
        EXPECT_EQ(readWholeFile(path(name)), "S00600004844521B\r\nS10700003C3C3C3C08\r\nS9030000FC\r\n") << name;
        EXPECT_EQ(open(path(name)), 4) << name;
        EXPECT_EQ(std::vector<std::uint8_t>(m_buffer.begin(), m_buffer.begin() + 5),
                  (std::vector<std::uint8_t>{0x3C, 0x3C, 0x3C, 0x3C, 0xFF})) << name;
    }
    EXPECT_TRUE(m_feedback.errors.isEmpty()) << m_feedback.errors.join(' ').toStdString();
}

TEST_F(BufferFileTest, ContentDoesNotOverrideTheExtension)
{
    EXPECT_EQ(open(put("records.hex", kSRecordFile)), 0);
    EXPECT_EQ(m_feedback.errors, QStringList{"Illegal Line found"});
}

TEST_F(BufferFileTest, EepFilesAreSniffedByTheirFirstByte)
{
    EXPECT_EQ(open(put("a.eep", kHexFile)), 4);
    EXPECT_EQ(m_buffer[0], 0x01);
    EXPECT_EQ(open(put("b.EEP", kSRecordFile)), 4);
    EXPECT_EQ(m_buffer[3], 0x04);
    EXPECT_EQ(open(put("c.eep", "raw")), 3);
    EXPECT_EQ(m_buffer[0], 'r');
    EXPECT_EQ(open(put("d.eep", "")), 0);
    EXPECT_TRUE(m_feedback.errors.isEmpty());
    EXPECT_EQ(open(path("missing.eep")), 0);
    EXPECT_EQ(m_feedback.messages(), QStringList{"Can't open File"});
}

TEST_F(BufferFileTest, CapsuleHeaderIsSkipped)
{
    QByteArray capsule(2048, 'H');
    EXPECT_EQ(open(put("exact.cap", capsule)), 0);
    EXPECT_TRUE(m_feedback.errors.isEmpty());
    EXPECT_EQ(m_buffer[0], 0xFF);

    EXPECT_EQ(open(put("image.CAP", capsule + "IMG")), 3);
    EXPECT_EQ(m_buffer[0], 'I');
    EXPECT_EQ(m_buffer[3], 0xFF);

    EXPECT_EQ(open(put("short.cap", QByteArray(100, 'H'))), 0);
    EXPECT_EQ(m_feedback.errors, QStringList{"File is shorter than the 2048-byte capsule header"});
}

// Open a capsule, change a byte, save it as a capsule: the same file but for that byte. A capsule
// needs the header it was opened with; an image without one is not saved under the name.
TEST_F(BufferFileTest, ACapsuleIsSavedWithItsHeaderAndNeverWithoutOne)
{
    QByteArray header(2048, 'H');
    header[0] = 'C';
    const QString original = put("BIOS.cap", header + QByteArray(0x100, 'i'));
    QByteArray kept;
    m_buffer = erased(0x1000);
    ASSERT_EQ(OpenBufferFile(original, m_buffer, m_feedback, &kept), 0x100);
    EXPECT_EQ(kept, header);
    m_buffer[5] = 'x';
    const std::span<const std::uint8_t> image(m_buffer);
    RecordingFeedback yes(true);
    ASSERT_EQ(SaveBufferFile(original, image, 0x100, yes, kTexts, kept), SaveOutcome::Saved);
    QByteArray expected = header + QByteArray(0x100, 'i');
    expected[2048 + 5] = 'x';
    EXPECT_EQ(readWholeFile(original), expected);

    // A file of any other format leaves no header behind, and a capsule save without one is
    // refused before the overwrite question, the old file as it was.
    ASSERT_EQ(OpenBufferFile(put("plain.bin", "abc"), m_buffer, m_feedback, &kept), 3);
    EXPECT_TRUE(kept.isEmpty());
    for (const char* name : {"BIOS.cap", "new.CAP"}) {
        RecordingFeedback refused;
        EXPECT_EQ(SaveBufferFile(path(name), image, 0x100, refused, kTexts, kept), SaveOutcome::Failed) << name;
        EXPECT_EQ(refused.errors, QStringList{kTexts.capsuleWithoutHeader.arg(path(name))}) << name;
        EXPECT_TRUE(refused.questions.isEmpty()) << name;
    }
    EXPECT_EQ(readWholeFile(original), expected);
    EXPECT_FALSE(QFileInfo::exists(path("new.CAP")));
    EXPECT_TRUE(m_feedback.errors.isEmpty());
}

TEST_F(BufferFileTest, FilesLargerThanTheBufferAreRefusedUntouched)
{
    EXPECT_EQ(open(put("big.bin", QByteArray(0x1001, 'x'))), 0);
    EXPECT_EQ(open(put("big.cap", QByteArray(0x1001, 'x'))), 0);
    EXPECT_EQ(m_feedback.errors, (QStringList{"File is too big for Buffer", "File is too big for Buffer"}));
    EXPECT_EQ(m_buffer, erased(0x1000));
    EXPECT_EQ(open(put("fits.bin", QByteArray(0x1000, 'x'))), 0x1000);
}

TEST_F(BufferFileTest, FilesThatCannotBeOpenedAreReported)
{
    EXPECT_EQ(open(path("missing.bin")), 0);
    EXPECT_EQ(open(path("missing.hex")), 0);
    EXPECT_EQ(open(m_dir.path()), 0);
    EXPECT_EQ(m_feedback.messages(), QStringList(3, "Can't open File"));
    // Each names the file and the system's reason.
    EXPECT_TRUE(m_feedback.errors[0].endsWith(path("missing.bin") + ": No such file or directory"))
        << m_feedback.errors[0].toStdString();
    EXPECT_TRUE(m_feedback.errors[2].contains(m_dir.path() + ": ")) << m_feedback.errors[2].toStdString();
}

TEST_F(BufferFileTest, SaveFormatFollowsTheExtension)
{
    ASSERT_EQ(save(path("out.hex"), 4), SaveOutcome::Saved);
    EXPECT_EQ(readWholeFile(path("out.hex")), ":040000003C3C3C3C0C\r\n:00000001FF\r\n");
    ASSERT_EQ(save(path("OUT.SRC"), 1), SaveOutcome::Saved);
    EXPECT_EQ(readWholeFile(path("OUT.SRC")), "S00600004844521B\r\nS10400003CBF\r\nS9030000FC\r\n");
    ASSERT_EQ(save(path("out.rom"), 64), SaveOutcome::Saved);
    EXPECT_EQ(readWholeFile(path("out.rom")), QByteArray(64, 0x3C));
    ASSERT_EQ(save(path("noextension"), 2), SaveOutcome::Saved);
    EXPECT_EQ(readWholeFile(path("noextension")), QByteArray(2, 0x3C));
    EXPECT_TRUE(m_feedback.errors.isEmpty());
    EXPECT_TRUE(m_feedback.questions.isEmpty());
}

TEST_F(BufferFileTest, ExistingFileIsReplacedOnlyAfterYes)
{
    const QString target = put("old.bin", "old");
    RecordingFeedback no(false);
    EXPECT_EQ(SaveBufferFile(target, m_data, 16, no, kTexts), SaveOutcome::Declined);
    EXPECT_EQ(no.questions, QStringList{"overwrite?"});
    EXPECT_TRUE(no.errors.isEmpty());
    EXPECT_EQ(readWholeFile(target), "old");

    RecordingFeedback yes(true);
    EXPECT_EQ(SaveBufferFile(target, m_data, 16, yes, kTexts), SaveOutcome::Saved);
    EXPECT_EQ(readWholeFile(target), QByteArray(16, 0x3C));
}

TEST_F(BufferFileTest, FilesThatCannotBeCreatedAreReportedPerFormat)
{
    ASSERT_TRUE(writeWholeFile(path("none"), "a file where the folder should be"));
    EXPECT_EQ(save(path("none/out.bin"), 4), SaveOutcome::Failed);
    EXPECT_EQ(save(path("none/out.hex"), 4), SaveOutcome::Failed);
    EXPECT_EQ(save(path("none/out.src"), 4), SaveOutcome::Failed);
    EXPECT_EQ(m_feedback.messages(), (QStringList{QStringLiteral("创建文件失败"), "write failed", "write failed"}));
    for (const QString& error : m_feedback.errors)
        EXPECT_TRUE(error.contains("/none/out.") && error.endsWith(": Not a directory")) << error.toStdString();
}

TEST_F(BufferFileTest, LengthBeyondTheBufferIsRefused)
{
    EXPECT_EQ(save(path("out.bin"), 0x101), SaveOutcome::Failed);
    EXPECT_EQ(save(path("out.bin"), -1), SaveOutcome::Failed);
    EXPECT_EQ(m_feedback.errors.size(), 2);
    EXPECT_FALSE(QFile::exists(path("out.bin")));
}
