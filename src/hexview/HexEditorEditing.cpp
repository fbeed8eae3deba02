// Editing operations of the hex view: every change goes through CreateUndo first, so a refused
// record leaves the data untouched.
#include "HexEditor.h"
#include "HexEditorError.h"

#include <algorithm>

void HexEditor::CreateUndo(HexUndoFlag kind, qint64 position, qint64 count, qint64 replaced,
                           const QString& description)
{
    const qint64 size = m_data.size();
    bool allowed = size > 0 || kind == ufKindInsertBuffer || kind == ufKindAppendBuffer ||
                   kind == ufKindAllData;
    // A fixed size refuses every kind that changes the size, and a replacement by another length.
    constexpr std::uint32_t resizing = hexUndoBit(ufKindByteRemoved) | hexUndoBit(ufKindInsertBuffer) |
                                       hexUndoBit(ufKindAppendBuffer) | hexUndoBit(ufKindNibbleInsert) |
                                       hexUndoBit(ufKindNibbleDelete);
    if (m_noSizeChange && ((resizing & hexUndoBit(kind)) || (kind == ufKindReplace && count != replaced)))
        allowed = false;
    if (kind == ufKindCombined && size == 0)
        allowed = m_undo.count() >= count;
    if (!allowed)
        throw HexEditorError(HexMessages::UndoRefused);

    if (m_undo.updateCount > 0) {
        m_undo.groupWrote = true;
    } else {
        m_redo.reset();
        HexUndoRecord r;
        r.flags = hexUndoBit(kind);
        const auto flag = [&r](HexUndoFlag f, bool on) { if (on) r.flags |= hexUndoBit(f); };
        flag(ufFlag2ndByteCol, m_layout.isSecondNibble(Col()));
        flag(ufFlagInCharField, m_inCharField);
        flag(ufFlagInsertMode, m_params.insertMode);
        flag(ufFlagIsUnicode, m_params.unicodeChars);
        flag(ufFlagIsUnicodeBigEndian, m_unicodeBigEndian);
        flag(ufFlagModified, m_modified);
        flag(ufFlagHasSelection, HasSelection());
        flag(ufFlagHasDescription, !description.isEmpty());
        r.caret = std::int32_t(kind == ufKindSelection ? position : GetCursorPosition());
        r.position = std::int32_t(position);
        r.count = std::int32_t(count);
        r.replaced = std::int32_t(replaced);
        r.translation = std::uint8_t(m_translation);
        r.bytesPerUnit = m_bytesPerUnit;
        r.description = description;
        r.selStart = std::int32_t(m_selStart);
        r.selEnd = std::int32_t(m_selEnd);
        r.selAnchor = std::int32_t(m_selAnchor);
        switch (kind) {
        case ufKindBytesChanged:
        case ufKindByteRemoved:
        case ufKindConvert: r.saved = m_data.copy(position, count); break;
        case ufKindReplace: r.saved = m_data.copy(position, replaced); break;
        case ufKindNibbleInsert:
        case ufKindNibbleDelete:
            if (position < size)
                r.saved = m_data.copy(position, 1);
            break;
        case ufKindCombined: {
            const QByteArray text = description.left(255).toUtf8().left(255);
            r.saved = QByteArray(1, char(text.size())) + text;
            break;
        }
        case ufKindAllData: r.saved = m_data.copy(0, size); break;
        default: break;
        }
        if (kind == ufKindBytesChanged || kind == ufKindConvert) {
            flag(ufFlagByte1Changed, m_modifiedBits.test(position));
            flag(ufFlagByte2Changed, count > 1 && m_modifiedBits.test(position + 1));
        }
        m_undo.append(r, m_maxUndo);
    }
    // Saving the whole store for a group and moving the caret change no data.
    if (kind != ufKindAllData && kind != ufKindSelection)
        m_modified = true;
}

void HexEditor::StoreReplace(qint64 position, qint64 removed, const void* data, qint64 count)
{
    m_data.remove(position, removed);
    m_data.insert(position, data, count);
    m_modifiedBits.truncate(position);
    MoveBookmarks(position, removed, count);
    RecomputeGrid();
}

void HexEditor::MoveBookmarks(qint64 position, qint64 removed, qint64 inserted)
{
    // Bookmarks behind the changed range keep their bytes; one inside a removed range stays on
    // the last new byte, or on the point of removal when nothing new came in. One that ends
    // past the end is cleared with the grid's next recount (KeepStateInStore).
    const qint64 insideLimit = position + std::max<qint64>(inserted - 1, 0);
    bool changed = false;
    for (HexBookmark& b : m_bookmarks) {
        if (b.position < position)
            continue;
        b.position = b.position >= position + removed ? b.position + inserted - removed
                                                      : std::min(b.position, insideLimit);
        changed = true;
    }
    if (changed)
        BookmarksChanged();
}

