#pragma once

#include <QString>

// Where a program keeps the files it writes (its settings and its chip database) and where it
// finds the chip database shipped with it.
//
// A portable program (one that runs from a folder it may write, such as the build tree or an
// unpacked archive) keeps both files beside its executable, named after it. An installed one
// (whose folder is read-only, or that was installed with the shipped database under
// <prefix>/share/<name>) keeps them in the user's own folders, so that nothing the user saves
// is lost to a read-only install folder, nor written into the system's program folder when the
// program happens to run as root. Its database is read from the user's copy once there is one,
// and from the shipped copy until then.
struct ProgramFiles {
    bool portable = true;
    QString settingsPath;          // read at start, written at exit
    QString databasePath;          // written by the database editor, read first
    QString shippedDatabasePath;   // read while databasePath does not exist; may equal it

    // The files of the program whose executable is executablePath. The command-line tool asks
    // for the window program's files, so both work on one database.
    [[nodiscard]] static ProgramFiles locate(const QString& executablePath);

    // The database file to read now: databasePath when it exists, else the shipped copy when
    // that exists, else databasePath (which then reads as missing).
    [[nodiscard]] QString databaseToRead() const;
};

// The database file named after an executable: its full path with the extension replaced by
// ".Dat", or ".Dat" appended when the file name has no extension.
[[nodiscard]] QString chipDatabasePath(const QString& executablePath);

// The shipped files of an installed program live in this folder relative to its executable's
// folder, in a sub-folder named after the executable (<prefix>/share/zorvex for
// <prefix>/bin/zorvex). The install rules put them there.
inline constexpr const char* InstalledDataDir = "../share";
