#pragma once

#include "IniText.h"

#include <QString>

#include <optional>
#include <tuple>
#include <vector>

// The program's INI settings file, a file people edit by hand. Section and key names match
// without regard to letter case ("[device] Chip=1" is DEVICE/chip); when a key is in the file
// more than once, the first one counts (see IniText). Writing changes the values of the
// program's own keys and adds the missing ones; every other byte of the file stays as it is.
class SettingsFile {
public:
    explicit SettingsFile(const QString& path);

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

    // Puts the values written since the last sync into the file as it is now (another program
    // may have changed it meanwhile); false when it could not be written. A file that cannot be
    // read is never written over, a failed write leaves the file as it was, and a file that
    // already holds every value is not written at all.
    bool sync();
    // Why the last sync() failed, in the system's words; empty after one that succeeded.
    [[nodiscard]] const QString& failureReason() const { return m_failureReason; }

private:
    QString m_path;
    QString m_readFailure;  // why the file could not be read at start; such a file is never written
    IniText m_text;         // after m_readFailure, which reading it sets
    std::vector<std::tuple<QString, QString, QString>> m_written;  // section, key, value
    QString m_failureReason;
};
