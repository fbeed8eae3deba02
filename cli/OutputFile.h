#pragma once

#include "buffer/BufferFile.h"

#include <QString>

#include <cerrno>
#include <cstdint>
#include <span>

// "-" as a file names standard output where a command writes and standard input where it reads.
[[nodiscard]] inline bool isStandardStream(const QString& path) { return path == QLatin1String("-"); }

// Why a command could not write its output file, asked before the programmer is touched: a
// long read must not end in a file that cannot be kept. Empty when the file can be written.
// Nothing that exists is changed; a new file is made and removed again, the surest test.
[[nodiscard]] QString whyNotWritable(const QString& path);

// Where a save of path puts the file: at the end of its symbolic links, followed also when the
// last of them points to a file not there yet.
[[nodiscard]] QString whereTheFileGoes(const QString& path);

// The system's text for an error number ("No space left on device").
[[nodiscard]] QString systemReason(int error = errno);

// Why the folder of path does not take a new file holding content, written and synced; empty
// when it does. The file, named by the pattern name ("XXXXXX" made unique), is removed again.
[[nodiscard]] QString whyFolderRefuses(const QString& path, const QString& name, const QByteArray& content);

// Writes an image to standard output in the format and reports the bytes written on stderr, so
// the data stays clean. Returns the exit code; a failure is shown with its reason.
[[nodiscard]] int writeImageToStandardOutput(BufferFileFormat format, std::span<const std::uint8_t> data,
                                             BufferFileFeedback& feedback);

// A result that could not reach standard output is a failure, whatever the command did: a script
// reading it would go on with nothing. Returns code when everything written there arrived, else
// says so and returns a failing code (code itself when it is one already).
[[nodiscard]] int checkStandardOutput(int code);
