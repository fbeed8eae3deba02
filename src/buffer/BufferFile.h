#pragma once

#include "buffer/AtomicSave.h"
#include "buffer/BufferFileFeedback.h"
#include "buffer/FileErrors.h"
#include "buffer/ImageFormats.h"
#include "text/MessageCatalogExtra.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <span>

// Opening and saving the data buffer as a file, the format chosen by the file name.
//
// Open and save take the format whose extensions (ImageFormats.h) hold the file's: ".hex" Intel
// HEX, ".cap" a capsule (a 2048-byte header, then the image), the S-record names S-record; any
// other extension or none is binary. Open alone reads ".eep" by its first byte (":" Intel HEX,
// "S" S-record, else binary). Extensions are compared without regard to case and taken from
// the file name's last dot.
//
// A capsule's header is no part of the image; whoever keeps the image keeps the header beside
// it, and a save as a capsule puts it back in front. Without it there is no capsule to save:
// a ".cap" file is never written without its header, whose absence the next open could not see.

// The bytes a capsule image starts with that are not part of the image.
inline constexpr qint64 kCapsuleHeaderSize = 2048;

// Texts of the save path in the current language; the caller gives the catalog's overwrite
// question and write error.
struct BufferSaveTexts {
    QString fileExistsOverwrite;  // the overwrite question
    QString fileWriteError;       // a file that could not be written completely
    QString fileCreateError = QStringLiteral("创建文件失败");  // a binary file that could not be created
    // %1: the file. A capsule save without the header of a capsule opened before.
    QString capsuleWithoutHeader = ExtraMessages::text(ExtraText::CapsuleWithoutHeader);
};


enum class SaveOutcome { Saved, Declined, Failed };

// The format a file is opened with. Only ".eep" needs to look into the file; when it cannot be
// opened, "Can't open File" is shown and the result is empty.
[[nodiscard]] std::optional<BufferFileFormat> OpenFormatFor(const QString& path, BufferFileFeedback& feedback);
// The format a file is saved in.
[[nodiscard]] BufferFileFormat SaveFormatFor(const QString& path);

// The most bytes a save of `length` bytes in the format writes (the text formats leave erased
// runs out): the room a folder must have before a long read is worth starting.
[[nodiscard]] qint64 largestSaveSize(BufferFileFormat format, qint64 length);

// Opening a pipe (a FIFO) by name waits until some program holds its other end, which would
// freeze a window. Wait does that, as a command in a script expects; RefuseWithoutPeer opens a
// pipe only when a program is at its other end (or bytes wait in it) and otherwise says why.
enum class PipeOpen { Wait, RefuseWithoutPeer };

// For a save onto a pipe without waiting: whether path is a pipe that no program reads from.
// It keeps a write end of the pipe open while it lives, so that a reader found does not see the
// pipe end before the save has opened it by name: keep it until the save is done. Anything
// that is not a pipe, or cannot be looked at, has a reader.
class PipeReaderCheck {
public:
    explicit PipeReaderCheck(const QString& path);
    ~PipeReaderCheck();
    PipeReaderCheck(const PipeReaderCheck&) = delete;
    PipeReaderCheck& operator=(const PipeReaderCheck&) = delete;

    [[nodiscard]] bool noReader() const { return m_noReader; }

private:
    int m_handle = -1;
    bool m_noReader = false;
};

// Loads the file into `buffer`, whose size is the capacity (the caller fills it with 0xFF
// first). Returns the count of loaded bytes (binary, capsule) or the size the text reader found;
// 0 after any error, which has then been shown through `feedback`. `capsuleHeader`, when given,
// gets a capsule's header, and is emptied for any other format. `pipe` says whether a pipe is
// waited for.
[[nodiscard]] qint32 OpenBufferFile(const QString& path, std::span<std::uint8_t> buffer, BufferFileFeedback& feedback,
                                    QByteArray* capsuleHeader = nullptr, PipeOpen pipe = PipeOpen::Wait);
[[nodiscard]] qint32 OpenBufferFileAs(BufferFileFormat format, const QString& path, std::span<std::uint8_t> buffer,
                                      BufferFileFeedback& feedback, QByteArray* capsuleHeader = nullptr,
                                      PipeOpen pipe = PipeOpen::Wait);

// Stores data in the format as the file at path, the old file replaced only once all of it is
// written (saveFile). A capsule without a header of kCapsuleHeaderSize bytes is not written.
[[nodiscard]] FileSaveResult saveImageFile(BufferFileFormat format, const QString& path, std::span<const std::uint8_t> data,
                                           const QByteArray& capsuleHeader = {});

// Writes data in the format to an open device (standard output, a pipe); a capsule is its header
// and the image. False when the device did not take every byte, or for a capsule without a
// header of kCapsuleHeaderSize bytes.
[[nodiscard]] bool WriteImageAs(BufferFileFormat format, QIODevice& device, std::span<const std::uint8_t> data,
                                const QByteArray& capsuleHeader = {});

// Writes the first `length` bytes of `buffer` (the selected chip's size) to the file. An
// existing file is replaced only after a Yes to the overwrite question, and only once the new
// file is written completely. A capsule save without a header is refused before anything is
// asked. Failures are shown through `feedback`; success shows nothing.
SaveOutcome SaveBufferFile(const QString& path, std::span<const std::uint8_t> buffer, qint64 length,
                           BufferFileFeedback& feedback, const BufferSaveTexts& texts,
                           const QByteArray& capsuleHeader = {});
SaveOutcome SaveBufferFileAs(BufferFileFormat format, const QString& path, std::span<const std::uint8_t> buffer,
                             qint64 length, BufferFileFeedback& feedback, const BufferSaveTexts& texts,
                             const QByteArray& capsuleHeader = {});
