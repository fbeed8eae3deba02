#include "buffer/AtomicSave.h"
#include "buffer/BufferFile.h"
#include "buffer/IntelHex.h"
#include "buffer/SRecord.h"

#include "CodecTestSupport.h"
#include "RecordingFeedback.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

// Where a save goes when the disk is full, the target is no regular file, or the folder cannot
// take a temporary file: the save either completes or says so, and an old file survives a
// failure byte for byte.
namespace {

const BufferSaveTexts kTexts{QStringLiteral("overwrite?"), QStringLiteral("write failed")};
const char* const kFormats[] = {"keep.bin", "keep.hex", "keep.src"};

// Bytes no format leaves out (0xFF runs are skipped by the text writers).
std::vector<std::uint8_t> pattern(std::size_t size)
{
    std::vector<std::uint8_t> data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return data;
}

// The size of the file a save of data under this name produces.
qint64 encodedSize(const QString& name, std::span<const std::uint8_t> data)
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    switch (SaveFormatFor(name)) {
    case BufferFileFormat::IntelHex:
        EXPECT_TRUE(WriteIntelHex(device, data));
        break;
    case BufferFileFormat::SRecord:
        EXPECT_TRUE(WriteSRecord(device, data));
        break;
    default:
        return static_cast<qint64>(data.size());
    }
    return device.size();
}

class SaveTargets : public ::testing::Test {
protected:
    QString put(const QString& name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(writeWholeFile(path, content));
        return path;
    }
    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
    }

    QTemporaryDir m_dir;
};

// The first line of a failed save's message is the catalog text; the file and the system's
// reason follow.
void expectWriteFailure(const RecordingFeedback& feedback, const QString& path, const char* context)
{
    ASSERT_EQ(feedback.errors.size(), 1) << context;
    const QStringList lines = feedback.errors[0].split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0], "write failed") << context;
    EXPECT_TRUE(feedback.errors[0].contains(QDir::toNativeSeparators(path))) << feedback.errors[0].toStdString();
    EXPECT_GE(lines.size(), 2) << "no reason given: " << context;
}

// A file size limit makes the disk "full" after `limit` bytes. The limits lie below, at and
// above the 16 KiB Qt keeps in its own write buffer, where a failure shows only when the buffer
// is flushed.
TEST_F(SaveTargets, AShortWriteOfAnySizeFailsAndKeepsTheOldFile)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    for (const rlim_t limit : {rlim_t{0}, rlim_t{100}, rlim_t{4096}, rlim_t{16383}, rlim_t{16385}, rlim_t{0x100000}}) {
        // 256 bytes is a whole 24C02; limit + 1 is the smallest binary that does not fit.
        for (const std::size_t size : {std::size_t{256}, static_cast<std::size_t>(limit) + 1}) {
            const std::vector<std::uint8_t> data = pattern(size);
            for (const char* name : kFormats) {
                const std::string context = std::string(name) + " limit " + std::to_string(limit) + " size " + std::to_string(size);
                const QString target = put(QString::fromLatin1(name), "previous content");
                rlimit small = saved;
                small.rlim_cur = limit;
                ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
                RecordingFeedback feedback(true);
                const SaveOutcome outcome = SaveBufferFile(target, data, static_cast<qint64>(size), feedback, kTexts);
                ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
                if (encodedSize(target, data) <= static_cast<qint64>(limit)) {
                    EXPECT_EQ(outcome, SaveOutcome::Saved) << context;  // it fits
                    continue;
                }
                EXPECT_EQ(outcome, SaveOutcome::Failed) << context;
                expectWriteFailure(feedback, target, context.c_str());
                EXPECT_TRUE(feedback.errors.value(0).contains("File too large")) << feedback.errors.value(0).toStdString();
                EXPECT_EQ(readWholeFile(target), "previous content") << context;
                for (const QString& file : filesIn(m_dir.path()))
                    EXPECT_TRUE(file.startsWith("keep.") && file.size() == 8) << "left behind: " << file.toStdString();
            }
        }
    }
}

