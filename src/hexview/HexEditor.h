#pragma once

#include "HexBitSet.h"
#include "HexDataStream.h"
#include "HexGrid.h"
#include "HexOffsetFormat.h"
#include "HexTranslation.h"
#include "HexTypes.h"
#include "HexUndoStorage.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScopeGuard>

#include <bitset>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class HexPainter;
class QIODevice;
class QPainter;

// What an OnDrawCell handler may look at and change; setting `handled` takes the cell over.
struct HexDrawCellArgs {
    QPainter* painter = nullptr;
    int col = 0;
    int row = 0;
    QRect rect;
    QString text;
    QColor textColor;
    QColor background;
    bool handled = false;
};

// The hex view control: a private copy of a byte image shown as offset gutter, hex digits and
// characters. The property names follow the control's published interface; setters that can
// refuse a value raise HexEditorError and leave the previous value in force.
class HexEditor : public HexGrid {
    Q_OBJECT
public:
    explicit HexEditor(QWidget* parent = nullptr);
    ~HexEditor() override;

    // ---- data store --------------------------------------------------------------------------
    // Replaces the store by the stream's contents from position 0 to its end.
    void LoadFromStream(QIODevice& stream);
    // The same contract for bytes already in memory, without an intermediate stream copy.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    void SaveToStream(QIODevice& stream);
    void SaveRangeToStream(QIODevice& stream, qint64 position, qint64 count);
    void LoadFromFile(const QString& fileName);
    virtual void SaveToFile(const QString& fileName, bool makeCurrent);
    void CreateEmptyFile(const QString& fileName);

    [[nodiscard]] qint64 DataSize() const noexcept { return m_data.size(); }
    void SetDataSize(qint64 size);
    [[nodiscard]] bool Modified() const;
    void SetModified(bool modified);
    void ReadBuffer(void* buffer, qint64 position, qint64 count) const;
    virtual void WriteBuffer(const void* buffer, qint64 position, qint64 count);
    [[nodiscard]] std::uint8_t GetDataAt(qint64 position) const;
    void SetDataAt(qint64 position, std::uint8_t value);
    // Read-only view of the whole store, for painting and quick read-back without a copy.
    [[nodiscard]] std::span<const std::uint8_t> Data() const noexcept { return m_data.bytes(); }
    [[nodiscard]] bool IsByteModified(qint64 position) const { return m_modifiedBits.test(position); }

    [[nodiscard]] const QString& FileName() const noexcept { return m_fileName; }
    [[nodiscard]] bool HasFile() const noexcept { return m_hasFile; }
    [[nodiscard]] bool ReadOnlyFile() const noexcept { return m_readOnlyFile; }

    // ---- position and scrolling --------------------------------------------------------------
    // origin 0 = from the start, 1 = from the caret, 2 = from the last byte.
    qint64 Seek(qint64 offset, int origin);
    [[nodiscard]] qint64 GetCursorPosition() const;
    [[nodiscard]] bool InCharField() const noexcept { return m_inCharField; }
    [[nodiscard]] qint64 DisplayStart() const;
    [[nodiscard]] qint64 DisplayEnd() const;
    [[nodiscard]] qint64 TopLeftPosition() const;
    void SetTopLeftPosition(qint64 position);
    [[nodiscard]] virtual QString GetOffsetString(qint64 position) const;
    // System-caret stand-in: where the caret is drawn (viewport coordinates); null when hidden.
    [[nodiscard]] QRect CaretRect() const;
    [[nodiscard]] int CharWidth() const noexcept { return m_layout.params().charWidth; }

