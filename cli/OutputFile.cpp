#include "OutputFile.h"

#include "text/ProduceTexts.h"

#include "CliCommand.h"

#include "buffer/AtomicSave.h"
#include "text/MessageCatalogExtra.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>

#include <unistd.h>

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString whyFolderRefuses(const QString& path, const QString& name, const QByteArray& content)
{
    // The folder of the file a link leads to: that is where the file is written.
    QTemporaryFile probe(QDir(QFileInfo(whereTheFileGoes(path)).absolutePath()).filePath(name));
    if (!probe.open() || !writeWhole(probe, content) || !probe.flush())
        return probe.errorString();
    if (::fsync(probe.handle()) != 0)
        return systemReason();
    return {};
}

QString whereTheFileGoes(const QString& path)
{
    QFileInfo info(path);
    constexpr int kMostLinks = 40;  // as many as the system follows
    for (int links = 0; links < kMostLinks && info.isSymLink(); ++links)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

QString whyNotWritable(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return systemReason(EISDIR);
    if (target.exists()) {
        // The save replaces it through a temporary file beside it, or writes it in place where
        // the folder takes none: either way the file itself must take writing.
        if (access(QFile::encodeName(path).constData(), W_OK) != 0)
            return systemReason();
        return {};
    }
    // The save makes missing folders; one that cannot be made is the reason.
    if (const QString folder = makeMissingFolders(path); !folder.isEmpty())
        return folder;
    // A link to a file not there yet: the save makes that file.
    QFile probe(whereTheFileGoes(path));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return probe.errorString();
    probe.close();
    probe.remove();
    return {};
}

int writeImageToStandardOutput(BufferFileFormat format, std::span<const std::uint8_t> data,
                               BufferFileFeedback& feedback)
{
    // Whatever stdio holds for standard output goes first, so nothing lands inside the image.
    std::fflush(stdout);
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteImageAs(format, out, data)) {
        feedback.showError(ExtraMessages::text(ExtraText::StandardOutputFailed).arg(out.errorString()));
        return ExitUsage;
    }
    const QString written = ExtraMessages::text(ExtraText::CliBytesWritten)
                                .arg(data.size())
                                .arg(ExtraMessages::text(ExtraText::CliStandardOutput));
    std::fprintf(stderr, "%s\n", written.toUtf8().constData());
    return ExitSuccess;
}

int checkStandardOutput(int code)
{
    const bool flushFailed = std::fflush(stdout) != 0;
    const int error = errno;
    if (!flushFailed && !std::ferror(stdout))
        return code;
    // An earlier failed write has left only its mark, not its reason.
    const QString reason = flushFailed ? systemReason(error) : produceText(ProduceText::WriteError);
    printError(ExtraMessages::text(ExtraText::StandardOutputFailed).arg(reason));
    return code == ExitSuccess ? ExitUsage : code;
}
