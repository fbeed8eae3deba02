// Keyboard handling of the hex view: caret moves, selection, typing, deleting, bookmarks, undo.
#include "HexEditor.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

namespace {

// X keyboard keycodes of the digit row, "1" to "9" then "0"; X11 and Wayland both report them
// as the native scan code.
constexpr quint32 kKeycodeDigit1 = 10;
constexpr quint32 kKeycodeDigit0 = 19;

// Digit of a bookmark key, by the physical key: with Shift held the layout turns the digit
// into whatever symbol it puts there ("@" on a US layout, "&" on a German one for 6).
int bookmarkDigit(const QKeyEvent* e)
{
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9)
        return e->key() - Qt::Key_0;
    const quint32 keycode = e->nativeScanCode();
    if (keycode >= kKeycodeDigit1 && keycode <= kKeycodeDigit0)
        return int(keycode - kKeycodeDigit1 + 1) % 10;
    return -1;
}

} // namespace

void HexEditor::keyPressEvent(QKeyEvent* event)
{
    // Errors of an edit started by a key end here: the key is refused, nothing escapes the
    // event loop.
    try {
        handleKey(event);
    } catch (const std::exception&) {
        QApplication::beep();
    }
}

bool HexEditor::focusNextPrevChild(bool next)
{
    if (m_wantTabs)
        return false;
    return HexGrid::focusNextPrevChild(next);
}

void HexEditor::handleKey(QKeyEvent* e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool shift = mods & Qt::ShiftModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const int key = e->key();
    e->accept();

    if (key == Qt::Key_Shift || (key == Qt::Key_Control && shift)) {
        m_selecting = true;
        return;
    }
    if (key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta)
        return;
    m_selecting = shift;
    if (!(mods & ~Qt::ShiftModifier) && !m_params.insertMode && !shift)
        ResetSelection();

    if (ctrl) {
        const int digit = bookmarkDigit(e);
        if (digit >= 0) {
            if (shift)
                SetBookmark(digit, GetCursorPosition(), m_inCharField);  // again at the same place: cleared
            else
                GotoBookmark(digit);
            return;
        }
        switch (key) {
        case Qt::Key_A: SelectAll(); return;
        case Qt::Key_Z: shift ? Redo() : Undo(); return;
        case Qt::Key_T: switchField(); return;
        default: break;
        }
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        moveCaretByKey(key, ctrl);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (m_wantTabs && !ctrl)
            switchField();
        else
            e->ignore();
        return;
    case Qt::Key_Insert:
        if (!ctrl && !shift)
            SetInsertMode(!m_params.insertMode);
        return;
    case Qt::Key_Backspace:
        if (m_params.insertMode)
            deleteUnit(true);
        else
            moveCaretByKey(Qt::Key_Left, false);
        return;
    case Qt::Key_Delete:
        if (m_params.insertMode || ctrl)
            deleteUnit(false);
        return;
    default: break;
    }
    if (!ctrl && !e->text().isEmpty())
        handleChar(e->text()[0]);
    else
        e->ignore();
}

