#include "buffer/AtomicSave.h"

#include <QSaveFile>

AtomicSaveResult saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeBody)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return AtomicSaveResult::CreateFailed;
    if (!writeBody(file)) {
        file.cancelWriting();
        return AtomicSaveResult::WriteFailed;
    }
    // commit() also catches what only shows when the data reaches the disk (flush, close, rename).
    return file.commit() ? AtomicSaveResult::Saved : AtomicSaveResult::WriteFailed;
}
