#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The file that carries the next serial number from one chip to the next, between runs and
// between the runs of a gang that share it: one decimal number. A number is taken under an
// exclusive lock (read, advance, replace atomically, sync, unlock), so processes sharing the
// file draw disjoint numbers and neither a crash nor a full disk can hand a number out twice.
// The lock is held on FILE.lock beside the file FILE names after links, which stays: the number
// file itself is replaced.
class SerialFile {
public:
    explicit SerialFile(QString path) : m_path(std::move(path)) {}

    // Before the first chip: creates the folder when it is missing, and proves that the folder
    // takes a new file (written and synced, then removed) and the lock file. False with the
    // reason in error otherwise.
    [[nodiscard]] bool check(QString& error) const;
    // The next number without taking it: start while the file does not exist. Empty, with the
    // reason in error, when the file holds no number or cannot be read, or when it was removed
    // or set back below the number this object left in it (numbers in chips would come again).
    // The file is only ever replaced whole, so a read without the lock sees one number.
    [[nodiscard]] std::optional<quint64> peek(quint64 start, QString& error) const;

    enum class Taken { Number, UsedUp, Failed };
    struct Reservation {
        Taken taken = Taken::Failed;
        quint64 number = 0;  // Number: the one taken; UsedUp: the next, which is not usable
        QString error;       // Failed: why
    };
    // Takes the next number (start while the file does not exist) when it is at most last and
    // a number step above it exists; the file then holds that one, synced to the disk. A number
    // that is not taken leaves the file as it was.
    [[nodiscard]] Reservation reserve(quint64 start, quint64 step, quint64 last);

private:
    [[nodiscard]] bool replace(quint64 next, QString& error) const;

    QString m_path;
    std::optional<quint64> m_left;  // the number the last reserve left in the file
};
