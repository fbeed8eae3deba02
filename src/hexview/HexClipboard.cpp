#include "HexClipboard.h"

#include "HexTranslation.h"

#include <QFileInfo>
#include <QMimeData>
#include <QtEndian>

namespace HexClipboard {
namespace {

// The private block starts with this (magic "QRLN", version 0x00010001); the hex-data block
// has no header. Both go on with the byte count and the bytes.
constexpr QByteArrayView kPrivateHeader("QRLN\x01\x00\x01\x00", 8);

QByteArray upToZero(const QByteArray& b)
{
    const qsizetype zero = b.indexOf('\0');
    return zero < 0 ? b : b.left(zero);
}

// One file entry: count, flags (size and write time present), size, write time as 100 ns units
// since 1601 (the usual file-time base), then the UTF-8 name and a zero byte.
QByteArray fileGroup(qint64 size, const CopyOptions& options)
{
    const QString base = QFileInfo(options.fileName).completeBaseName();
    QByteArray out;
    hexPut32(out, 1);
    hexPut32(out, 0x40 | 0x20);
    hexPut32(out, std::uint32_t(size));
    hexPut32(out, std::uint32_t(quint64(size) >> 32));
    const qint64 fileTime = (options.writeTime.toMSecsSinceEpoch() + 11644473600000LL) * 10000;
    hexPut32(out, std::uint32_t(fileTime));
    hexPut32(out, std::uint32_t(quint64(fileTime) >> 32));
    out.append(QStringLiteral("Dump of %1.bin").arg(base).toUtf8());
    out.append('\0');
    return out;
}

QByteArray countedBlock(QByteArrayView header, QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(header.size() + 4 + bytes.size());
    out.append(header);
    hexPut32(out, std::uint32_t(bytes.size()));
    out.append(bytes);
    return out;
}

// The bytes of a block, or nullopt when its header differs or its count runs past its end.
std::optional<QByteArray> fromCountedBlock(QByteArrayView header, const QByteArray& block)
{
    const qsizetype start = header.size() + 4;
    if (block.size() < start || !block.startsWith(header))
        return std::nullopt;
    const qint64 n = qFromLittleEndian<quint32>(block.constData() + header.size());
    if (n > block.size() - start)
        return std::nullopt;
    return block.mid(start, n);
}

QString hexText(const QByteArray& bytes, bool swapNibbles)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text(bytes.size() * 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        *out++ = QLatin1Char(digits[swapNibbles ? b & 0xF : b >> 4]);
        *out++ = QLatin1Char(digits[swapNibbles ? b >> 4 : b & 0xF]);
    }
    return text;
}

// The characters the character column shows for bytes (the euro sign for 0x80); a byte it
// shows no character for keeps its code point.
QString shownText(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[i]);
        const QChar shown = ansiChar(byte);
        text[i] = shown.isNull() ? QChar(char16_t(byte)) : shown;
    }
    return text;
}

// The data object of a copy. It keeps one copy of the bytes (the view may change or go away
// while the clipboard holds them) and builds a format only when a reader asks for it: building
// all five up front costs five copies and a text twice the size, over 300 MiB for 64 MiB.
class CopiedData : public QMimeData {
public:
    CopiedData(QByteArray bytes, CopyOptions options)
        : m_bytes(std::move(bytes)), m_options(std::move(options))
    {
    }

    QStringList formats() const override
    {
        return {QString::fromLatin1(PrivateFormat), QString::fromLatin1(TextFormat),
                QString::fromLatin1(FileGroupFormat), QString::fromLatin1(FileContentsFormat),
                QString::fromLatin1(RegEditFormat)};
    }

    bool hasFormat(const QString& mimeType) const override { return formats().contains(mimeType); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override
    {
        Q_UNUSED(type);
        if (mimeType == QLatin1String(TextFormat)) {
            return m_options.hexText ? hexText(m_bytes, m_options.swapNibbles) : shownText(upToZero(m_bytes));
        }
        if (mimeType == QLatin1String(PrivateFormat))
            return countedBlock(kPrivateHeader, m_bytes);
        if (mimeType == QLatin1String(FileGroupFormat))
            return fileGroup(m_bytes.size(), m_options);
        if (mimeType == QLatin1String(FileContentsFormat))
            return m_bytes;  // shared, not copied
        if (mimeType == QLatin1String(RegEditFormat))
            return countedBlock({}, m_bytes);
        return {};
    }

private:
    QByteArray m_bytes;
    CopyOptions m_options;
};

} // namespace

