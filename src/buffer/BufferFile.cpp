#include "buffer/BufferFile.h"

#include "text/FixedTexts.h"

#include "buffer/TextSink.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The extension is the file name's part from its last dot; a dot in a folder name is no
// extension.
QString extensionOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

// Shows why the open failed; the open then loads nothing.
qint32 failed(BufferFileFeedback& feedback, const QString& message)
{
    feedback.showError(message);
    return 0;
}

// Whether a pipe's read end, opened without waiting, has a program at its write end or bytes
// waiting in it: tee() copies waiting bytes without taking them, and gives 0 only when there are
// none and no writer.
bool pipeHasWriterOrBytes(int handle)
{
    int probe[2] = {-1, -1};
    if (::pipe2(probe, O_CLOEXEC | O_NONBLOCK) != 0)
        return true;
    const bool found = ::tee(handle, probe[1], 1, SPLICE_F_NONBLOCK) != 0;
    ::close(probe[0]);
    ::close(probe[1]);
    return found;
}

// Opens the file for reading, or shows why not. Under PipeOpen::RefuseWithoutPeer a pipe is
// opened without waiting and read through that same end: opened again by name, it would wait
// for a writer once more, and one that wrote everything and left would never come back.
bool openToRead(QFile& file, PipeOpen pipe, BufferFileFeedback& feedback)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    struct stat status {};
    if (pipe == PipeOpen::RefuseWithoutPeer && ::stat(name.constData(), &status) == 0 && S_ISFIFO(status.st_mode)) {
        const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (handle >= 0 && !pipeHasWriterOrBytes(handle)) {
            ::close(handle);
            feedback.showError(withFileAndReason(fixedText(FixedText::CantOpenFile), file.fileName(),
                                                 ExtraMessages::text(ExtraText::PipeWithoutPeer)));
            return false;
        }
        if (handle >= 0 && ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK) == 0
            && file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            return true;
        if (handle >= 0)
            ::close(handle);
    }
    if (file.open(QIODevice::ReadOnly))
        return true;
    feedback.showError(cantOpenText(file));
    return false;
}

// Reads `count` bytes from the file's current position into the buffer; returns how many came.
qint64 readInto(QFile& file, std::uint8_t* target, qint64 count)
{
    qint64 done = 0;
    while (done < count) {
        const qint64 got = file.read(reinterpret_cast<char*>(target) + done, count - done);
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

// A read that stopped early is an error, not a shorter image.
qint32 readFailed(const QFile& file, BufferFileFeedback& feedback)
{
    return failed(feedback, withFileAndReason(fixedText(FixedText::ErrorReadingFile), file.fileName(), file.errorString()));
}

// A device or a pipe tells no size: it is read to its end, but never further than the buffer
// holds and one byte more, which is enough to know the input is too big.
qint32 readStream(QFile& file, std::span<std::uint8_t> buffer, qint64 capacity, QByteArray& header, BufferFileFeedback& feedback)
{
    if (readInto(file, reinterpret_cast<std::uint8_t*>(header.data()), header.size()) < header.size())
        return failed(feedback, fixedText(FixedText::CapsuleTooShort));
    const qint64 got = readInto(file, buffer.data(), capacity);
    char extra = 0;
    if (got == capacity && file.read(&extra, 1) == 1)
        return failed(feedback, fixedText(FixedText::FileTooBig));
    if (file.error() != QFileDevice::NoError)
        return readFailed(file, feedback);
    return static_cast<qint32>(got);
}

// A capsule's header, as many bytes as `header` holds (none for a plain binary), goes into
// `header`, the rest of the file into the buffer.
qint32 openBinary(const QString& path, std::span<std::uint8_t> buffer, QByteArray& header, PipeOpen pipe,
                  BufferFileFeedback& feedback)
{
    const qint64 skip = header.size();
    QFile file(path);
    if (!openToRead(file, pipe, feedback))
        return 0;
    const auto capacity = static_cast<qint64>(std::min<std::size_t>(buffer.size(), std::numeric_limits<qint32>::max()));
    if (file.isSequential())
        return readStream(file, buffer, capacity, header, feedback);
    const qint64 size = file.size();
    if (size > capacity)
        return failed(feedback, fixedText(FixedText::FileTooBig));
    if (size < skip)
        return failed(feedback, fixedText(FixedText::CapsuleTooShort));
    if (readInto(file, reinterpret_cast<std::uint8_t*>(header.data()), skip) < skip)
        return readFailed(file, feedback);
    const qint64 got = readInto(file, buffer.data(), size - skip);
    if (got < size - skip)
        return readFailed(file, feedback);
    return static_cast<qint32>(got);
}

}  // namespace

std::optional<BufferFileFormat> OpenFormatFor(const QString& path, BufferFileFeedback& feedback)
{
    const QString extension = extensionOf(path);
    if (extension != QLatin1String(".eep"))
        return formatOfExtension(extension).value_or(BufferFileFormat::Binary);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        feedback.showError(cantOpenText(file));
        return std::nullopt;
    }
    char first = 0;
    if (!file.getChar(&first))
        return BufferFileFormat::Binary;
    return first == ':' ? BufferFileFormat::IntelHex : first == 'S' ? BufferFileFormat::SRecord : BufferFileFormat::Binary;
}

BufferFileFormat SaveFormatFor(const QString& path)
{
    return formatOfExtension(extensionOf(path)).value_or(BufferFileFormat::Binary);
}