void HexEditor::moveCaretByKey(int key, bool ctrl)
{
    const qint64 size = m_data.size();
    const qint64 last = LastCaretPosition();
    const qint64 bpr = m_params.bytesPerRow;
    const qint64 pos = std::min(GetCursorPosition(), last);
    bool inChar = m_inCharField;
    const bool second = m_layout.isSecondNibble(Col());
    const qint64 step = (m_selecting || (inChar && m_params.unicodeChars)) ? m_bytesPerUnit : (inChar ? 1 : 0);
    qint64 target = pos;
    bool targetSecond = false;
    const qint64 rowStart = pos - pos % bpr;
    const int page = std::max(1, VisibleRowCount() - 1);

    switch (key) {
    case Qt::Key_Left:
        if (ctrl)
            target = rowStart;
        else if (step == 0) {
            // One nibble column inside the hex field.
            const qint64 nibble = std::max<qint64>(2 * pos + (second ? 1 : 0) - 1, 0);
            target = nibble / 2;
            targetSecond = nibble & 1;
        } else
            target = std::max<qint64>(pos - step, 0);
        break;
    case Qt::Key_Right:
        if (ctrl) {
            // The row's last character column.
            target = std::min(rowStart + bpr - 1, last);
            inChar = true;
        } else if (step == 0) {
            const qint64 lastNibble = m_params.insertMode ? 2 * size : 2 * size - 1;
            const qint64 nibble = std::min<qint64>(2 * pos + (second ? 1 : 0) + 1, std::max<qint64>(lastNibble, 0));
            target = nibble / 2;
            targetSecond = nibble & 1;
        } else
            target = std::min(pos + step, last);
        break;
    case Qt::Key_Up:
        if (ctrl)
            return;
        target = pos >= bpr ? pos - bpr : pos;
        targetSecond = second;
        break;
    case Qt::Key_Down:
        if (ctrl)
            return;
        target = pos + bpr <= last ? pos + bpr : (pos / bpr < last / bpr ? last : pos);
        targetSecond = second && target == pos + bpr;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const qint64 col = pos % bpr;
        if (ctrl) {
            const qint64 row = key == Qt::Key_PageUp ? TopRow() : TopRow() + VisibleRowCount() - 1;
            target = std::min<qint64>(qint64(row - HexLayout::FixedRows) * bpr + col, last);
        } else {
            const qint64 delta = qint64(page) * bpr * (key == Qt::Key_PageUp ? -1 : 1);
            target = std::clamp<qint64>(pos + delta, col, last);
            SetTopRow(TopRow() + (key == Qt::Key_PageUp ? -page : page));
        }
        targetSecond = second;
        break;
    }
    case Qt::Key_Home: target = ctrl ? 0 : rowStart; break;
    case Qt::Key_End: target = ctrl ? last : std::min(rowStart + bpr - 1, last); break;
    default: return;
    }
    MoveCaretTo(target, inChar, targetSecond);
    afterCaretMove(pos);
}

void HexEditor::switchField()
{
    MoveCaretTo(GetCursorPosition(), !m_inCharField);
    afterCaretMove(GetCursorPosition());
}

void HexEditor::afterCaretMove(qint64 before)
{
    const qint64 caret = GetCursorPosition();
    if (!(m_selecting || m_mouseSelecting)) {
        ResetSelection();
        return;
    }
    if (m_selBeginPosition < 0) {
        m_selBeginPosition = before;
    }
    const qint64 begin = m_selBeginPosition;
    if (!m_params.insertMode) {
        SetSelection(begin, caret);
    } else if (caret == begin) {
        // Between bytes: back at the start means nothing selected.
        m_selAnchor = m_selStart = m_selEnd = -1;
        viewport()->update();
    } else if (caret > begin) {
        SetSelection(begin, caret - 1);
    } else {
        SetSelection(begin - 1, caret);
    }
}

void HexEditor::deleteUnit(bool backward)
{
    if (m_readOnlyView)
        return;
    if (HasSelection()) {
        DeleteSelection();
        return;
    }
    const qint64 size = m_data.size();
    const qint64 unit = m_bytesPerUnit;
    qint64 pos = (GetCursorPosition() / unit) * unit;
    qint64 count = unit;
    if (backward) {
        if (GetCursorPosition() == 0)
            return;
        if (GetCursorPosition() >= size && size % unit != 0) {
            // Only the odd tail behind the last whole unit goes.
            count = size % unit;
            pos = size - count;
        } else {
            pos = std::max<qint64>(pos - unit, 0);
        }
    } else {
        if (pos >= size)
            return;
        count = std::min(unit, size - pos);
    }
    CreateUndo(ufKindByteRemoved, pos, count);
    StoreRemove(pos, count);
    MoveCaretTo(pos, m_inCharField);
    ResetSelection();
    AfterEdit();
}

