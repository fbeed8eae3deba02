#include "OutputFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <unistd.h>

QString whyNotWritable(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    if (target.exists()) {
        // The save replaces it through a temporary file beside it, or writes it in place where
        // the folder takes none: either way the file itself must take writing.
        if (access(QFile::encodeName(path).constData(), W_OK) != 0)
            return QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    // A link to a file not there yet: the save makes that file.
    QFile probe(target.isSymLink() ? target.symLinkTarget() : path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return probe.errorString();
    probe.close();
    probe.remove();
    return {};
}