qint64 largestSaveSize(BufferFileFormat format, qint64 length)
{
    const auto recordsOf = [length](qint64 perRecord) { return (length + perRecord - 1) / perRecord; };
    switch (format) {
    case BufferFileFormat::IntelHex:
        // Data lines of 13 + 2n bytes, a base record of 17 per 64 KiB, the end record.
        return recordsOf(32) * 13 + 2 * length + recordsOf(0x10000) * 17 + 13;
    case BufferFileFormat::SRecord: {
        const qint64 addressBytes = length <= 0xFFFF ? 2 : length <= 0xFFFFFF ? 3 : 4;
        // The header, lines of "S", type, count, address, data, checksum and CR LF, the end.
        return 18 + recordsOf(16) * (6 + 2 * (addressBytes + 1)) + 2 * length + 16;
    }
    case BufferFileFormat::Capsule:
        return kCapsuleHeaderSize + length;
    case BufferFileFormat::Binary:
        break;
    }
    return length;
}

PipeReaderCheck::PipeReaderCheck(const QString& path)
{
    struct stat status {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &status) != 0 || !S_ISFIFO(status.st_mode))
        return;
    // A write end opened without waiting is refused when nobody reads.
    m_handle = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    m_noReader = m_handle < 0 && errno == ENXIO;
}

PipeReaderCheck::~PipeReaderCheck()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

qint32 OpenBufferFileAs(BufferFileFormat format, const QString& path, std::span<std::uint8_t> buffer,
                        BufferFileFeedback& feedback, QByteArray* capsuleHeader, PipeOpen pipe)
{
    QByteArray header;
    qint32 length = 0;
    if (const ImageReader read = imageFormat(format).read) {
        QFile file(path);
        length = openToRead(file, pipe, feedback) ? read(file, buffer, feedback) : 0;
    } else {
        if (format == BufferFileFormat::Capsule)
            header.resize(kCapsuleHeaderSize);
        length = openBinary(path, buffer, header, pipe, feedback);
    }
    if (capsuleHeader)
        *capsuleHeader = header;
    return length;
}

qint32 OpenBufferFile(const QString& path, std::span<std::uint8_t> buffer, BufferFileFeedback& feedback,
                      QByteArray* capsuleHeader, PipeOpen pipe)
{
    const std::optional<BufferFileFormat> format = OpenFormatFor(path, feedback);
    return format ? OpenBufferFileAs(*format, path, buffer, feedback, capsuleHeader, pipe) : 0;
}

bool WriteImageAs(BufferFileFormat format, QIODevice& device, std::span<const std::uint8_t> data,
                  const QByteArray& capsuleHeader)
{
    if (const ImageWriter write = imageFormat(format).write)
        return write(device, data);
    if (format == BufferFileFormat::Capsule && capsuleHeader.size() != kCapsuleHeaderSize)
        return false;
    TextSink sink(device);
    if (format == BufferFileFormat::Capsule)
        sink.writeRaw(capsuleHeader.constData(), static_cast<std::size_t>(capsuleHeader.size()));
    sink.writeRaw(reinterpret_cast<const char*>(data.data()), data.size());
    return sink.finish();
}

FileSaveResult saveImageFile(BufferFileFormat format, const QString& path, std::span<const std::uint8_t> data,
                             const QByteArray& capsuleHeader)
{
    return saveFile(path, [format, data, &capsuleHeader](QIODevice& device) {
        return WriteImageAs(format, device, data, capsuleHeader);
    });
}

SaveOutcome SaveBufferFileAs(BufferFileFormat format, const QString& path, std::span<const std::uint8_t> buffer,
                             qint64 length, BufferFileFeedback& feedback, const BufferSaveTexts& texts,
                             const QByteArray& capsuleHeader)
{
    if (format == BufferFileFormat::Capsule && capsuleHeader.size() != kCapsuleHeaderSize) {
        feedback.showError(texts.capsuleWithoutHeader.arg(path));
        return SaveOutcome::Failed;
    }
    // A chip record larger than the buffer must not make the save read past its end.
    if (length < 0 || static_cast<std::uint64_t>(length) > buffer.size()) {
        feedback.showError(fixedText(FixedText::DataLengthExceeds));
        return SaveOutcome::Failed;
    }
    if (QFileInfo::exists(path) && !feedback.askYesNo(texts.fileExistsOverwrite))
        return SaveOutcome::Declined;
    const std::span<const std::uint8_t> data = buffer.first(static_cast<std::size_t>(length));

    const FileSaveResult result = saveImageFile(format, path, data, capsuleHeader);
    // A binary file that cannot be created has a text of its own; the text formats say "write".
    const bool binary = format == BufferFileFormat::Binary || format == BufferFileFormat::Capsule;
    const bool notCreated = result.status == FileSaveStatus::CreateFailed || result.status == FileSaveStatus::FolderFailed;
    if (notCreated && binary) {
        feedback.showError(withFileAndReason(texts.fileCreateError, path, result.reason));
        return SaveOutcome::Failed;
    }
    if (result.status != FileSaveStatus::Saved) {
        feedback.showError(withFileAndReason(texts.fileWriteError, path, result.reason));
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

SaveOutcome SaveBufferFile(const QString& path, std::span<const std::uint8_t> buffer, qint64 length,
                           BufferFileFeedback& feedback, const BufferSaveTexts& texts, const QByteArray& capsuleHeader)
{
    return SaveBufferFileAs(SaveFormatFor(path), path, buffer, length, feedback, texts, capsuleHeader);
}
