#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QMimeData;

// Clipboard formats of the hex view as MIME types. The private block and the hex-data blocks
// keep their binary layouts; the names are this program's own.
namespace HexClipboard {

inline constexpr const char* PrivateFormat = "application/x-tquorlenex-clipboard-format";
inline constexpr const char* RegEditFormat = "application/x-regedit-hexdata";
inline constexpr const char* FileContentsFormat = "application/x-filecontents";
inline constexpr const char* FileGroupFormat = "application/x-filegroupdescriptor";
inline constexpr const char* TextFormat = "text/plain";
inline constexpr const char* UnicodeTextFormat = "text/plain;charset=utf-16";
inline constexpr const char* RtfFormat = "text/rtf";
inline constexpr const char* HtmlFormat = "text/html";
inline constexpr const char* BitmapFormat = "image/bmp";
inline constexpr const char* TiffFormat = "image/tiff";
inline constexpr const char* WaveFormat = "audio/wav";
inline constexpr const char* FileListFormat = "text/uri-list";

struct CopyOptions {
    bool hexText = false;
    bool swapNibbles = false;
    QString fileName;  // the control's file name, for the dump file's name
    QDateTime writeTime = QDateTime::currentDateTimeUtc();
};

// The five formats of a copy: private block, Text, file descriptor, file contents, hex data.
[[nodiscard]] QMimeData* makeMimeData(std::span<const std::uint8_t> bytes, const CopyOptions& options);

// The data bytes of a private block, or nullopt when magic or version do not match.
[[nodiscard]] std::optional<QByteArray> fromPrivateBlock(const QByteArray& block);

// The supported formats a clipboard offers, in paste order (the file list excluded). Plain
// text counts as Text and as Unicode Text.
[[nodiscard]] QStringList supportedFormats(const QMimeData& mime, bool otherFormats);
[[nodiscard]] QString displayName(const QString& format);
[[nodiscard]] bool isTextFormat(const QString& format);
// Text up to its first zero as the bytes the character column shows for its characters (the
// euro sign as 0x80). A character no byte shows would go in as another byte than the one
// copied: then no bytes, and the index of that character.
struct TextBytes {
    QByteArray bytes;
    qsizetype unshownAt = -1;
};
[[nodiscard]] TextBytes textBytes(const QString& text);
// The bytes a chosen format other than Text stands for.
[[nodiscard]] std::optional<QByteArray> bytesOf(const QMimeData& mime, const QString& format, bool unicodeBigEndian);

} // namespace HexClipboard