    // ---- properties --------------------------------------------------------------------------
    [[nodiscard]] int BytesPerRow() const noexcept { return m_params.bytesPerRow; }
    void SetBytesPerRow(int value);
    [[nodiscard]] int BytesPerColumn() const noexcept { return m_params.bytesPerColumn; }
    void SetBytesPerColumn(int value);
    [[nodiscard]] bool AutoBytesPerRow() const noexcept { return m_autoBytesPerRow; }
    void SetAutoBytesPerRow(bool value);
    [[nodiscard]] TranslationKind Translation() const noexcept { return m_translation; }
    void SetTranslation(TranslationKind value);
    [[nodiscard]] QString OffsetFormat() const { return m_offsetFormat.source(); }
    // An invalid format raises before anything changes.
    void SetOffsetFormat(const QString& value) { relayWith(m_offsetFormat, HexOffsetFormat::parse(value)); }
    [[nodiscard]] HexCaretKind CaretKind() const noexcept { return m_caretKind; }
    void SetCaretKind(HexCaretKind value) { repaintWith(m_caretKind, value); }
    [[nodiscard]] const HexColors& Colors() const noexcept { return m_colors; }
    void SetColors(const HexColors& value);
    [[nodiscard]] bool FocusFrame() const noexcept { return m_focusFrame; }
    void SetFocusFrame(bool value) { repaintWith(m_focusFrame, value); }
    [[nodiscard]] bool SwapNibbles() const noexcept { return m_swapNibbles; }
    void SetSwapNibbles(bool value) { repaintWith(m_swapNibbles, value); }
    [[nodiscard]] char MaskChar() const noexcept { return m_maskChar; }
    void SetMaskChar(char value) { repaintWith(m_maskChar, value); }
    [[nodiscard]] const std::bitset<256>& MaskedChars() const noexcept { return m_maskedChars; }
    void SetMaskedChars(const std::bitset<256>& value) { repaintWith(m_maskedChars, value); }
    [[nodiscard]] bool NoSizeChange() const noexcept { return m_noSizeChange; }
    void SetNoSizeChange(bool value) { setInsertModeCondition(m_noSizeChange, value); }
    [[nodiscard]] bool AllowInsertMode() const noexcept { return m_allowInsertMode; }
    void SetAllowInsertMode(bool value) { setInsertModeCondition(m_allowInsertMode, value); }
    [[nodiscard]] bool DrawGridLines() const noexcept { return m_drawGridLines; }
    void SetDrawGridLines(bool value) { repaintWith(m_drawGridLines, value); }
    [[nodiscard]] bool WantTabs() const noexcept { return m_wantTabs; }
    void SetWantTabs(bool value) { m_wantTabs = value; }
    [[nodiscard]] bool ReadOnlyView() const noexcept { return m_readOnlyView; }
    void SetReadOnlyView(bool value) { setInsertModeCondition(m_readOnlyView, value); }
    [[nodiscard]] bool HideSelection() const noexcept { return m_hideSelection; }
    void SetHideSelection(bool value) { repaintWith(m_hideSelection, value); }
    [[nodiscard]] bool GraySelectionIfNotFocused() const noexcept { return m_graySelection; }
    void SetGraySelectionIfNotFocused(bool value) { repaintWith(m_graySelection, value); }
    [[nodiscard]] int GutterWidth() const noexcept { return m_gutterWidth; }
    void SetGutterWidth(int value) { relayWith(m_gutterWidth, value < 0 ? -1 : value); }
    [[nodiscard]] const QPixmap& BookmarkBitmap() const noexcept { return m_bookmarkBitmap; }
    void SetBookmarkBitmap(const QPixmap& value) { repaintWith(m_bookmarkBitmap, value); }
    [[nodiscard]] int MaxUndo() const noexcept { return m_maxUndo; }
    void SetMaxUndo(int value) { m_maxUndo = value; }
    [[nodiscard]] bool InsertMode() const noexcept { return m_params.insertMode; }
    void SetInsertMode(bool value);
    [[nodiscard]] bool HexLowerCase() const noexcept { return m_params.hexLowerCase; }
    void SetHexLowerCase(bool value) { relayWith(m_params.hexLowerCase, value); }
    [[nodiscard]] bool DrawGutter3D() const noexcept { return m_drawGutter3D; }
    void SetDrawGutter3D(bool value) { repaintWith(m_drawGutter3D, value); }
    [[nodiscard]] bool ShowRuler() const noexcept { return m_params.showRuler; }
    void SetShowRuler(bool value) { relayWith(m_params.showRuler, value); }
    [[nodiscard]] int BytesPerUnit() const noexcept { return m_bytesPerUnit; }
    void SetBytesPerUnit(int value);
    [[nodiscard]] int RulerBytesPerUnit() const noexcept { return m_rulerBytesPerUnit; }
    void SetRulerBytesPerUnit(int value);
    [[nodiscard]] bool ShowPositionIfNotFocused() const noexcept { return m_showPositionIfNotFocused; }
    void SetShowPositionIfNotFocused(bool value) { repaintWith(m_showPositionIfNotFocused, value); }
    [[nodiscard]] bool UnicodeChars() const noexcept { return m_params.unicodeChars; }
    void SetUnicodeChars(bool value);
    [[nodiscard]] bool UnicodeBigEndian() const noexcept { return m_unicodeBigEndian; }
    void SetUnicodeBigEndian(bool value) { repaintWith(m_unicodeBigEndian, value); }
    [[nodiscard]] int BytesPerBlock() const noexcept { return m_params.bytesPerBlock; }
    void SetBytesPerBlock(int value) { relayWith(m_params.bytesPerBlock, value); }
    [[nodiscard]] bool SeparateBlocksInCharField() const noexcept { return m_params.separateBlocksInCharField; }
    void SetSeparateBlocksInCharField(bool value) { relayWith(m_params.separateBlocksInCharField, value); }
    [[nodiscard]] bool FindProgress() const noexcept { return m_findProgress; }
    void SetFindProgress(bool value) { m_findProgress = value; }
    [[nodiscard]] int RulerNumberBase() const noexcept { return m_params.rulerNumberBase; }
    void SetRulerNumberBase(int value);
    [[nodiscard]] HexTranslation& Translations() noexcept { return m_tables; }
    // The unit the ruler and the default offset count in.
    [[nodiscard]] int RulerUnit() const noexcept
    {
        return m_rulerBytesPerUnit == -1 ? m_bytesPerUnit : m_rulerBytesPerUnit;
    }
    // The character a data byte shows in the character field (translation and mask applied).
    [[nodiscard]] QChar DisplayChar(std::uint8_t byte) const;

