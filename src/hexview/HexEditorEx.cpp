#include "HexEditorEx.h"

#include "HexBookmarkText.h"
#include "HexByteText.h"
#include "HexClipboard.h"
#include "HexEditorError.h"
#include "HexFormatDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

namespace {

// The local files of a file list; other links (a copied web address) are no file list.
QStringList localFiles(const QMimeData& mime)
{
    QStringList files;
    for (const QUrl& url : mime.urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

} // namespace

HexEditorEx::HexEditorEx(QWidget* parent) : HexEditor(parent), m_printFont(font()) {}

HexEditorEx::~HexEditorEx()
{
    if (OwnsClipBoard())
        ReleaseClipboard(m_flushClipboard);
}

bool HexEditorEx::CanCopy() const
{
    return DataSize() > 0 && HasSelection();
}

bool HexEditorEx::CanCut() const
{
    return CanCopy() && !ReadOnlyView() && !NoSizeChange();
}

bool HexEditorEx::CanPaste() const
{
    if (ReadOnlyView() || (NoSizeChange() && DataSize() == 0))
        return false;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    return mime && (!localFiles(*mime).isEmpty() ||
                    !HexClipboard::supportedFormats(*mime, m_otherFormats).isEmpty());
}

bool HexEditorEx::CBCopy()
{
    if (!CanCopy())
        return false;
    QMimeData* mime = HexClipboard::makeMimeData(
        SelectedBytes(), {.hexText = m_clipboardAsHexText, .swapNibbles = SwapNibbles(), .fileName = FileName()});
    QApplication::clipboard()->setMimeData(mime);
    m_copied = mime;
    return true;
}

bool HexEditorEx::CBCut()
{
    if (!CanCut() || !CBCopy())
        return false;
    DeleteSelection(QStringLiteral("Cut to clipboard"));
    return true;
}

std::optional<QByteArray> HexEditorEx::readClipboard(const QMimeData& mime)
{
    // The private block, offered first, or a format alone is read without asking.
    const QStringList formats = HexClipboard::supportedFormats(mime, m_otherFormats);
    if (formats.isEmpty())
        return std::nullopt;
    QString format = formats.front();
    bool hexText = m_clipboardAsHexText;
    if (formats.size() > 1 && format != QLatin1String(HexClipboard::PrivateFormat)) {
        int chosen = 0;
        const bool ok = ChooseClipboardFormat ? ChooseClipboardFormat(formats, chosen, hexText)
                                              : HexFormatDialog::choose(this, formats, chosen, hexText);
        if (!ok || chosen < 0 || chosen >= formats.size())
            return std::nullopt;
        format = formats[chosen];
        if (HexClipboard::isTextFormat(format))
            m_clipboardAsHexText = hexText;
    }
    if (HexClipboard::isTextFormat(format))
        return hexText ? hexTextBytes(mime.text()) : shownTextBytes(mime.text());
    return HexClipboard::bytesOf(mime, format, UnicodeBigEndian());
}

std::optional<QByteArray> HexEditorEx::hexTextBytes(const QString& text)
{
    // Read around what it cannot read, a text would become other bytes than the ones copied.
    HexByteText::Parsed parsed = HexByteText::parse(text);
    if (!parsed.ok() || parsed.bytes.isEmpty()) {
        if (OnHexTextRefused)
            OnHexTextRefused(text, parsed.badAt);
        else
            QApplication::beep();
        return std::nullopt;
    }
    if (SwapNibbles()) {
        // The text is read as the view shows the bytes.
        for (char& byte : parsed.bytes)
            byte = static_cast<char>((static_cast<quint8>(byte) << 4) | (static_cast<quint8>(byte) >> 4));
    }
    return parsed.bytes;
}

std::optional<QByteArray> HexEditorEx::shownTextBytes(const QString& text)
{
    HexClipboard::TextBytes shown = HexClipboard::textBytes(text);
    if (shown.unshownAt < 0)
        return std::move(shown.bytes);
    if (OnTextRefused)
        OnTextRefused(text, shown.unshownAt);
    else
        QApplication::beep();
    return std::nullopt;
}

bool HexEditorEx::CBPaste()
{
    if (!CanPaste())
        return false;
    const QMimeData* mime = QApplication::clipboard()->mimeData();  // CanPaste saw it
    const bool hasPrivate = mime->hasFormat(QString::fromLatin1(HexClipboard::PrivateFormat));
    const QStringList files = localFiles(*mime);
    if (!hasPrivate && !files.isEmpty()) {
        // One block for all files: pasted one by one, each would replace the one before, which
        // a paste leaves selected.
        QByteArray contents;
        for (const QString& name : files) {
            QFile file(name);
            if (file.open(QIODevice::ReadOnly))
                contents += file.readAll();
        }
        return pasteBytes(contents);
    }
    const auto bytes = readClipboard(*mime);
    return bytes && pasteBytes(*bytes);
}

bool HexEditorEx::CBPasteHexText()
{
    if (ReadOnlyView() || (NoSizeChange() && DataSize() == 0))
        return false;
    const auto bytes = hexTextBytes(QApplication::clipboard()->text());
    return bytes && pasteBytes(*bytes);
}

bool HexEditorEx::pasteBytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return false;
    if (!HasSelection()) {
        const qint64 unit = BytesPerUnit();
        const qint64 caret = std::min(GetCursorPosition(), DataSize());
        const qint64 start = (caret / unit) * unit;
        MoveCaretTo(start, InCharField());
        if (NoSizeChange()) {
            // A fixed-size store is overwritten in place.
            const qint64 end = std::min(start + bytes.size(), DataSize()) - 1;
            if (end < start)
                return false;
            SetSelection(start, end);
        }
    }
    ReplaceSelection(bytes.constData(), bytes.size(), QStringLiteral("Paste from clipboard"), true);
    return true;
}

bool HexEditorEx::OwnsClipBoard() const
{
    return m_copied && QApplication::clipboard()->mimeData() == m_copied.data();
}

void HexEditorEx::ReleaseClipboard(bool flush)
{
    if (!OwnsClipBoard())
        return;
    // Flushing leaves the data where it is; the clipboard holds its own copy of the formats.
    if (!flush)
        QApplication::clipboard()->clear();
    m_copied = nullptr;
}

void HexEditorEx::UndoBeginUpdate(const QString& description)
{
    if (m_undo.updateCount == 0 && !description.isEmpty()) {
        CreateUndo(ufKindAllData, 0, DataSize(), 0, description);
        m_describedGroup = true;
    }
    HexEditor::UndoBeginUpdate();
}

void HexEditorEx::UndoEndUpdate()
{
    HexEditor::UndoEndUpdate();
    if (m_undo.updateCount == 0 && m_describedGroup) {
        m_describedGroup = false;
        if (!m_undo.groupWrote)
            m_undo.removeNewest();
    }
}

void HexEditorEx::WriteBuffer(const void* buffer, qint64 position, qint64 count)
{
    HexEditor::WriteBuffer(buffer, position, count);
    m_modified = true;
    if (m_undo.updateCount > 0)
        m_undo.groupWrote = true;
}

QString HexEditorEx::GetBookmarksAsString() const
{
    return hexBookmarksToString(Bookmarks());
}

void HexEditorEx::SetBookMarksAsString(const QString& text)
{
    m_bookmarks = HexBookmarks{};
    try {
        m_bookmarks = hexBookmarksFromString(text);
    } catch (const HexEditorError&) {
        BookmarksChanged();
        throw;
    }
    BookmarksChanged();
}

void HexEditorEx::Save()
{
    if (!HasFile())
        throw HexEditorError(HexMessages::NoFileName);
    SaveToFile(FileName(), true);
}

void HexEditorEx::SaveToFile(const QString& fileName, bool makeCurrent)
{
    const bool overCurrent =
        HasFile() && QFileInfo(fileName).absoluteFilePath() == QFileInfo(FileName()).absoluteFilePath();
    if (overCurrent && !ReadOnlyFile() && m_createBackup && Modified() && QFileInfo::exists(fileName)) {
        const QString backup = fileName + m_backupExtension;
        QFile old(backup);
        if (old.exists() && !old.remove())
            throw HexEditorError(QString::fromLatin1(HexMessages::DeleteBackup).arg(backup, old.errorString()));
        QFile current(fileName);
        if (!current.rename(backup))
            throw HexEditorError(QString::fromLatin1(HexMessages::CreateBackup).arg(backup, current.errorString()));
    }
    HexEditor::SaveToFile(fileName, makeCurrent);
}

void HexEditorEx::handleKey(QKeyEvent* event)
{
    const int key = event->key();
    const bool ctrlOnly = (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) == Qt::ControlModifier;
    if (!ctrlOnly || (key != Qt::Key_C && key != Qt::Key_X && key != Qt::Key_V))
        HexEditor::handleKey(event);
    else if (key == Qt::Key_C)
        CBCopy();
    else if (key == Qt::Key_X)
        CBCut();
    else
        CBPaste();
}

void HexEditorEx::wheelEvent(QWheelEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const int steps = event->angleDelta().y() / 120;
    if (!m_zoomOnWheel || steps == 0 || !(mods & Qt::ControlModifier)) {
        HexEditor::wheelEvent(event);
        return;
    }
    event->accept();
    if (mods & Qt::ShiftModifier) {
        QFont f = font();
        const qreal size = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
        if (steps > 0 || size >= 3) {
            f.setPointSizeF(std::max<qreal>(1, size + (steps > 0 ? 1 : -1)));
            setFont(f);
        }
    } else {
        // 16-bit characters need an even row, which a step of one would refuse with an error
        // thrown out of the event handler.
        const int step = UnicodeChars() ? 2 : 1;
        if (steps < 0 && BytesPerRow() > step)
            SetBytesPerRow(BytesPerRow() - step);
        else if (steps > 0 && BytesPerRow() <= 256 - step)
            SetBytesPerRow(BytesPerRow() + step);
    }
}

void HexEditorEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    HexEditor::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && DataSize() > 0 && GetCursorPosition() < DataSize())
        SetSelection(GetCursorPosition(), GetCursorPosition());
}

void HexEditorEx::mousePressEvent(QMouseEvent* event)
{
    int col = 0, row = 0;
    if (event->button() == Qt::RightButton && m_offsetMenu && CellAt(event->position().toPoint(), col, row) &&
        col == 0) {
        m_offsetMenu->popup(event->globalPosition().toPoint());
        return;
    }
    HexEditor::mousePressEvent(event);
}

void applyFlashEditorSettings(HexEditorEx& editor)
{
    editor.setObjectName(QStringLiteral("FlashEditor"));
    editor.SetShowRuler(true);
    editor.setFont(HexEditor::FixedFont(15));
    editor.SetBytesPerRow(16);
    editor.SetTranslation(tkAsIs);
    editor.SetOffsetFormat(QStringLiteral("-!10:0x|"));
    editor.SetFocusFrame(true);
    editor.SetDrawGridLines(false);
    editor.viewport()->setCursor(Qt::IBeamCursor);
    editor.SetBackupExtension(QStringLiteral(".bak"));
    editor.PrintOptions() = HexPrintOptions{};
    editor.SetPrintFont(HexEditor::FixedFont(15));
}
