#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The file that carries the next serial number from one production run to the next: one
// decimal number. It is replaced atomically after every chip that passed, so neither a crash
// nor a full disk can make a restart reuse a number.
class SerialFile {
public:
    explicit SerialFile(QString path) : m_path(std::move(path)) {}

    [[nodiscard]] bool exists() const;
    // The number in the file; empty, with the reason in error, when it holds no number.
    [[nodiscard]] std::optional<quint64> read(QString& error) const;
    // False, with the reason in error, when the new number could not be stored; the file then
    // keeps its old number.
    [[nodiscard]] bool write(quint64 next, QString& error) const;

    [[nodiscard]] const QString& path() const { return m_path; }

private:
    QString m_path;
};