    // ---- editing (each records undo, sets Modified, repaints and notifies) --------------------
    void InsertBuffer(const void* data, qint64 count, qint64 position, const QString& description = {},
                      bool moveCaret = true);
    void AppendBuffer(const void* data, qint64 count, const QString& description = {},
                      bool moveCaret = true);
    void ReplaceSelection(const void* data, qint64 count, const QString& description = {},
                          bool moveCaret = true);
    void DeleteSelection(const QString& description = {});
    // Shift everything from the nibble at position (high or low half) by four bits.
    void InsertNibble(qint64 position, bool highNibble, const QString& description = {});
    void DeleteNibble(qint64 position, bool highNibble, const QString& description = {});
    void ConvertRange(qint64 from, qint64 to, TranslationKind target, TranslationKind source,
                      const QString& description = {});

    // ---- selection ---------------------------------------------------------------------------
    void SelectAll();
    [[nodiscard]] qint64 SelStart() const;
    [[nodiscard]] qint64 SelEnd() const;
    [[nodiscard]] qint64 SelCount() const;
    void SetSelStart(qint64 position);
    void SetSelEnd(qint64 position);
    [[nodiscard]] bool HasSelection() const noexcept { return m_selStart >= 0; }
    // Lowest and highest selected byte, -1 when nothing is selected.
    [[nodiscard]] qint64 SelectionLow() const noexcept { return m_selStart; }
    [[nodiscard]] qint64 SelectionHigh() const noexcept { return m_selEnd; }
    // The selected bytes, bounds-checked against the store; empty without a selection.
    [[nodiscard]] std::span<const std::uint8_t> SelectedBytes() const;

