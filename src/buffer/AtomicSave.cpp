#include "buffer/AtomicSave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

// Unbuffered: Qt's own write buffer would hold back up to 16 KiB and report a full disk only
// when flushed, which a commit does not check. Every write reaches the system and is checked.
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Unbuffered;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileSaveResult writeInPlace(const QString& path, const std::function<bool(QIODevice&)>& writeBody)
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

}  // namespace

FileSaveResult saveFile(const QString& path, const std::function<bool(QIODevice&)>& writeBody)
{
    const QFileInfo target(path);  // follows symbolic links
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, writeBody);

    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(kWriteMode))
        return {FileSaveStatus::CreateFailed, file.errorString()};
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
    return {};
}