void HexEditor::ChangeBytes(qint64 position, const std::uint8_t* bytes, qint64 count)
{
    hexCheckBounds(position, count, m_data.size());
    if (std::equal(bytes, bytes + count, m_data.addressOf(position, count)))
        return;
    CreateUndo(ufKindBytesChanged, position, count);
    for (qint64 i = 0; i < count; ++i) {
        if (m_data.at(position + i) == bytes[i])
            continue;
        m_data.writeAt(position + i, bytes + i, 1);
        if (!m_params.insertMode)
            m_modifiedBits.set(position + i, true);
    }
    // An overwrite changes only the rows holding the bytes.
    const int width = viewport()->width();
    for (int row = m_layout.rowOf(position); row <= m_layout.rowOf(position + count - 1); ++row)
        if (row >= TopRow() && row <= LastVisibleRow())
            viewport()->update(0, RowTop(row), width, m_layout.rowHeight());
    NotifyChange();
}

void HexEditor::AfterEdit()
{
    viewport()->update();
    NotifyChange();
}

void HexEditor::BookmarksChanged()
{
    viewport()->update();
    if (OnBookmarkChanged)
        OnBookmarkChanged();
}

void HexEditor::InsertBuffer(const void* data, qint64 count, qint64 position,
                             const QString& description, bool moveCaret)
{
    hexCheckBounds(position, 0, m_data.size());
    if (count <= 0)
        return;
    CreateUndo(ufKindInsertBuffer, position, count, 0, description);
    StoreInsert(position, data, count);
    selectInserted(position, count, moveCaret);
}

void HexEditor::AppendBuffer(const void* data, qint64 count, const QString& description,
                             bool moveCaret)
{
    if (count <= 0 || !data)
        return;
    const qint64 position = m_data.size();
    CreateUndo(ufKindAppendBuffer, position, count, 0, description);
    StoreInsert(position, data, count);
    selectInserted(position, count, moveCaret);
}

void HexEditor::ReplaceSelection(const void* data, qint64 count, const QString& description,
                                 bool moveCaret)
{
    if (!HasSelection()) {
        const qint64 caret = std::min(GetCursorPosition(), m_data.size());
        InsertBuffer(data, count, caret, description, moveCaret);
        return;
    }
    const qint64 low = m_selStart;
    qint64 replaced = m_selEnd - m_selStart + 1;
    if (m_noSizeChange) {
        count = std::min(count, replaced);
        replaced = count;
    }
    if (count <= 0)
        return;
    CreateUndo(ufKindReplace, low, count, replaced, description);
    StoreReplace(low, replaced, data, count);
    selectInserted(low, count, moveCaret);
}

void HexEditor::selectInserted(qint64 position, qint64 count, bool moveCaret)
{
    if (moveCaret)
        MoveCaretTo(position + count - 1, m_inCharField);
    SetSelection(position, position + count - 1);
    AfterEdit();
}

void HexEditor::DeleteSelection(const QString& description)
{
    const qint64 low = HasSelection() ? m_selStart : GetCursorPosition();
    qint64 count = HasSelection() ? SelCount() : 1;
    if (low >= m_data.size())
        return;
    count = std::min(count, m_data.size() - low);
    CreateUndo(ufKindByteRemoved, low, count, 0, description);
    StoreRemove(low, count);
    ResetSelection();
    MoveCaretTo(low, m_inCharField);
    AfterEdit();
}

void HexEditor::shiftNibbles(qint64 nibble, bool insert)
{
    // Done in memory: the store is one block in memory already, and a temporary file would
    // only add a way to fail (full or unwritable temp folder) halfway through a shift.
    // Inserting grows the store by one byte (the last nibble pads with 0); deleting keeps the
    // size and pads the end with a 0 nibble.
    const qint64 first = nibble / 2;
    if (insert)
        m_data.setSize(m_data.size() + 1, 0);
    const qint64 size = m_data.size();
    std::uint8_t* p = m_data.addressOf(0, size);
    if (insert) {
        for (qint64 i = size - 1; i > first; --i)
            p[i] = std::uint8_t((p[i - 1] << 4) | (p[i] >> 4));
        p[first] = (nibble & 1) ? std::uint8_t(p[first] & 0xF0) : std::uint8_t(p[first] >> 4);
    } else {
        const auto next = [&](qint64 i) { return i + 1 < size ? p[i + 1] >> 4 : 0; };
        p[first] = (nibble & 1) ? std::uint8_t((p[first] & 0xF0) | next(first))
                                : std::uint8_t((p[first] << 4) | next(first));
        for (qint64 i = first + 1; i < size; ++i)
            p[i] = std::uint8_t((p[i] << 4) | next(i));
    }
    m_modifiedBits.truncate(first);
}