void HexEditor::handleChar(QChar ch)
{
    if (m_readOnlyView || (ch.unicode() < 256 && m_maskedChars.test(ch.unicode())) || ch.unicode() < 32)
        return;
    const qint64 size = m_data.size();
    const qint64 pos = GetCursorPosition();
    if (!m_params.insertMode && pos >= size)
        return;
    if (!m_params.insertMode)
        ResetSelection();
    if (m_inCharField)
        typeCharacter(ch);
    else {
        const int digit = hexDigitValue(ch);
        if (digit < 0) {
            if (OnInvalidKey)
                OnInvalidKey();
            return;
        }
        typeHexDigit(digit);
    }
}

void HexEditor::typeHexDigit(int digit)
{
    const qint64 size = m_data.size();
    const qint64 pos = GetCursorPosition();
    const bool second = m_layout.isSecondNibble(Col());
    const bool highColumn = second == m_swapNibbles;
    const std::uint8_t old = pos < size ? m_data.at(pos) : 0;
    const bool unitStart = pos % m_bytesPerUnit == 0 && !second;
    if (!m_params.insertMode || (!unitStart && !HasSelection())) {
        if (pos >= size)
            return;
        const std::uint8_t value = (highColumn || HasSelection()) ? std::uint8_t(digit << 4 | (old & 0x0F))
                                                                  : std::uint8_t((old & 0xF0) | digit);
        ChangeBytes(pos, &value, 1);
    } else {
        QByteArray unit(m_bytesPerUnit, '\0');
        unit[0] = char(m_swapNibbles ? digit : digit << 4);
        placeUnit(unit, size == 0);
    }
    m_selecting = false;
    moveCaretByKey(Qt::Key_Right, false);
}

void HexEditor::typeCharacter(QChar ch)
{
    const qint64 size = m_data.size();
    const qint64 pos = GetCursorPosition();
    QByteArray unit(m_params.insertMode ? m_bytesPerUnit : (m_params.unicodeChars ? 2 : 1), '\0');
    if (m_params.unicodeChars) {
        const char16_t v = ch.unicode();
        unit[0] = char(m_unicodeBigEndian ? v >> 8 : v & 0xFF);
        unit[1] = char(m_unicodeBigEndian ? v & 0xFF : v >> 8);
    } else {
        // Back through the table the character field is shown with, so what is shown can be
        // typed (the euro sign stands for 0x80).
        const int ansi = ansiByteOf(ch);
        std::uint8_t b = 0;
        if (ansi >= 32 && !(m_translation == tkASCII && ansi > 127))
            b = m_tables.fromAnsi(m_translation)[std::size_t(ansi)];
        if (m_maskedChars.test(b) || ansi < 0) {
            if (OnInvalidKey)
                OnInvalidKey();
            return;
        }
        unit[0] = char(b);
    }
    const int width = m_params.unicodeChars ? 2 : 1;
    // Outside insert mode the caret is on a byte: handleChar saw to that.
    if (!m_params.insertMode || (!HasSelection() && pos < size && pos % m_bytesPerUnit != 0)) {
        ChangeBytes(pos, reinterpret_cast<const std::uint8_t*>(unit.constData()),
                    std::min<qint64>(width, size - pos));
    } else {
        placeUnit(unit, pos >= size);
    }
    m_selecting = false;
    moveCaretByKey(Qt::Key_Right, false);
}

void HexEditor::placeUnit(const QByteArray& unit, bool append)
{
    // The new unit stands where the selection began, or at the caret.
    const qint64 at = HasSelection() ? m_selStart : GetCursorPosition();
    if (HasSelection())
        ReplaceSelection(unit.constData(), unit.size(), {}, false);
    else if (append)
        AppendBuffer(unit.constData(), unit.size(), {}, false);
    else
        InsertBuffer(unit.constData(), unit.size(), at, {}, false);
    ResetSelection();
    MoveCaretTo(at, m_inCharField);
}
