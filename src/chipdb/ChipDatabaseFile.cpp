#include "chipdb/ChipDatabaseFile.h"

#include "text/FixedTexts.h"

#include "text/MessageCatalog.h"
#include "buffer/AtomicSave.h"
#include "chipdb/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype kRecordSize = static_cast<qsizetype>(ChipRecord::Size);
constexpr qsizetype kMaxFileSize = kRecordSize * ChipDatabase::SlotCount;

QString writeErrorMessage(const QString& path)
{
    return MessageCatalog::text(MessageKey::FileWriteError) + QLatin1Char(' ')
        + QDir::toNativeSeparators(path);
}

void tell(const ChipDbErrorReporter& report, const QString& message)
{
    if (report)
        report(message);
}

ChipDbLoadStatus loadFile(ChipDatabase& db, const QString& requestedPath, const ChipDbErrorReporter& report)
{
    const QString path = QCoreApplication::instance()
        ? chipDatabaseFileToRead(requestedPath, QCoreApplication::applicationFilePath())
        : requestedPath;
    if (!QFileInfo::exists(path))
        return ChipDbLoadStatus::Missing;
    const std::optional<QByteArray> bytes = readChipDatabaseFile(path);
    if (!bytes) {
        tell(report, QStringLiteral("%1: %2").arg(fixedText(FixedText::CantOpenFile), QDir::toNativeSeparators(path)));
        return ChipDbLoadStatus::Unreadable;
    }
    const ChipDbLoadStatus status = loadChipDatabaseBytes(db, *bytes);
    // The file goes on a second line: an installed program's database is not beside it, and the
    // person needs to know which file to replace.
    if (status == ChipDbLoadStatus::WrongSize)
        tell(report, MessageCatalog::text(MessageKey::ChipListDamaged) + QLatin1Char('\n')
                         + QDir::toNativeSeparators(path));
    return status;
}

} // namespace

std::optional<QByteArray> readChipDatabaseFile(const QString& path)
{
    // At most one byte more than a full table holds: enough to recognise a file that is too
    // long without pulling an arbitrarily large (or endless) file into memory.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes;
    while (bytes.size() <= kMaxFileSize) {
        const QByteArray chunk = file.read(kMaxFileSize + 1 - bytes.size());
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return bytes;
}

QString chipDatabasePath()
{
    return ProgramFiles::locate(QCoreApplication::applicationFilePath()).databasePath;
}

QString chipDatabaseFileToRead(const QString& path, const QString& executablePath)
{
    if (QFileInfo::exists(path))
        return path;
    const ProgramFiles files = ProgramFiles::locate(executablePath);
    return path == files.databasePath ? files.databaseToRead() : path;
}

ChipDbLoadStatus loadChipDatabaseBytes(ChipDatabase& db, QByteArrayView bytes)
{
    if (bytes.size() % kRecordSize != 0 || bytes.size() > kMaxFileSize)
        return ChipDbLoadStatus::WrongSize;
    const auto records = static_cast<int>(bytes.size() / kRecordSize);
    for (int slot = 0; slot < records; ++slot) {
        const auto* start = bytes.data() + static_cast<qsizetype>(slot) * kRecordSize;
        db[slot] = ChipRecord::fromBytes(std::span<const char, ChipRecord::Size>(start, ChipRecord::Size));
    }
    return ChipDbLoadStatus::Loaded;
}

ChipDbLoadStatus LoadChipDatabase(ChipDatabase& db, const QString& path,
                                  const ChipDbErrorReporter& report)
{
    return loadFile(db, path, report);
}

QByteArray chipDatabaseBytes(const ChipDatabase& db, int count)
{
    if (count < 0 || count >= ChipDatabase::SlotCount)
        return {};
    QByteArray bytes(static_cast<qsizetype>(count + 1) * kRecordSize, '\0');
    for (int slot = 0; slot <= count; ++slot) {
        auto* start = bytes.data() + static_cast<qsizetype>(slot) * kRecordSize;
        db[slot].toBytes(std::span<char, ChipRecord::Size>(start, ChipRecord::Size));
    }
    return bytes;
}

bool WriteChipDatabaseFile(ChipDatabase& db, int count, const QString& path,
                           const ChipDbErrorReporter& report)
{
    if (count < 0 || count >= ChipDatabase::SlotCount) {
        tell(report, writeErrorMessage(path));
        return false;
    }
    db[count] = ChipRecord{};
    const QByteArray bytes = chipDatabaseBytes(db, count);

    const FileSaveResult saved =
        saveFile(path, [&bytes](QIODevice& file) { return writeWhole(file, bytes); });
    if (saved.status != FileSaveStatus::Saved) {
        tell(report, writeErrorMessage(path) + QLatin1Char('\n') + saved.reason);
        return false;
    }
    return true;
}