std::optional<QByteArray> fromPrivateBlock(const QByteArray& block)
{
    return fromCountedBlock(kPrivateHeader, block);
}

QMimeData* makeMimeData(std::span<const std::uint8_t> bytes, const CopyOptions& options)
{
    return new CopiedData(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), options);
}

// The formats a paste reads, in paste order, with their display names.
constexpr std::pair<const char*, const char*> kPasteFormats[] = {
    {PrivateFormat, "TQuorlenEx Clipboard Format"},
    {TextFormat, "Text"},
    {RtfFormat, "Rich Text Format"},
    {UnicodeTextFormat, "Unicode Text"},
    {BitmapFormat, "Bitmap Picture"},
    {TiffFormat, "Tagged Image File Format (TIFF) Picture"},
    {WaveFormat, "Wave Audio"},
    {RegEditFormat, "RegEdit_HexData"},
    {HtmlFormat, "HTML Format"},
    {FileListFormat, "File List"}};

QStringList supportedFormats(const QMimeData& mime, bool otherFormats)
{
    // Text from another program comes as plain text only (X11 knows no separate Unicode text);
    // it is offered as the text pair, so the person chooses and sees the hex-text box.
    const bool plainText = mime.hasFormat(QString::fromLatin1(TextFormat));
    QStringList found;
    for (const auto& [f, name] : kPasteFormats) {
        const bool offered = mime.hasFormat(QString::fromLatin1(f)) || (f == UnicodeTextFormat && plainText);
        if (offered && f != FileListFormat && (otherFormats || f == PrivateFormat))
            found << QString::fromLatin1(f);
    }
    return found;
}

QString displayName(const QString& format)
{
    for (const auto& [mime, name] : kPasteFormats)
        if (format == QLatin1String(mime))
            return QString::fromLatin1(name);
    return format;
}

TextBytes textBytes(const QString& text)
{
    TextBytes result;
    const qsizetype zero = text.indexOf(QChar(0));
    const QStringView shown = zero < 0 ? QStringView(text) : QStringView(text).left(zero);
    result.bytes.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const int byte = textByteOf(shown[i]);
        if (byte < 0)
            return {{}, i};
        result.bytes.append(static_cast<char>(byte));
    }
    return result;
}

bool isTextFormat(const QString& format)
{
    return format == QLatin1String(TextFormat);
}

std::optional<QByteArray> bytesOf(const QMimeData& mime, const QString& format, bool unicodeBigEndian)
{
    const bool unicodeFromPlain = format == QLatin1String(UnicodeTextFormat) &&
                                  !mime.hasFormat(format) && mime.hasFormat(QString::fromLatin1(TextFormat));
    if (!mime.hasFormat(format) && !unicodeFromPlain)
        return std::nullopt;
    if (format == QLatin1String(PrivateFormat))
        return fromPrivateBlock(mime.data(format));
    if (format == QLatin1String(RegEditFormat))
        return fromCountedBlock({}, mime.data(format));
    if (format == QLatin1String(RtfFormat) || format == QLatin1String(HtmlFormat))
        return upToZero(mime.data(format));
    if (format == QLatin1String(UnicodeTextFormat)) {
        QByteArray units;
        if (unicodeFromPlain) {
            const QString text = mime.text();
            units.resize(text.size() * 2);
            qToLittleEndian<quint16>(text.utf16(), text.size(), units.data());
        } else {
            units = mime.data(format);
        }
        units.truncate(units.size() & ~qsizetype(1));
        for (qsizetype i = 0; i + 1 < units.size(); i += 2) {
            if (units[i] == 0 && units[i + 1] == 0) {
                units.truncate(i);
                break;
            }
            if (unicodeBigEndian)
                std::swap(units[i], units[i + 1]);
        }
        return units;
    }
    return mime.data(format);
}

} // namespace HexClipboard
