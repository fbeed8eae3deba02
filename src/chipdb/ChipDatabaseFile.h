#pragma once

#include "chipdb/ChipDatabase.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

// Receives the text of an error the user has to see; the database code shows no widgets.
using ChipDbErrorReporter = std::function<void(const QString& message)>;

enum class ChipDbLoadStatus {
    Loaded,      // the file's records are in the table (a 0-byte file changes nothing)
    Missing,     // no file: nothing read, no message, the table as it was
    WrongSize,   // not a whole number of records, or more records than the table has slots
    Unreadable,  // the file exists but could not be opened or read completely
};

// True where the caller carries on as after a good load; the main window selects the remembered
// chip only after Loaded.
[[nodiscard]] constexpr bool chipDbLoadSucceeded(ChipDbLoadStatus status)
{
    return status == ChipDbLoadStatus::Loaded || status == ChipDbLoadStatus::Missing;
}

// The database file the running program saves to: beside it when it runs portable, else in the
// user's data folder (ProgramFiles).
[[nodiscard]] QString chipDatabasePath();

// The file LoadChipDatabase reads for path when the program at executablePath runs: the copy
// shipped with the program while path is that program's own database and does not exist yet
// (the user has not saved one), else path itself.
[[nodiscard]] QString chipDatabaseFileToRead(const QString& path, const QString& executablePath);

// Copies whole records from bytes into the table from slot 0; slots past the end keep their
// content. Refused with WrongSize, the table untouched, unless the size is a multiple of 68 and
// at most 1000 records: a longer file cannot come from this program's writer, and reading part
// of it would let the next save cut the rest away.
[[nodiscard]] ChipDbLoadStatus loadChipDatabaseBytes(ChipDatabase& db, QByteArrayView bytes);
// The bytes of the file at path, at most one more than a full table holds; empty when it cannot be
// opened or read.
[[nodiscard]] std::optional<QByteArray> readChipDatabaseFile(const QString& path);

// Reads the file at path into the table; when path is the running program's own database
// (chipDatabasePath()) and the user has not saved one yet, the copy shipped with the program is
// read instead. WrongSize reports "The configuration file was destroyed." in the current
// language with the file on a second line; Unreadable reports a message naming the file. On any failure the table is unchanged.
[[nodiscard]] ChipDbLoadStatus LoadChipDatabase(ChipDatabase& db, const QString& path,
                                                const ChipDbErrorReporter& report);

// Makes slot count the terminator (all 68 bytes zero) and writes slots 0..count, that is
// (count + 1) * 68 bytes, to path. The file is replaced only once the new content is complete on
// disk, so a failed write keeps the old file. count must lie in 0..999 (the terminator needs a
// slot); otherwise nothing is changed or written. Failures report a message naming the file and
// return false.
[[nodiscard]] bool WriteChipDatabaseFile(ChipDatabase& db, int count, const QString& path,
                                         const ChipDbErrorReporter& report);
// The bytes WriteChipDatabaseFile writes for slots 0..count of db, count in 0..999.
[[nodiscard]] QByteArray chipDatabaseBytes(const ChipDatabase& db, int count);
