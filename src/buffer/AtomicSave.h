#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

enum class FileSaveStatus { Saved, FolderFailed, CreateFailed, WriteFailed };

struct FileSaveResult {
    FileSaveStatus status = FileSaveStatus::Saved;
    // The system's reason for a failure ("No space left on device"); for a folder that could
    // not be made, that folder and the reason ("/home/me/.config: Permission denied").
    QString reason;
};

// Makes the missing folders on the way to the file at path, as saveFile() does before it
// writes; on failure, the folder that could not be made and why ("/mnt/ro/logs: Read-only file
// system"), else an empty text. A check that a file can be written before the work that makes
// it begins asks this first.
[[nodiscard]] QString makeMissingFolders(const QString& path);

// Saves a file so that a failure never passes for success and never costs the old file.
//
// Missing folders on the way to the file are made first (makeMissingFolders()). Those inside the user's own folders
// for settings, data, state and cache (XDG_CONFIG_HOME and its kin) are made private (0700),
// as desktops expect of a program's folders there; elsewhere they get the usual permissions.
//
// A regular file, or a new one, is written to a temporary file beside it, synced, and renamed
// over the old one only when every byte arrived, and the folder is synced so that the rename
// survives a power cut; a symbolic link is followed and stays a link.
// Where the folder takes no temporary file but the file itself is writable, the file is written
// in place, and only after room for all of the new content was reserved: a full disk then
// refuses the save and the old content stays as it was. A target that exists and is no regular
// file (a device, a FIFO, a socket) is always written in place, never replaced by a regular file.
// `writeBody` returns false when it could not write everything.
// The in-place write is for files whose old content is worth less than a save that goes
// through; a file that must never be seen half written (a serial number cut short reads as a
// smaller one) refuses it.
enum class InPlaceWrite { Allowed, Refused };

[[nodiscard]] FileSaveResult saveFile(const QString& path, const std::function<bool(QIODevice&)>& writeBody,
                                      InPlaceWrite inPlace = InPlaceWrite::Allowed);

// Writes every byte to the device, offering again what a write left over: a write that stops
// part of the way (a full disk, a size limit) reports no error, only the next one does, and the
// device's errorString() then names the reason. False when not every byte arrived. For the
// `writeBody` of saveFile().
[[nodiscard]] bool writeWhole(QIODevice& device, const char* data, qint64 length);
[[nodiscard]] inline bool writeWhole(QIODevice& device, const QByteArray& bytes)
{
    return writeWhole(device, bytes.constData(), bytes.size());
}

// A write past the user's file-size limit (ulimit -f) then fails like a full disk, and a write
// to a pipe whose reader has gone fails too; each is reported where it happens, instead of the
// system ending the program between two steps (a read chip's image not yet saved, an edited image
// lost with the window). Every program calls this once at start.
void reportWriteFailuresInsteadOfEnding();
