#include "ProductionLog.h"

#include "OutputFile.h"
#include "text/ProduceTexts.h"

#include "buffer/AtomicSave.h"
#include "buffer/ImageChecksum.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cmath>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// ISO 8601 with the local time zone's offset, whatever zone the bench runs in.
QString nowWithZone()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
}

constexpr qint64 kRecordRoom = 512;  // about a record's size

// The reason a log file past the user's file-size limit (ulimit -f) takes no record: every chip
// would be programmed and then left without one. Empty when it takes one.
QString whyNoRecordFits(int fd)
{
    struct stat status {};
    rlimit fileSize{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || ::getrlimit(RLIMIT_FSIZE, &fileSize) != 0
        || fileSize.rlim_cur == RLIM_INFINITY || static_cast<rlim_t>(status.st_size + kRecordRoom) <= fileSize.rlim_cur)
        return {};
    return systemReason(EFBIG);
}

int openForAppending(const QString& path)
{
    // Read access too, to see whether the last line has its line end.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES)
        return ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    return fd;
}

}  // namespace

bool ProductionLog::open(const QString& path, QString& error)
{
    if (const QString failure = makeMissingFolders(path); !failure.isEmpty()) {
        error = produceText(ProduceText::LogNotWritten).arg(path, failure);
        return false;
    }
    const QFileInfo info(path);
    // A device or a pipe is written as it is; only a regular file lives on a disk that may be full.
    if (!info.exists() || info.isFile()) {
        // The folder must take a new file of about a record's size.
        if (const QString problem = whyFolderRefuses(path, QStringLiteral(".log-probe-XXXXXX"), QByteArray(kRecordRoom, ' '));
            !problem.isEmpty()) {
            error = produceText(ProduceText::LogNotWritten).arg(path, problem);
            return false;
        }
    }
    m_path = path;
    m_fd = openForAppending(path);
    if (m_fd < 0) {
        error = produceText(ProduceText::LogUnopenable).arg(path, systemReason());
        return false;
    }
    if (const QString reason = whyNoRecordFits(m_fd); !reason.isEmpty()) {
        error = produceText(ProduceText::LogNotWritten).arg(path, reason);
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

ProductionLog::~ProductionLog()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ProductionLog::append(const ProducedChip& chip, QString& error)
{
    if (m_fd < 0)
        return true;
    if (!followName(error)) {
        error = produceText(ProduceText::LogNotWritten).arg(m_path, error);
        return false;
    }
    int locked = 0;
    while ((locked = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    // A device or a pipe takes no lock, and needs none.
    const bool appended = appendLocked(line(chip, nowWithZone()) + '\n', error);
    if (locked == 0)
        ::flock(m_fd, LOCK_UN);
    if (!appended)
        error = produceText(ProduceText::LogNotWritten).arg(m_path, error);
    return appended;
}

bool ProductionLog::followName(QString& error)
{
    struct stat opened {};
    struct stat named {};
    if (::fstat(m_fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        return true;
    if (::stat(QFile::encodeName(m_path).constData(), &named) == 0 && named.st_dev == opened.st_dev
        && named.st_ino == opened.st_ino)
        return true;
    const int fd = openForAppending(m_path);
    if (fd < 0) {
        error = systemReason();
        return false;
    }
    ::close(m_fd);
    m_fd = fd;
    return true;
}

bool ProductionLog::appendLocked(const QByteArray& record, QString& error)
{
    struct stat status {};
    if (::fstat(m_fd, &status) != 0) {
        error = systemReason();
        return false;
    }
    const bool regular = S_ISREG(status.st_mode);
    QByteArray text = record;
    if (regular && status.st_size > 0) {
        char last = '\n';
        if (::pread(m_fd, &last, 1, status.st_size - 1) == 1 && last != '\n')
            text.prepend('\n');
    }
    // One write, so that runs sharing the log never interleave within a record.
    ssize_t written = 0;
    while ((written = ::write(m_fd, text.constData(), static_cast<size_t>(text.size()))) < 0 && errno == EINTR) {
    }
    if (written != text.size()) {
        error = written < 0 ? systemReason() : produceText(ProduceText::LogRecordCut);
        // A record cut short would glue the next one onto it.
        if (regular && written > 0 && ::ftruncate(m_fd, status.st_size) != 0)
            error += produceText(ProduceText::LogPartLeft);
        return false;
    }
    if (::fsync(m_fd) != 0 && (regular || errno != EINVAL)) {
        error = systemReason();
        return false;
    }
    return true;
}

QByteArray ProductionLog::line(const ProducedChip& chip, const QString& time)
{
    QJsonObject object;
    object.insert(QStringLiteral("time"), time);
    object.insert(QStringLiteral("programmer"), chip.programmer);
    object.insert(QStringLiteral("chip"), chip.chip);
    if (chip.jedecId)
        object.insert(QStringLiteral("jedec_id"), QStringLiteral("%1").arg(*chip.jedecId, 6, 16, QLatin1Char('0')).toUpper());
    // A string always: JSON readers take integers exactly only up to 2^53, serial numbers go to 2^64.
    object.insert(QStringLiteral("serial"), chip.serial ? QJsonValue(QString::number(*chip.serial)) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("crc32"), chip.crc32 ? QJsonValue(crc32Text(*chip.crc32)) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("sha256"), chip.crc32 ? QJsonValue(chip.sha256) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("bytes"), chip.crc32 ? QJsonValue(chip.bytes) : QJsonValue(QJsonValue::Null));
    constexpr const char* Results[] = {"pass", "fail", "unused"};  // in the order of ProducedChip::Result
    object.insert(QStringLiteral("result"), QLatin1String(Results[static_cast<int>(chip.result)]));
    object.insert(QStringLiteral("reason"), chip.reason.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(chip.reason));
    object.insert(QStringLiteral("seconds"), std::round(chip.seconds * 10) / 10);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
