#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class QSettings;
class QVariant;

// The program's INI settings file, read and written the way people who edit such files by hand
// expect from Windows: section and key names match without regard to letter case
// ("[device] Chip=1" is DEVICE/chip), a value is written back under the spelling the file
// already has, and a section is never written twice. When the file holds one name in several
// spellings (files written by earlier versions can hold "[Device]" beside "[DEVICE]"), the one
// that comes first in the file counts, and the next write folds the others into it.
class SettingsFile {
public:
    explicit SettingsFile(const QString& path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // The integer stored under section and key; nullopt when it is missing or not a number.
    [[nodiscard]] std::optional<int> intValue(const QString& section, const QString& key) const;
    [[nodiscard]] int readInt(const QString& section, const QString& key, int defaultValue) const
    {
        return intValue(section, key).value_or(defaultValue);
    }

    void writeInt(const QString& section, const QString& key, int value);

    // The text stored under section and key; nullopt when it is missing.
    [[nodiscard]] std::optional<QString> stringValue(const QString& section, const QString& key) const;
    void writeString(const QString& section, const QString& key, const QString& value);

    // Puts the written values into the file; false when it could not be written. A file that
    // cannot be read is never written over, and a failed write leaves the file as it was.
    bool sync();
    // Why the last sync() failed, in the system's words; empty after one that succeeded.
    [[nodiscard]] const QString& failureReason() const { return m_failureReason; }

private:
    // Stored "section/key" names that match section and key, first in the file first.
    [[nodiscard]] QStringList spellingsOf(const QString& section, const QString& key) const;
    // Moves the keys of every other spelling of section into its first one; returns that
    // spelling, or section itself when the file has none.
    QString foldSection(const QString& section);
    void write(const QString& section, const QString& key, const QVariant& value);
    // Whether the bytes QSettings wrote hold every value, read back as a new reader would.
    [[nodiscard]] bool renderedCompletely(const QByteArray& bytes);
    // About how many bytes the values take in the file, section headers left out.
    [[nodiscard]] qint64 contentSize() const;

    QString m_path;
    QTemporaryDir m_scratch;  // holds the private copy QSettings works on
    std::unique_ptr<QSettings> m_ini;
    QString m_readFailure;    // why the file could not be read; such a file is never written
    QString m_failureReason;
    int m_checks = 0;
};
