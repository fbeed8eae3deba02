#include "SettingsFile.h"

#include "buffer/AtomicSave.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The file's bytes; empty for a missing file (a link to one too: writing creates it). reason
// tells why one that exists cannot be read.
QByteArray readSettingsBytes(const QString& path, QString& reason)
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        reason = file.errorString();
    return bytes;
}

}  // namespace

SettingsFile::SettingsFile(const QString& path)
    : m_path(path)
    , m_text(readSettingsBytes(path, m_readFailure))
{
}

std::optional<QString> SettingsFile::stringValue(const QString& section, const QString& key) const
{
    return m_text.value(section, key);
}

std::optional<int> SettingsFile::intValue(const QString& section, const QString& key) const
{
    bool ok = false;
    const int value = stringValue(section, key).value_or(QString()).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void SettingsFile::writeInt(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void SettingsFile::writeString(const QString& section, const QString& key, const QString& value)
{
    m_text.setValue(section, key, value);
    m_written.emplace_back(section, key, value);
}

bool SettingsFile::sync()
{
    m_failureReason = m_readFailure;
    if (!m_failureReason.isEmpty())
        return false;
    const QByteArray before = readSettingsBytes(m_path, m_failureReason);
    if (!m_failureReason.isEmpty())
        return false;
    IniText now(before);
    for (const auto& [section, key, value] : m_written)
        now.setValue(section, key, value);
    const QByteArray bytes = now.bytes();
    if (bytes != before || !QFile::exists(m_path)) {
        const FileSaveResult saved =
            saveFile(m_path, [&bytes](QIODevice& file) { return writeWhole(file, bytes); });
        if (saved.status != FileSaveStatus::Saved) {
            m_failureReason = saved.reason;
            return false;
        }
    }
    m_text = std::move(now);
    m_written.clear();
    return true;
}
