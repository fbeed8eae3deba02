#include "buffer/BufferFile.h"

#include "CodecTestSupport.h"
#include "RecordingFeedback.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <dlfcn.h>

// Some file systems report a full disk or a failed device only when the data is synced, after
// every write went through. This binary's fsync can be told to fail the way they do.
namespace {
std::atomic<int> g_fsyncError{0};
}

extern "C" int fsync(int fd)
{
    if (const int error = g_fsyncError.load()) {
        errno = error;
        return -1;
    }
    using Sync = int (*)(int);
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

TEST(SaveSyncFailure, AFailedSyncKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("backup.bin"));
    const QByteArray old = "the old backup";
    ASSERT_TRUE(writeWholeFile(target, old));
    const std::vector<std::uint8_t> image(0x2000, 0x5A);
    RecordingFeedback feedback(true);

    g_fsyncError = EIO;
    const SaveOutcome outcome = SaveBufferFile(target, image, 0x2000, feedback,
                                               {QStringLiteral("overwrite?"), QStringLiteral("write failed")});
    g_fsyncError = 0;

    EXPECT_EQ(outcome, SaveOutcome::Failed);
    ASSERT_EQ(feedback.messages(), QStringList{"write failed"});
    EXPECT_TRUE(feedback.errors.front().contains(QString::fromLocal8Bit(std::strerror(EIO))))
        << feedback.errors.front().toStdString();
    EXPECT_EQ(readWholeFile(target), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"backup.bin"});
}
