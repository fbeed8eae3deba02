#include "SerialFile.h"

#include "OutputFile.h"
#include "SerialNumber.h"

#include "buffer/AtomicSave.h"
#include "text/ProduceTexts.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// FILE.lock beside the file FILE names, after links: runs that reach one number file by two
// names (a link to a shared folder, on one computer or several) must take the same lock.
QString lockPathOf(const QString& numberFile)
{
    const QFileInfo info(numberFile);
    QString file = info.canonicalFilePath();
    if (file.isEmpty()) {
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        file = folder.isEmpty() ? numberFile : folder + u'/' + info.fileName();
    }
    return file + QStringLiteral(".lock");
}

// An exclusive lock on the number file's lock file, held while it lives.
class SerialLock {
public:
    explicit SerialLock(const QString& numberFile)
    {
        const QString path = lockPathOf(numberFile);
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        int result = -1;
        if (m_fd >= 0) {
            while ((result = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
            }
        }
        if (result != 0)
            m_error = produceText(ProduceText::SerialLockFile).arg(path, systemReason());
    }
    ~SerialLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);  // releases the lock
    }
    SerialLock(const SerialLock&) = delete;
    SerialLock& operator=(const SerialLock&) = delete;

    [[nodiscard]] const QString& error() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

}  // namespace

bool SerialFile::check(QString& error) const
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!makeMissingFolders(m_path).isEmpty()) {
        error = produceText(ProduceText::SerialFolder).arg(folder);
        return false;
    }
    // The widest number the file can come to hold, written and synced as a replace writes it.
    const QByteArray widest = QByteArray::number(std::numeric_limits<quint64>::max()) + '\n';
    if (const QString reason = whyFolderRefuses(m_path, QStringLiteral(".serial-probe-XXXXXX"), widest);
        !reason.isEmpty()) {
        error = produceText(ProduceText::SerialFolderRefuses).arg(m_path, reason);
        return false;
    }
    const SerialLock lock(m_path);
    error = lock.error();
    return error.isEmpty();
}

std::optional<quint64> SerialFile::peek(quint64 start, QString& error) const
{
    // Once this run has left a number in the file, a file removed or holding a smaller number
    // would hand out numbers that are in chips already.
    const auto setBack = [&] {
        error = produceText(ProduceText::SerialFileSetBack).arg(m_path, QString::number(*m_left));
        return std::nullopt;
    };
    if (!QFileInfo::exists(m_path)) {
        if (m_left)
            return setBack();
        return start;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = produceText(ProduceText::SerialFileUnreadable).arg(m_path, file.errorString());
        return std::nullopt;
    }
    // A short file: anything longer than a number is not one of ours.
    const QByteArray text = file.read(64).trimmed();
    const std::optional<quint64> next = parseUnsigned(QString::fromLatin1(text));
    if (!next)
        error = produceText(ProduceText::SerialFileNoNumber).arg(m_path);
    else if (m_left && *next < *m_left)
        return setBack();
    return next;
}

bool SerialFile::replace(quint64 next, QString& error) const
{
    const QByteArray text = QByteArray::number(next) + '\n';
    // Never written in place: a number cut short could read as a smaller one.
    const FileSaveResult saved = saveFile(
        m_path, [&text](QIODevice& file) { return writeWhole(file, text); }, InPlaceWrite::Refused);
    if (saved.status == FileSaveStatus::Saved)
        return true;
    error = produceText(ProduceText::SerialFileUnwritable).arg(m_path, saved.reason);
    return false;
}

SerialFile::Reservation SerialFile::reserve(quint64 start, quint64 step, quint64 last)
{
    Reservation reservation;
    const SerialLock lock(m_path);
    if (!lock.error().isEmpty()) {
        reservation.error = lock.error();
        return reservation;
    }
    const std::optional<quint64> number = peek(start, reservation.error);
    if (!number)
        return reservation;
    reservation.number = *number;
    // The file must be able to hold the number after this one, or the next run would reuse it.
    if (*number > last || std::numeric_limits<quint64>::max() - *number < step) {
        reservation.taken = Taken::UsedUp;
        return reservation;
    }
    if (replace(*number + step, reservation.error)) {
        reservation.taken = Taken::Number;
        m_left = *number + step;
    }
    return reservation;
}