    // ---- undo --------------------------------------------------------------------------------
    bool Undo();
    bool Redo();
    [[nodiscard]] bool CanUndo() const;
    [[nodiscard]] bool CanRedo() const;
    [[nodiscard]] QString GetUndoDescription() const;
    virtual void UndoBeginUpdate();
    virtual void UndoEndUpdate();
    void CombineUndo(int count, const QString& description = {});
    void ResetUndo();
    void AddSelectionUndo(qint64 position, qint64 count);
    [[nodiscard]] const HexUndoStorage& UndoStorage() const noexcept { return m_undo; }

    // ---- bookmarks ---------------------------------------------------------------------------
    // Bytes marked as differing from another image, as runs in address order, drawn in the
    // difference colours until the next load or the next marks. Kept as runs, so a million
    // scattered differences cost no more to paint than a few.
    void SetDifferenceMarks(std::vector<HexRange> ranges);
    [[nodiscard]] const std::vector<HexRange>& DifferenceMarks() const noexcept { return m_differences; }
    [[nodiscard]] bool IsByteDifferent(qint64 position) const;
    // Index of the run holding position, of the first run starting after it, of the last run
    // starting before it; -1 when there is none.
    [[nodiscard]] qint64 DifferenceAt(qint64 position) const;
    [[nodiscard]] qint64 NextDifference(qint64 position) const;
    [[nodiscard]] qint64 PreviousDifference(qint64 position) const;
    // Puts the caret on the first byte of run index and scrolls it into view.
    void GotoDifference(qint64 index);
    // Before a context menu opens at point: outside the selection the caret moves to the byte
    // there and the selection goes; inside it (or off the bytes) nothing changes.
    void PlaceCaretForMenu(QPoint point);

    [[nodiscard]] HexBookmark GetBookmark(int index) const;
    // Setting a bookmark to the position and field it already has clears it.
    void SetBookmark(int index, qint64 position, bool inCharField);
    void GotoBookmark(int index);
    [[nodiscard]] const HexBookmarks& Bookmarks() const noexcept { return m_bookmarks; }

    // ---- search ------------------------------------------------------------------------------
    // Position of the first match of the bytes lying wholly in from..to, or -1. With ignoreCase
    // data and pattern are compared case-folded under the current translation.
    qint64 Find(const void* data, qint64 length, qint64 from, qint64 to, bool ignoreCase);
    // As Find; a pattern byte equal to `wildcard` matches any data byte.
    qint64 FindWithWildcard(const void* data, qint64 length, qint64 from, qint64 to,
                            bool ignoreCase, char wildcard);
    // A typed search text (display characters) as the bytes to search for: case-folded,
    // translated to the data's character set when asked, and widened in the 16-bit mode.
    [[nodiscard]] QByteArray PrepareFindText(const QByteArray& text, bool ignoreCase,
                                             bool translate) const;
    // Attached, these replace the built-in search; they set `found` (-1 for no match).
    std::function<void(const void* data, qint64 length, qint64 from, qint64 to, bool ignoreCase,
                       qint64& found)> OnFind;
    std::function<void(const void* data, qint64 length, qint64 from, qint64 to, bool ignoreCase,
                       char wildcard, qint64& found)> OnWildcardFind;

    // ---- events (attached by assignment; an empty handler is "not attached") -----------------
    std::function<void(HexProgressKind kind, int percent, const QString& fileName, bool& cancel)>
        OnProgress;
    std::function<void()> OnInvalidKey;
    std::function<void()> OnTopLeftChanged;
    std::function<void()> OnChange;
    std::function<void()> OnSelectionChanged;
    std::function<void(HexDrawCellArgs& args)> OnDrawCell;
    std::function<void()> OnBookmarkChanged;
    std::function<void(qint64 position, bool widest, QString& text)> OnGetOffsetText;