void HexEditor::InsertNibble(qint64 position, bool highNibble, const QString& description)
{
    hexCheckBounds(position, 0, m_data.size());
    CreateUndo(ufKindNibbleInsert, position, 1, highNibble ? 1 : 0, description);
    shiftNibbles(2 * position + (highNibble ? 0 : 1), true);
    RecomputeGrid();
    AfterEdit();
}

void HexEditor::DeleteNibble(qint64 position, bool highNibble, const QString& description)
{
    hexCheckBounds(position, 1, m_data.size());
    CreateUndo(ufKindNibbleDelete, position, 1, highNibble ? 1 : 0, description);
    shiftNibbles(2 * position + (highNibble ? 0 : 1), false);
    AfterEdit();
}

void HexEditor::ConvertRange(qint64 from, qint64 to, TranslationKind target,
                             TranslationKind source, const QString& description)
{
    const qint64 count = to - from + 1;
    hexCheckBounds(from, count, m_data.size());
    if (count <= 0)
        return;
    CreateUndo(ufKindConvert, from, count, 0, description);
    m_data.translateToAnsi(m_tables, source, from, count);
    m_data.translateFromAnsi(m_tables, target, from, count);
    AfterEdit();
}

void HexEditor::SetSelection(qint64 anchor, qint64 other)
{
    const qint64 unit = m_bytesPerUnit;
    const qint64 low = (std::min(anchor, other) / unit) * unit;
    const qint64 high = std::min(m_data.size() - 1, (std::max(anchor, other) / unit + 1) * unit - 1);
    // No other end, or no byte in between (an empty store has none at all).
    if (anchor < 0 || other < 0 || low > high) {
        ResetSelection();
        return;
    }
    m_selAnchor = anchor;
    m_selStart = low;
    m_selEnd = high;
    viewport()->update();
    RequestSelectionChanged();
}

void HexEditor::KeepStateInStore()
{
    const qint64 size = m_data.size();
    if (m_selStart >= size) {
        ResetSelection();
    } else if (m_selEnd >= size) {
        m_selEnd = size - 1;
        m_selAnchor = std::min(m_selAnchor, size - 1);
        RequestSelectionChanged();
    }
    m_selBeginPosition = std::min(m_selBeginPosition, size);
    bool cleared = false;
    for (HexBookmark& b : m_bookmarks) {
        if (b.position > size || (b.position == size && !m_params.insertMode)) {
            b = HexBookmark{};
            cleared = true;
        }
    }
    if (cleared)
        BookmarksChanged();
    if (GetCursorPosition() > LastCaretPosition())
        MoveCaretTo(LastCaretPosition(), m_inCharField);
}

std::span<const std::uint8_t> HexEditor::SelectedBytes() const
{
    if (!HasSelection())
        return {};
    const qint64 count = m_selEnd - m_selStart + 1;
    return {m_data.addressOf(m_selStart, count), std::size_t(count)};
}

void HexEditor::SelectAll()
{
    if (m_data.size() == 0)
        return;
    MoveCaretTo(LastCaretPosition(), m_inCharField);
    SetSelection(0, m_data.size() - 1);
}

qint64 HexEditor::SelStart() const
{
    return HasSelection() ? m_selAnchor : GetCursorPosition();
}

qint64 HexEditor::SelEnd() const
{
    if (!HasSelection())
        return GetCursorPosition();
    return m_selAnchor == m_selStart ? m_selEnd : m_selStart;
}

qint64 HexEditor::SelCount() const
{
    return HasSelection() ? m_selEnd - m_selStart + 1 : 0;
}

void HexEditor::SetSelStart(qint64 position)
{
    if (position < 0 || position >= std::max<qint64>(m_data.size(), 1))
        throw HexEditorError(HexMessages::SelStart);
    ResetSelection();
    MoveCaretTo(position, m_inCharField);
    RequestSelectionChanged();
}

void HexEditor::SetSelEnd(qint64 position)
{
    if (position < 0 || position >= m_data.size())
        throw HexEditorError(HexMessages::SelEnd);
    SetSelection(GetCursorPosition(), position);
}

HexBookmark HexEditor::GetBookmark(int index) const
{
    if (index < 0 || index > 9)
        throw HexEditorError(HexMessages::BookmarkIndex);
    return m_bookmarks[std::size_t(index)];
}

void HexEditor::SetBookmark(int index, qint64 position, bool inCharField)
{
    const HexBookmark wanted{position, inCharField};
    m_bookmarks[std::size_t(index)] = GetBookmark(index) == wanted ? HexBookmark{} : wanted;
    BookmarksChanged();
}

void HexEditor::GotoBookmark(int index)
{
    const HexBookmark b = GetBookmark(index);
    if (b.position < 0)
        return;
    if (b.position > m_data.size() || (b.position == m_data.size() && !m_params.insertMode)) {
        m_bookmarks[std::size_t(index)] = HexBookmark{};
        BookmarksChanged();
        return;
    }
    ResetSelection();
    MoveCaretTo(b.position, b.inCharField);
}