// A real full disk: a 64 KiB tmpfs mounted in the test's folder (needs the right to mount).
class FullDisk : public SaveTargets {
protected:
    void SetUp() override
    {
        m_mountPoint = m_dir.filePath(QStringLiteral("disk"));
        QDir().mkpath(m_mountPoint);
        if (mount("tmpfs", m_mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=64k,mode=0755") != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        m_mounted = true;
    }
    void TearDown() override
    {
        if (m_mounted)
            umount2(m_mountPoint.toLocal8Bit().constData(), MNT_DETACH);
    }
    // Fills what the disk has left; the filler stays until the test ends.
    void fillDisk()
    {
        QFile filler(m_mountPoint + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) == 1) {
        }
    }

    QString m_mountPoint;
    bool m_mounted = false;
};

TEST_F(FullDisk, SmallSavesFailAndKeepTheOldFile)
{
    QStringList targets;
    for (const char* name : kFormats) {
        targets << m_mountPoint + QLatin1Char('/') + QLatin1String(name);
        ASSERT_TRUE(writeWholeFile(targets.back(), "previous content"));
    }
    fillDisk();
    for (const std::size_t size : {std::size_t{1}, std::size_t{256}, std::size_t{8192}}) {
        const std::vector<std::uint8_t> data = pattern(size);
        for (const QString& target : targets) {
            const std::string context = target.toStdString() + " size " + std::to_string(size);
            RecordingFeedback feedback(true);
            EXPECT_EQ(SaveBufferFile(target, data, static_cast<qint64>(size), feedback, kTexts), SaveOutcome::Failed)
                << context;
            expectWriteFailure(feedback, target, context.c_str());
            EXPECT_EQ(readWholeFile(target), "previous content") << context;
        }
    }
    EXPECT_EQ(filesIn(m_mountPoint).size(), 4) << filesIn(m_mountPoint).join(' ').toStdString();

    // A new file that does not fit is not left behind half written either.
    RecordingFeedback feedback(true);
    const QString fresh = m_mountPoint + QStringLiteral("/new.bin");
    EXPECT_EQ(SaveBufferFile(fresh, pattern(256), 256, feedback, kTexts), SaveOutcome::Failed);
    EXPECT_FALSE(QFile::exists(fresh));
}

// A name the system takes but with no room for the temporary file's seven more characters:
// replaced in place where that is allowed, otherwise refused naming why; the old file stays.
TEST_F(SaveTargets, AnExistingFileWithALongNameIsReplacedOrRefusedByName)
{
    const QString path = put(QString(250, QLatin1Char('n')) + QStringLiteral(".bin"), "old");
    RecordingFeedback feedback(true);
    ASSERT_EQ(SaveBufferFile(path, pattern(4), 4, feedback, kTexts), SaveOutcome::Saved) << feedback.errors.join(' ').toStdString();
    EXPECT_EQ(readWholeFile(path), bytesOf(pattern(4)));

    const FileSaveResult refused = saveFile(path, [](QIODevice& file) { return file.write("x", 1) == 1; }, InPlaceWrite::Refused);
    EXPECT_NE(refused.status, FileSaveStatus::Saved);
    EXPECT_EQ(refused.reason, QString::fromLocal8Bit(std::strerror(ENAMETOOLONG)));
    EXPECT_EQ(readWholeFile(path), bytesOf(pattern(4)));
    EXPECT_EQ(filesIn(m_dir.path()).size(), 1);
}

TEST_F(SaveTargets, ASymbolicLinkStaysALinkAndItsFileIsReplaced)
{
    const QString real = put(QStringLiteral("real.hex"), "old");
    const QString link = m_dir.filePath(QStringLiteral("link.hex"));
    ASSERT_TRUE(QFile::link(real, link));
    RecordingFeedback feedback(true);
    ASSERT_EQ(SaveBufferFile(link, pattern(4), 4, feedback, kTexts), SaveOutcome::Saved) << feedback.errors.join(' ').toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readWholeFile(real), ":0400000001080F16CE\r\n:00000001FF\r\n");

    // A link to a file that does not exist yet creates that file.
    const QString dangling = m_dir.filePath(QStringLiteral("dangling.bin"));
    ASSERT_TRUE(QFile::link(m_dir.filePath(QStringLiteral("later.bin")), dangling));
    ASSERT_EQ(SaveBufferFile(dangling, pattern(4), 4, feedback, kTexts), SaveOutcome::Saved);
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(readWholeFile(m_dir.filePath(QStringLiteral("later.bin"))), bytesOf(pattern(4)));
}

TEST_F(SaveTargets, AFifoIsWrittenInPlaceInEveryFormat)
{
    const QString fifo = m_dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const BufferFileFormat format : {BufferFileFormat::Binary, BufferFileFormat::IntelHex, BufferFileFormat::SRecord}) {
        QByteArray received;
        std::thread reader([&] {
            QFile in(fifo);
            if (in.open(QIODevice::ReadOnly))
                received = in.readAll();
        });
        RecordingFeedback feedback(true);
        const SaveOutcome outcome = SaveBufferFileAs(format, fifo, pattern(40), 40, feedback, kTexts);
        reader.join();
        EXPECT_EQ(outcome, SaveOutcome::Saved) << feedback.errors.join(' ').toStdString();
        EXPECT_FALSE(received.isEmpty());
        struct stat status {};
        ASSERT_EQ(stat(fifo.toLocal8Bit().constData(), &status), 0);
        EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the pipe was replaced by a regular file";
    }
}

