#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

enum class AtomicSaveResult { Saved, CreateFailed, WriteFailed };

// Writes a file through a temporary file beside it that is renamed over the old one only when
// every byte was written: a full disk or a failing writer leaves the old file as it was.
// `writeBody` returns false when it could not write everything.
[[nodiscard]] AtomicSaveResult saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeBody);
