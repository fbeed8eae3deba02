#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

enum class FileSaveStatus { Saved, CreateFailed, WriteFailed };

struct FileSaveResult {
    FileSaveStatus status = FileSaveStatus::Saved;
    QString reason;  // the system's reason for a failure ("No space left on device")
};

// Saves a file so that a failure never passes for success and never costs the old file.
//
// A regular file, or a new one, is written to a temporary file beside it, synced, and renamed
// over the old one only when every byte arrived; a symbolic link is followed and stays a link.
// Where the folder takes no temporary file but the file itself is writable, the file is written
// in place (a failure then leaves it cut short, and is reported like any other). A target that
// exists and is no regular file (a device, a FIFO, a socket) is always written in place, never
// replaced by a regular file. `writeBody` returns false when it could not write everything.
[[nodiscard]] FileSaveResult saveFile(const QString& path, const std::function<bool(QIODevice&)>& writeBody);
