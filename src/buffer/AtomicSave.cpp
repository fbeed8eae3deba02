#include "buffer/AtomicSave.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Unbuffered: Qt's own write buffer would hold back up to 16 KiB and report a full disk only
// when flushed, which a commit does not check. Every write reaches the system and is checked.
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Unbuffered;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The user's folders for settings, data, state and cache. Qt of this generation names no state
// folder, so that one is found the way the desktop conventions describe it.
QStringList userProgramFolders()
{
    QStringList roots{QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)};
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    roots << (QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state"));
    for (QString& root : roots)
        root = QDir::cleanPath(root);
    return roots;
}

// Folders made in one of the user's program folders, or on the way there from the home folder,
// are for the program's eyes only.
bool isPrivateFolder(const QString& folder, const QStringList& roots)
{
    const QString home = QDir::cleanPath(QDir::homePath()) + QLatin1Char('/');
    return std::ranges::any_of(roots, [&folder, &home](const QString& root) {
        return folder == root || folder.startsWith(root + QLatin1Char('/'))
            || (folder.startsWith(home) && root.startsWith(folder + QLatin1Char('/')));
    });
}

// A device, a FIFO or a socket: written as it is, there is nothing to replace or reserve.
FileSaveResult writeToSpecialFile(const QString& path, const std::function<bool(QIODevice&)>& writeBody)
{
    QFile file(path);
    if (!file.open(kWriteMode))
        return {FileSaveStatus::CreateFailed, file.errorString()};
    if (!writeBody(file))
        return {FileSaveStatus::WriteFailed, file.errorString()};
    file.close();
    if (file.error() != QFileDevice::NoError)
        return {FileSaveStatus::WriteFailed, file.errorString()};
    return {};
}

bool writeAll(int handle, const QByteArray& bytes, int& error)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::pwrite(handle, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = written < 0 ? errno : EIO;
            return false;
        }
        done += written;
    }
    return true;
}

// A regular file in a folder that takes no temporary file. The new content is put together in
// memory, and the disk space for all of it is reserved before the first old byte is written
// over; a disk that has no room refuses the save with the old file as it was.
FileSaveResult writeInPlace(const QString& path, const std::function<bool(QIODevice&)>& writeBody)
{
    QBuffer rendered;
    rendered.open(QIODevice::WriteOnly);
    if (!writeBody(rendered))
        return {FileSaveStatus::WriteFailed, rendered.errorString()};
    const QByteArray& bytes = rendered.data();

    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return {FileSaveStatus::CreateFailed, file.errorString()};
    const int handle = file.handle();
    const qint64 oldSize = file.size();
    if (!bytes.isEmpty()) {
        const int error = ::posix_fallocate(handle, 0, static_cast<off_t>(bytes.size()));
        if (error != 0) {
            // A reservation that got part of the way may have made the file longer.
            [[maybe_unused]] const int restored = ::ftruncate(handle, static_cast<off_t>(oldSize));
            return {FileSaveStatus::WriteFailed, systemReason(error)};
        }
    }
    int error = 0;
    if (!writeAll(handle, bytes, error) || ::ftruncate(handle, static_cast<off_t>(bytes.size())) != 0
        || ::fsync(handle) != 0)
        return {FileSaveStatus::WriteFailed, systemReason(error != 0 ? error : errno)};
    return {};
}

// The rename of a replaced file reaches the disk with its folder. A folder that cannot be synced
// (some file systems refuse) changes nothing about the file, which is complete either way.
void syncFolderOf(const QString& path)
{
    const int handle = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    [[maybe_unused]] const int synced = ::fsync(handle);
    ::close(handle);
}

}  // namespace

QString makeMissingFolders(const QString& path)
{
    QStringList missing;
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo::exists(folder)) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (missing.isEmpty())
        return {};
    const QStringList roots = userProgramFolders();
    for (const QString& next : missing) {
        const mode_t mode = isPrivateFolder(next, roots) ? 0700 : 0777;
        if (::mkdir(QFile::encodeName(next).constData(), mode) != 0 && errno != EEXIST)
            return QDir::toNativeSeparators(next) + QStringLiteral(": ") + systemReason(errno);
    }
    return {};
}

FileSaveResult saveFile(const QString& path, const std::function<bool(QIODevice&)>& writeBody, InPlaceWrite inPlace)
{
    const QString folderFailure = makeMissingFolders(path);
    if (!folderFailure.isEmpty())
        return {FileSaveStatus::FolderFailed, folderFailure};

    const QFileInfo target(path);  // follows symbolic links
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeToSpecialFile(path, writeBody);

    // Replacing a file goes through a temporary one named after it with seven more characters;
    // a name that leaves no room for them is treated like a folder that takes no temporary file.
    if (target.isFile()
        && QFile::encodeName(QFileInfo(target.canonicalFilePath()).fileName()).size() + 7 > NAME_MAX) {
        if (inPlace == InPlaceWrite::Allowed && target.isWritable())
            return writeInPlace(path, writeBody);
        return {FileSaveStatus::CreateFailed, systemReason(ENAMETOOLONG)};
    }
    QSaveFile file(path);
    if (!file.open(kWriteMode)) {
        if (inPlace == InPlaceWrite::Allowed && target.isFile() && target.isWritable())
            return writeInPlace(path, writeBody);
        return {FileSaveStatus::CreateFailed, file.errorString()};
    }
    if (!writeBody(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {FileSaveStatus::WriteFailed, reason};
    }
    // commit() syncs too but ignores a failure; some file systems report a full disk only here.
    if (fsync(file.handle()) != 0 && errno != EINVAL) {
        const QString reason = systemReason(errno);
        file.cancelWriting();
        return {FileSaveStatus::WriteFailed, reason};
    }
    if (!file.commit())
        return {FileSaveStatus::WriteFailed, file.errorString()};
    syncFolderOf(path);
    return {};
}

bool writeWhole(QIODevice& device, const char* data, qint64 length)
{
    while (length > 0) {
        const qint64 taken = device.write(data, length);
        if (taken <= 0)
            return false;
        data += taken;
        length -= taken;
    }
    return true;
}

void reportWriteFailuresInsteadOfEnding()
{
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}