    // A fixed-width face for the control: Courier New when installed, else the system font.
    [[nodiscard]] static QFont FixedFont(int pixelSize, qreal pointSize = -1);

signals:
    // New difference marks, or the old ones gone with a load.
    void DifferenceMarksChanged();

protected:
    // Re-derives metrics, column widths and row count after any geometry-relevant change, and
    // repaints the whole view.
    void RecomputeGrid();
    // OnChange, then the coalesced selection-changed notification.
    void NotifyChange();
    void RequestSelectionChanged();
    // The last place the caret may stand: the last byte, or behind it in insert mode.
    [[nodiscard]] qint64 LastCaretPosition() const noexcept
    {
        return m_params.insertMode ? m_data.size() : std::max<qint64>(m_data.size() - 1, 0);
    }
    // Moves the caret onto a byte in the given field (clamped to the store); in the hex field
    // onto its low nibble when asked.
    void MoveCaretTo(qint64 position, bool inCharField, bool secondNibble = false);
    void ResetSelection();
    [[nodiscard]] int OffsetUnit() const noexcept;
    // Moves total bytes in steps of at most 61440, `move` (done, step) moving one and returning
    // how many it moved (none ends the copy early); before each step OnProgress hears the
    // percentage when it changed. Returns the bytes moved.
    qint64 copySteps(HexProgressKind kind, qint64 total, const QString& name,
                     const std::function<qint64(qint64 done, qint64 step)>& move);

    // Asks for an undo record of the coming change; raises "Cannot update undo storage" when the
    // change is not allowed. replaced: bytes a replacement takes away; nibble kinds put the
    // high-nibble flag there.
    void CreateUndo(HexUndoFlag kind, qint64 position, qint64 count, qint64 replaced = 0,
                    const QString& description = {});
    // Store changes without undo: keep modified bits and bookmarks in step and re-lay the grid.
    void StoreReplace(qint64 position, qint64 removed, const void* data, qint64 count);
    void StoreInsert(qint64 position, const void* data, qint64 count) { StoreReplace(position, 0, data, count); }
    void StoreRemove(qint64 position, qint64 count) { StoreReplace(position, count, nullptr, 0); }
    // After `removed` bytes at position gave way to `inserted` new ones: bookmarks at or after
    // the point follow by the size difference.
    void MoveBookmarks(qint64 position, qint64 removed, qint64 inserted);
    // Overwrites bytes with an undo record; marks them changed outside insert mode.
    void ChangeBytes(qint64 position, const std::uint8_t* bytes, qint64 count);
    // Selects [anchor, other] in whole units; -1 for `other` clears the selection.
    void SetSelection(qint64 anchor, qint64 other);
    // Every change of the store's size ends here: the selection is clipped to the bytes left,
    // bookmarks past the end are cleared and the caret is kept on the store.
    void KeepStateInStore();
    void AfterEdit();
    void BookmarksChanged();

    void keyPressEvent(QKeyEvent* event) override;
    // A key as the control acts on it; the errors it raises refuse the key with a beep.
    virtual void handleKey(QKeyEvent* event);
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    HexUndoStorage m_undo;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void TopLeftChanged() override;
    void CurrentCellMoved() override;

    HexDataStream m_data;
    HexBitSet m_modifiedBits;
    HexTranslation m_tables;
    HexOffsetFormat m_offsetFormat;
    bool m_modified = false;
    QString m_fileName;
    bool m_readOnlyFile = true;
    bool m_hasFile = false;

