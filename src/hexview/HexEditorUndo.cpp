// Undo and redo of the hex view over the byte records of HexUndoStorage.
#include "HexEditor.h"

#include <algorithm>

namespace {

QByteArray copyOf(const HexDataStream& data, qint64 position, qint64 count)
{
    count = std::clamp<qint64>(count, 0, std::max<qint64>(data.size() - position, 0));
    return count > 0 ? data.copy(position, count) : QByteArray();
}

} // namespace

bool HexEditor::CanUndo() const
{
    return m_undo.count() > 0 && m_undo.updateCount == 0 && !m_readOnlyView;
}

bool HexEditor::CanRedo() const
{
    return m_redo.has_value() && !m_readOnlyView;
}

QString HexEditor::GetUndoDescription() const
{
    const auto r = m_undo.newest();
    if (!r)
        return QStringLiteral("No undo");
    if (r->has(ufFlagHasDescription))
        return r->description;
    if (r->kind() == ufKindCombined && !r->saved.isEmpty())
        return QString::fromUtf8(r->saved.mid(1, std::uint8_t(r->saved[0])));
    return hexUndoDefaultDescription(r->kind());
}

void HexEditor::undoRecord(const HexUndoRecord& r, bool makeRedo)
{
    const HexUndoFlag kind = r.kind();
    const qint64 pos = r.position;
    if (makeRedo) {
        HexUndoRecord step = r;
        switch (kind) {
        case ufKindBytesChanged:
        case ufKindConvert: step.saved = copyOf(m_data, pos, r.saved.size()); break;
        case ufKindInsertBuffer:
        case ufKindReplace: step.saved = copyOf(m_data, pos, r.count); break;
        case ufKindAppendBuffer: step.saved = copyOf(m_data, pos, m_data.size() - pos); break;
        case ufKindNibbleInsert:
        case ufKindNibbleDelete:
        case ufKindAllData: step.saved = copyOf(m_data, 0, m_data.size()); break;
        default: step.saved.clear(); break;
        }
        step.flags = hexUndoBit(kind) | (m_inCharField ? hexUndoBit(ufFlagInCharField) : 0);
        step.caret = std::int32_t(GetCursorPosition());
        step.selStart = std::int32_t(m_selStart);
        step.selEnd = std::int32_t(m_selEnd);
        step.selAnchor = std::int32_t(m_selAnchor);
        m_redo = RedoStep{std::move(step), m_bookmarks};
    }
    switch (kind) {
    case ufKindBytesChanged:
    case ufKindConvert:
        m_data.writeAt(pos, r.saved.constData(), r.saved.size());
        if (kind == ufKindBytesChanged) {
            m_modifiedBits.set(pos, r.has(ufFlagByte1Changed));
            if (r.saved.size() > 1)
                m_modifiedBits.set(pos + 1, r.has(ufFlagByte2Changed));
        }
        break;
    case ufKindByteRemoved: StoreInsert(pos, r.saved.constData(), r.count); break;
    case ufKindInsertBuffer: StoreRemove(pos, r.count); break;
    case ufKindReplace: StoreReplace(pos, r.count, r.saved.constData(), r.replaced); break;
    case ufKindAppendBuffer: StoreRemove(pos, m_data.size() - pos); break;
    case ufKindNibbleInsert:
    case ufKindNibbleDelete:
        shiftNibbles(2 * pos + (r.replaced ? 0 : 1), kind == ufKindNibbleDelete);
        if (pos < m_data.size())
            m_data.writeAt(pos, r.saved.constData(), 1);
        m_data.setSize(m_data.size() - 1);
        break;
    case ufKindAllData:
        m_data.setSize(r.count);
        m_data.writeAt(0, r.saved.constData(), r.count);
        m_modifiedBits.clear();
        break;
    case ufKindSelection:
    case ufKindCombined:
    default: break;
    }
    restoreFromRecord(r);
}

