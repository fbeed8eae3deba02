// Mouse handling of the hex view: caret placement, drag selection with automatic scrolling,
// and the press-inside-selection rule.
#include "HexEditor.h"

#include <QMouseEvent>
#include <QTimer>

qint64 HexEditor::pressPosition(QPoint point, int& col, int& row) const
{
    if (!CellAt(point, col, row) || row < HexLayout::FixedRows)
        return -1;
    const bool nibble = m_layout.isNibbleCol(col);
    if (!nibble && !m_layout.isCharCol(col))
        return -1;
    if (m_params.insertMode) {
        // Between bytes: the right half of a cell stands for the next cell.
        const QRect r = CellRect(col, row);
        if (point.x() >= r.left() + CharWidth() / 2) {
            if (col == m_layout.lastNibbleCol() || col == m_layout.lastCharCol()) {
                col = nibble ? m_layout.firstNibbleCol() : m_layout.firstCharCol();
                ++row;
            } else {
                ++col;
            }
        }
    }
    return std::clamp<qint64>(m_layout.positionOf(col, row), 0, LastCaretPosition());
}

void HexEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        HexGrid::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    int col = 0, row = 0;
    const qint64 pos = pressPosition(event->position().toPoint(), col, row);
    if (pos < 0)
        return;
    m_pressInSelection = HasSelection() && pos >= m_selStart && pos <= m_selEnd;
    if (m_pressInSelection) {
        m_pressCol = col;
        m_pressRow = row;
        return;
    }
    ResetSelection();
    // Between bytes in insert mode, the caret always stands before a whole byte.
    MoveCaretTo(pos, m_layout.isCharCol(col), m_layout.isSecondNibble(col) && !m_params.insertMode);
    m_mouseSelecting = true;
    m_selBeginPosition = pos;
    m_lastMouse = event->position().toPoint();
}

void HexEditor::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    int col = 0, row = 0;
    const bool overCell = CellAt(point, col, row);
    const qint64 hover = overCell && row >= HexLayout::FixedRows ? m_layout.positionOf(col, row) : -1;
    const bool arrow = !overCell || col < HexLayout::FixedCols || row < HexLayout::FixedRows ||
                       (HasSelection() && hover >= m_selStart && hover <= m_selEnd);
    viewport()->setCursor(arrow ? Qt::ArrowCursor : Qt::IBeamCursor);
    if (!(event->buttons() & Qt::LeftButton) || !m_mouseSelecting)
        return;
    m_lastMouse = point;
    const QRect area = viewport()->rect().adjusted(FixedWidth(), FixedHeight(), 0, 0);
    if (!area.contains(point)) {
        if (!m_dragTimer) {
            m_dragTimer = new QTimer(this);
            m_dragTimer->setInterval(50);
            connect(m_dragTimer, &QTimer::timeout, this, [this] {
                // Scroll towards the pointer while it stays outside the cells.
                const QRect inner = viewport()->rect().adjusted(FixedWidth(), FixedHeight(), 0, 0);
                if (m_lastMouse.y() < inner.top())
                    SetTopRow(TopRow() - 1);
                else if (m_lastMouse.y() > inner.bottom())
                    SetTopRow(TopRow() + 1);
                extendMouseSelection(m_lastMouse);
            });
        }
        m_dragTimer->start();
    } else if (m_dragTimer) {
        m_dragTimer->stop();
    }
    extendMouseSelection(point);
}

void HexEditor::extendMouseSelection(QPoint point)
{
    const QRect inner = viewport()->rect().adjusted(FixedWidth(), FixedHeight(), -1, -1);
    const QPoint clamped(std::clamp(point.x(), inner.left(), inner.right()),
                         std::clamp(point.y(), inner.top(), inner.bottom()));
    int col = 0, row = 0;
    const qint64 pos = pressPosition(clamped, col, row);
    if (pos < 0)
        return;
    const qint64 before = GetCursorPosition();
    MoveCaretTo(pos, m_inCharField);
    afterCaretMove(before);
}

void HexEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragTimer)
        m_dragTimer->stop();
    if (event->button() == Qt::LeftButton && m_pressInSelection) {
        int col = 0, row = 0;
        const qint64 pos = pressPosition(event->position().toPoint(), col, row);
        if (pos >= 0 && col == m_pressCol && row == m_pressRow) {
            ResetSelection();
            MoveCaretTo(pos, m_layout.isCharCol(col));
        }
    }
    m_pressInSelection = false;
    m_mouseSelecting = false;
    HexGrid::mouseReleaseEvent(event);
}

void HexEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click places the caret but starts no drag selection.
    mousePressEvent(event);
    m_mouseSelecting = false;
}