    qint64 m_selAnchor = -1;
    qint64 m_selStart = -1;
    qint64 m_selEnd = -1;
    bool m_selecting = false;
    qint64 m_selBeginPosition = -1;
    bool m_inCharField = false;
    HexBookmarks m_bookmarks;
    std::vector<HexRange> m_differences;

private:
    qint64 findImpl(const void* data, qint64 length, qint64 from, qint64 to,
                    bool ignoreCase, int wildcard);
    // Runs a fill of the store as one load: on failure the store is left empty.
    void load(const std::function<void()>& fill);
    void finishLoad();
    // Shows the wait cursor until the returned guard goes, however a long copy or search ends.
    [[nodiscard]] static auto waitCursor()
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    }
    // Fills the store with total bytes, `readStep` (destination, offset, count) reading the
    // next step and returning how many it read.
    void copyIn(qint64 total, const std::function<qint64(std::uint8_t*, qint64, qint64)>& readStep,
                const QString& progressName);
    // The step Redo repeats: the undone record with the bytes, caret, field and selection the
    // step led to, and the bookmarks of then.
    struct RedoStep {
        HexUndoRecord step;
        HexBookmarks bookmarks;
    };
    void undoRecord(const HexUndoRecord& record, bool makeRedo);
    void restoreFromRecord(const HexUndoRecord& record);
    // Puts a remembered selection back; one that no longer fits the store is cleared.
    void restoreSelection(qint64 start, qint64 end, qint64 anchor);
    // After count new bytes at position: they are selected, with the caret on the last when asked.
    void selectInserted(qint64 position, qint64 count, bool moveCaret);
    void shiftNibbles(qint64 nibble, bool insert);
    void handleChar(QChar ch);
    void typeHexDigit(int digit);
    void typeCharacter(QChar ch);
    // Insert-mode typing: a new unit replaces the selection, or is appended or inserted at the caret.
    void placeUnit(const QByteArray& unit, bool append);
    void switchField();
    void moveCaretByKey(int key, bool ctrl);
    void deleteUnit(bool backward);
    void afterCaretMove(qint64 before);
    [[nodiscard]] qint64 pressPosition(QPoint point, int& col, int& row) const;
    void extendMouseSelection(QPoint point);

    std::optional<RedoStep> m_redo;
    bool m_pressInSelection = false;
    int m_pressCol = -1;
    int m_pressRow = -1;
    bool m_mouseSelecting = false;
    QPoint m_lastMouse;
    class QTimer* m_dragTimer = nullptr;
    void applyAutoBytesPerRow();
    [[nodiscard]] QString progressFileName(const QIODevice& stream) const;
    // A fixed size, a forbidden insert mode and a read-only view each rule out insert mode.
    [[nodiscard]] bool insertModeAllowed() const noexcept
    {
        return !m_noSizeChange && m_allowInsertMode && !m_readOnlyView;
    }
    // Sets one of those conditions, leaving insert mode when it no longer may be on.
    void setInsertModeCondition(bool& member, bool value);
    // Setters of properties that only change the picture, or the grid's geometry.
    template <class T>
    void repaintWith(T& member, const T& value)
    {
        member = value;
        viewport()->update();
    }
    template <class T>
    void relayWith(T& member, const T& value)
    {
        member = value;
        RecomputeGrid();
    }

    bool m_autoBytesPerRow = false;
    // The properties that shape the grid, kept as the layout takes them; RecomputeGrid adds
    // the measured fields (unit, size, character cell, gutter).
    HexLayout::Params m_params;
    TranslationKind m_translation = tkAsIs;
    HexCaretKind m_caretKind = ckAuto;
    HexColors m_colors;
    bool m_focusFrame = true;
    bool m_swapNibbles = false;
    char m_maskChar = '.';
    std::bitset<256> m_maskedChars{0xFFFFFFFFu};  // the control codes 0-31
    bool m_noSizeChange = false;
    bool m_allowInsertMode = true;
    bool m_drawGridLines = false;
    bool m_wantTabs = true;
    bool m_readOnlyView = false;
    bool m_hideSelection = false;
    bool m_graySelection = false;
    int m_gutterWidth = -1;
    QPixmap m_bookmarkBitmap;
    int m_maxUndo = 1048576;
    bool m_drawGutter3D = true;
    int m_bytesPerUnit = 1;
    int m_rulerBytesPerUnit = -1;
    bool m_showPositionIfNotFocused = false;
    bool m_unicodeBigEndian = false;
    bool m_findProgress = false;
    int m_selectionChangeCount = 0;
    int m_caretRowPainted = HexLayout::FixedRows;
    std::unique_ptr<HexPainter> m_painter;
};