void HexEditor::restoreFromRecord(const HexUndoRecord& r)
{
    m_params.insertMode = r.has(ufFlagInsertMode);
    m_params.unicodeChars = r.has(ufFlagIsUnicode);
    m_unicodeBigEndian = r.has(ufFlagIsUnicodeBigEndian);
    if (r.translation <= tkCustom)
        m_translation = TranslationKind(r.translation);
    if (hexIsUnit(r.bytesPerUnit))
        m_bytesPerUnit = r.bytesPerUnit;
    RecomputeGrid();
    MoveCaretTo(r.caret, r.has(ufFlagInCharField), r.has(ufFlag2ndByteCol));
    m_modified = r.has(ufFlagModified);
    restoreSelection(r.has(ufFlagHasSelection) ? r.selStart : -1, r.selEnd, r.selAnchor);
}

void HexEditor::restoreSelection(qint64 start, qint64 end, qint64 anchor)
{
    if (start < 0 || end >= m_data.size()) {
        ResetSelection();
        return;
    }
    m_selStart = start;
    m_selEnd = end;
    m_selAnchor = anchor;
}

bool HexEditor::Undo()
{
    if (!CanUndo())
        return false;
    const auto r = m_undo.newest();
    if (!r) {
        m_undo.clear();
        return false;
    }
    if (r->kind() == ufKindCombined) {
        m_undo.removeNewest();
        for (int i = 0; i < r->count; ++i) {
            const auto inner = m_undo.newest();
            if (!inner)
                break;
            undoRecord(*inner, false);
            m_undo.removeNewest();
        }
        m_redo.reset();
    } else {
        undoRecord(*r, true);
        m_undo.removeNewest();
    }
    AfterEdit();
    return true;
}

bool HexEditor::Redo()
{
    if (!CanRedo())
        return false;
    const auto [step, bookmarks] = *m_redo;
    m_redo.reset();
    const HexUndoFlag kind = step.kind();
    const qint64 pos = step.position;
    const qint64 n = step.saved.size();
    // The repeated step is recorded again, so it can be undone like the original edit.
    switch (kind) {
    case ufKindBytesChanged:
    case ufKindConvert:
        CreateUndo(kind, pos, n);
        for (qint64 i = 0; i < n; ++i)
            if (kind == ufKindBytesChanged && !m_params.insertMode && m_data.at(pos + i) != std::uint8_t(step.saved[i]))
                m_modifiedBits.set(pos + i, true);
        m_data.writeAt(pos, step.saved.constData(), n);
        break;
    case ufKindByteRemoved:
        CreateUndo(kind, pos, step.count);
        StoreRemove(pos, step.count);
        break;
    case ufKindReplace:
        CreateUndo(kind, pos, n, step.replaced);
        StoreReplace(pos, step.replaced, step.saved.constData(), n);
        break;
    case ufKindInsertBuffer:
    case ufKindAppendBuffer:
        CreateUndo(kind, pos, n);
        StoreInsert(pos, step.saved.constData(), n);
        break;
    case ufKindNibbleInsert:
    case ufKindNibbleDelete:
    case ufKindAllData:
        CreateUndo(ufKindAllData, 0, m_data.size());
        m_data.setSize(n);
        m_data.writeAt(0, step.saved.constData(), n);
        m_modifiedBits.clear();
        m_modified = true;
        RecomputeGrid();
        break;
    default: break;
    }
    m_bookmarks = bookmarks;
    MoveCaretTo(step.caret, step.has(ufFlagInCharField));
    restoreSelection(step.selStart, step.selEnd, step.selAnchor);
    AfterEdit();
    return true;
}

void HexEditor::UndoBeginUpdate()
{
    if (m_undo.updateCount++ == 0)
        m_undo.groupWrote = false;
}

void HexEditor::UndoEndUpdate()
{
    if (m_undo.updateCount > 0)
        --m_undo.updateCount;
}

void HexEditor::CombineUndo(int count, const QString& description)
{
    if (count <= 0)
        return;
    CreateUndo(ufKindCombined, GetCursorPosition(), count, 0, description);
}

void HexEditor::ResetUndo()
{
    m_undo.clear();
    m_redo.reset();
}

void HexEditor::AddSelectionUndo(qint64 position, qint64 count)
{
    CreateUndo(ufKindSelection, position, count);
}