TEST_F(SaveTargets, ADeviceNodeIsWrittenInPlace)
{
    const QString node = m_dir.filePath(QStringLiteral("null"));
    if (mknod(node.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    for (const BufferFileFormat format : {BufferFileFormat::Binary, BufferFileFormat::IntelHex, BufferFileFormat::SRecord}) {
        RecordingFeedback feedback(true);
        EXPECT_EQ(SaveBufferFileAs(format, node, pattern(40), 40, feedback, kTexts), SaveOutcome::Saved)
            << feedback.errors.join(' ').toStdString();
        struct stat status {};
        ASSERT_EQ(stat(node.toLocal8Bit().constData(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode)) << "the device node was replaced by a regular file";
    }
}

// Runs save as an ordinary user in a child process (root writes into any folder) after folder
// was made read-only; its exit code, or nullopt when no user the folder refuses can be had.
std::optional<int> saveAsUserRefusedBy(const QString& folder, const std::function<bool()>& save)
{
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        if (access(folder.toLocal8Bit().constData(), W_OK) == 0)
            _exit(3);  // the folder is writable after all: nothing to test
        _exit(save() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod(folder.toLocal8Bit().constData(), 0755);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 3)
        return std::nullopt;
    return WEXITSTATUS(status);
}

// A folder, with a file in it writable for everyone, that refuses new files.
QString lockedFolderWith(const QString& parent, const QString& name, const QByteArray& content)
{
    const QString folder = parent + QStringLiteral("/locked");
    EXPECT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(writeWholeFile(folder + QLatin1Char('/') + name, content));
    EXPECT_EQ(chmod((folder + QLatin1Char('/') + name).toLocal8Bit().constData(), 0666), 0);
    EXPECT_EQ(chmod(folder.toLocal8Bit().constData(), 0555), 0);
    EXPECT_EQ(chmod(parent.toLocal8Bit().constData(), 0755), 0);
    return folder;
}

TEST_F(SaveTargets, AnUnwritableFolderWithAWritableFileIsWrittenInPlace)
{
    const QString folder = lockedFolderWith(m_dir.path(), QStringLiteral("image.src"), "old");
    const QString target = folder + QStringLiteral("/image.src");
    const std::optional<int> status = saveAsUserRefusedBy(folder, [&] {
        RecordingFeedback feedback(true);
        return SaveBufferFile(target, pattern(4), 4, feedback, kTexts) == SaveOutcome::Saved;
    });
    if (!status)
        GTEST_SKIP() << "cannot run as a user the folder refuses";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(readWholeFile(target), "S00600004844521B\r\nS107000001080F16CA\r\nS9030000FC\r\n");
}

// In place, the old content is written over only once room for the new one is reserved.
TEST_F(FullDisk, AnInPlaceSaveThatDoesNotFitKeepsTheOldFile)
{
    const QString folder = lockedFolderWith(m_mountPoint, QStringLiteral("backup.bin"), "previous content");
    const QString target = folder + QStringLiteral("/backup.bin");
    ASSERT_EQ(chmod(m_dir.path().toLocal8Bit().constData(), 0755), 0);
    fillDisk();
    const std::optional<int> status = saveAsUserRefusedBy(folder, [&] {
        RecordingFeedback feedback(true);
        return SaveBufferFile(target, pattern(32768), 32768, feedback, kTexts) == SaveOutcome::Saved;
    });
    if (!status)
        GTEST_SKIP() << "cannot run as a user the folder refuses";
    EXPECT_EQ(*status, 1);
    EXPECT_EQ(readWholeFile(target), "previous content");
}

// Files the program writes for the person make their folders; those among the person's own
// program folders (XDG_CONFIG_HOME and its kin) are private, others get the usual permissions.
TEST_F(SaveTargets, MissingFoldersAreMadePrivateOnlyAmongTheUsersProgramFolders)
{
    const QString config = m_dir.filePath(QStringLiteral("home/.config"));
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    const mode_t oldMask = umask(022);
    struct Case {
        QString path;
        int folderMode;  // of every folder the save made
    };
    const Case cases[] = {
        {config + QStringLiteral("/zorvex/zorvex.ini"), 0700},
        {m_dir.filePath(QStringLiteral("dumps/today/flash.bin")), 0755},
    };
    for (const Case& c : cases) {
        const FileSaveResult saved = saveFile(c.path, [](QIODevice& file) { return file.write("x", 1) == 1; });
        ASSERT_EQ(saved.status, FileSaveStatus::Saved) << c.path.toStdString() << ": " << saved.reason.toStdString();
        EXPECT_EQ(readWholeFile(c.path), "x");
        for (QString folder = QFileInfo(c.path).path(); folder != m_dir.path() && folder != m_dir.filePath("home");
             folder = QFileInfo(folder).path()) {
            struct stat status {};
            ASSERT_EQ(stat(folder.toLocal8Bit().constData(), &status), 0);
            EXPECT_EQ(status.st_mode & 0777, c.folderMode) << folder.toStdString();
        }
    }
    umask(oldMask);
    qunsetenv("XDG_CONFIG_HOME");

    // A folder that cannot be made is named with the reason, and nothing is left behind.
    put(QStringLiteral("blocker"), "a file where a folder should be");
    const QString blocked = m_dir.filePath(QStringLiteral("blocker/sub/image.bin"));
    const FileSaveResult refused = saveFile(blocked, [](QIODevice& file) { return file.write("x", 1) == 1; });
    EXPECT_EQ(refused.status, FileSaveStatus::FolderFailed);
    EXPECT_EQ(refused.reason, m_dir.filePath(QStringLiteral("blocker/sub")) + QStringLiteral(": Not a directory"));
    EXPECT_EQ(readWholeFile(m_dir.filePath(QStringLiteral("blocker"))), "a file where a folder should be");
}

}  // namespace
