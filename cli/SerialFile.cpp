#include "SerialFile.h"

#include "SerialNumber.h"

#include "buffer/AtomicSave.h"

#include <QFile>
#include <QFileInfo>

bool SerialFile::exists() const
{
    return QFileInfo::exists(m_path);
}

std::optional<quint64> SerialFile::read(QString& error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the serial file %1: %2").arg(m_path, file.errorString());
        return std::nullopt;
    }
    // A short file: anything longer than a number is not one of ours.
    const QByteArray text = file.read(64).trimmed();
    const std::optional<quint64> next = parseUnsigned(QString::fromLatin1(text));
    if (!next)
        error = QStringLiteral("the serial file %1 does not hold a number").arg(m_path);
    return next;
}

bool SerialFile::write(quint64 next, QString& error) const
{
    const QByteArray text = QByteArray::number(next) + '\n';
    const FileSaveResult result = saveFile(m_path, [&text](QIODevice& device) {
        return device.write(text) == text.size();
    });
    if (result.status == FileSaveStatus::Saved)
        return true;
    error = QStringLiteral("cannot write the serial file %1: %2").arg(m_path, result.reason);
    return false;
}
