#pragma once

#include "HexEditor.h"

#include <QFont>
#include <QMenu>
#include <QMimeData>
#include <QPointer>



enum HexPrintFlag {
    pfSelectionOnly = 1 << 0,
    pfSelectionBold = 1 << 1,
    pfMonochrome = 1 << 2,
    pfUseBackgroundColor = 1 << 3,
    pfCurrentViewOnly = 1 << 4,
    pfIncludeRuler = 1 << 5,
};

enum HexOleOperation { oleDrop, oleClipboard };

struct HexPrintOptions {
    int MarginLeft = 20;   // millimetres
    int MarginTop = 15;
    int MarginRight = 25;
    int MarginBottom = 25;
    QString PageHeader;
    QString PageFooter;
    int Flags = pfSelectionBold | pfMonochrome;
};

// The extended hex view, the class of the main window's FlashEditor: clipboard in the view's
// formats, described undo groups, bookmarks as text, backups on save, zoom on the wheel, print.
class HexEditorEx : public HexEditor {
    Q_OBJECT
public:
    explicit HexEditorEx(QWidget* parent = nullptr);
    ~HexEditorEx() override;

    [[nodiscard]] bool CreateBackup() const noexcept { return m_createBackup; }
    void SetCreateBackup(bool value) { m_createBackup = value; }
    [[nodiscard]] const QString& BackupExtension() const noexcept { return m_backupExtension; }
    void SetBackupExtension(const QString& value) { m_backupExtension = value; }
    [[nodiscard]] bool OleDragDrop() const noexcept { return m_oleDragDrop; }
    void SetOleDragDrop(bool value) { m_oleDragDrop = value; }
    [[nodiscard]] bool ClipboardAsHexText() const noexcept { return m_clipboardAsHexText; }
    void SetClipboardAsHexText(bool value) { m_clipboardAsHexText = value; }
    [[nodiscard]] bool FlushClipboardAtShutDown() const noexcept { return m_flushClipboard; }
    void SetFlushClipboardAtShutDown(bool value) { m_flushClipboard = value; }
    [[nodiscard]] bool SupportsOtherClipFormats() const noexcept { return m_otherFormats; }
    void SetSupportsOtherClipFormats(bool value) { m_otherFormats = value; }
    [[nodiscard]] HexPrintOptions& PrintOptions() noexcept { return m_printOptions; }
    [[nodiscard]] const QFont& PrintFont() const noexcept { return m_printFont; }
    void SetPrintFont(const QFont& value) { m_printFont = value; }
    [[nodiscard]] bool UseEditorFontForPrinting() const noexcept { return m_useEditorFont; }
    void SetUseEditorFontForPrinting(bool value) { m_useEditorFont = value; }
    [[nodiscard]] QMenu* OffsetPopupMenu() const noexcept { return m_offsetMenu; }
    void SetOffsetPopupMenu(QMenu* menu) { m_offsetMenu = menu; }
    [[nodiscard]] bool ZoomOnWheel() const noexcept { return m_zoomOnWheel; }
    void SetZoomOnWheel(bool value) { m_zoomOnWheel = value; }

    // ---- clipboard ---------------------------------------------------------------------------
    [[nodiscard]] bool CanCopy() const;
    [[nodiscard]] bool CanCut() const;
    [[nodiscard]] bool CanPaste() const;
    bool CBCopy();
    bool CBCut();
    bool CBPaste();
    // Pastes the clipboard's text read as hex bytes (HexByteText), whatever else the clipboard
    // offers. A text that is not hex bytes from end to end, or holds none, pastes nothing and
    // returns false; so does Text chosen with the hex-text box.
    bool CBPasteHexText();
    // Told when a text read as hex bytes is refused: the text, and the index of its first
    // character that cannot be read, or -1 when it holds no byte. Unset, the control beeps.
    std::function<void(const QString& text, qsizetype badAt)> OnHexTextRefused;
    // Told when Text is refused because a character of it, at the index given, is shown by no
    // byte of the character column. Unset, the control beeps.
    std::function<void(const QString& text, qsizetype unshownAt)> OnTextRefused;
    [[nodiscard]] bool OwnsClipBoard() const;
    // Leaves the data on the clipboard (flush) or empties it, if the clipboard holds ours.
    void ReleaseClipboard(bool flush);
    // Answers the "Select data format" question; unset, the modal dialog asks the user.
    // Gets the offered formats (MIME names); returns false to paste nothing.
    std::function<bool(const QStringList& formats, int& chosen, bool& hexText)> ChooseClipboardFormat;

    // ---- groups, bookmarks, files ------------------------------------------------------------
    using HexEditor::UndoBeginUpdate;
    // Opening the outermost group with a description first saves the whole store, so the group
    // is undone in one step; a group that wrote nothing removes that record again.
    void UndoBeginUpdate(const QString& description);
    void UndoEndUpdate() override;
    void WriteBuffer(const void* buffer, qint64 position, qint64 count) override;
    [[nodiscard]] QString GetBookmarksAsString() const;
    void SetBookMarksAsString(const QString& text);
    // Saves to the current file; raises "No filename specified" without one.
    void Save();
    void SaveToFile(const QString& fileName, bool makeCurrent) override;

    // ---- printing ----------------------------------------------------------------------------
    // Pages the data needs in a printable area (pixels of a device of the given resolution).
    [[nodiscard]] int PrintNumPages(const QRect& pageRect, int dpi) const;
    // Prints one page (from 1) on the default printer.
    void Print(int page);
    // One page rendered as on paper of the given pixel size and resolution.
    [[nodiscard]] QImage PrintPreview(int page, const QSize& pageSize, int dpi = 96);
    // The printable area inside the margins (millimetres converted with the device's dpi).
    [[nodiscard]] QRect PrinterMarginRect(const QSize& pageSize, int dpi) const;

protected:
    void handleKey(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool pasteBytes(const QByteArray& bytes);
    void renderPage(QPainter& painter, const QRect& area, int dpi, int page) const;
    [[nodiscard]] QFont printingFont(int dpi) const;
    [[nodiscard]] std::pair<qint64, qint64> printRange() const;
    [[nodiscard]] std::optional<QByteArray> readClipboard(const QMimeData& mime);
    // The bytes of a hex text as the view shows them, or nullopt once the refusal is told.
    [[nodiscard]] std::optional<QByteArray> hexTextBytes(const QString& text);
    // Text as the bytes the character column shows, or nullopt once the refusal is told.
    [[nodiscard]] std::optional<QByteArray> shownTextBytes(const QString& text);

    bool m_createBackup = true;
    QString m_backupExtension = QStringLiteral(".bak");
    bool m_oleDragDrop = false;
    bool m_clipboardAsHexText = false;
    bool m_flushClipboard = false;
    bool m_otherFormats = true;
    HexPrintOptions m_printOptions;
    QFont m_printFont;
    bool m_useEditorFont = true;
    QPointer<QMenu> m_offsetMenu;
    bool m_zoomOnWheel = true;
    bool m_describedGroup = false;
    // The data object of our last copy, until the clipboard replaces (and deletes) it.
    QPointer<QMimeData> m_copied;
};

// The settings the main window's FlashEditor instance carries over the control defaults.
void applyFlashEditorSettings(HexEditorEx& editor);
