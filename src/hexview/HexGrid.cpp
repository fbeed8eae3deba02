#include "HexGrid.h"

#include <QScrollBar>

#include <algorithm>

void HexGrid::LayoutChanged()
{
    m_topRow = std::clamp(m_topRow, HexLayout::FixedRows, maxTopRow());
    m_leftCol = std::clamp(m_leftCol, HexLayout::FixedCols, maxLeftCol());
    m_col = std::clamp(m_col, HexLayout::FixedCols, ColCount() - 1);
    m_row = std::clamp(m_row, HexLayout::FixedRows, RowCount() - 1);
    updateScrollBars();
    viewport()->update();
}

int HexGrid::ColWidth(int col) const
{
    return col >= 0 && col < ColCount() ? m_layout.colWidths()[static_cast<std::size_t>(col)] : 0;
}

int HexGrid::RowHeight(int row) const
{
    if (row < 0 || row >= RowCount())
        return 0;
    // Row 0 is the ruler, row 1 the separator of no height.
    return row == 0 ? FixedHeight() : row == 1 ? 0 : m_layout.rowHeight();
}

int HexGrid::ColLeft(int col) const
{
    if (col < HexLayout::FixedCols)
        return m_layout.colLeft(col);
    return FixedWidth() + m_layout.colLeft(col) - m_layout.colLeft(m_leftCol);
}

int HexGrid::RowTop(int row) const
{
    if (row < HexLayout::FixedRows)
        return row == 0 ? 0 : FixedHeight();
    return FixedHeight() + (row - m_topRow) * m_layout.rowHeight();
}

int HexGrid::VisibleRowCount() const
{
    return std::max(1, (viewport()->height() - FixedHeight()) / m_layout.rowHeight());
}

int HexGrid::LastVisibleRow() const
{
    const int h = m_layout.rowHeight();
    const int partial = (viewport()->height() - FixedHeight() + h - 1) / h;
    return std::min(RowCount() - 1, m_topRow + std::max(partial, 1) - 1);
}

int HexGrid::LastVisibleCol() const
{
    // The column under the viewport's last pixel, but not left of the first scrolled one.
    const int x = viewport()->width() - 1 - FixedWidth() + m_layout.colLeft(m_leftCol);
    return std::clamp(m_layout.colAt(x), m_leftCol, ColCount() - 1);
}

QRect HexGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return {};
    if ((col >= HexLayout::FixedCols && col < m_leftCol) || (row >= HexLayout::FixedRows && row < m_topRow))
        return {};
    const QRect r(ColLeft(col), RowTop(row), ColWidth(col), RowHeight(row));
    if (r.left() >= viewport()->width() || r.top() >= viewport()->height())
        return {};
    return r;
}

bool HexGrid::CellAt(QPoint point, int& col, int& row) const
{
    if (point.x() < 0 || point.y() < 0)
        return false;
    // Left of the fixed columns' edge the point is on them; right of it on the scrolled content.
    const int fw = FixedWidth();
    col = m_layout.colAt(point.x() < fw ? point.x() : point.x() - fw + m_layout.colLeft(m_leftCol));
    if (col >= ColCount())
        return false;
    // Above the data rows only the ruler has a height.
    const int fh = FixedHeight();
    row = point.y() < fh ? 0 : m_topRow + (point.y() - fh) / m_layout.rowHeight();
    return row < RowCount();
}

int HexGrid::maxTopRow() const
{
    return std::max(HexLayout::FixedRows, RowCount() - VisibleRowCount());
}

int HexGrid::maxLeftCol() const
{
    const int room = viewport()->width() - FixedWidth();
    const int end = m_layout.colLeft(ColCount());
    int col = ColCount() - 1;
    while (col > HexLayout::FixedCols && end - m_layout.colLeft(col - 1) <= room)
        --col;
    return col;
}

void HexGrid::SetTopRow(int row)
{
    scrollTo(row, m_leftCol);
}

void HexGrid::SetLeftCol(int col)
{
    scrollTo(m_topRow, col);
}

void HexGrid::scrollTo(int top, int left)
{
    top = std::clamp(top, HexLayout::FixedRows, maxTopRow());
    left = std::clamp(left, HexLayout::FixedCols, maxLeftCol());
    if (top == m_topRow && left == m_leftCol)
        return;
    m_topRow = top;
    m_leftCol = left;
    updateScrollBars();
    viewport()->update();
    TopLeftChanged();
}

void HexGrid::SetCurrentCell(int col, int row)
{
    col = std::clamp(col, HexLayout::FixedCols, ColCount() - 1);
    row = std::clamp(row, HexLayout::FixedRows, RowCount() - 1);
    m_col = col;
    m_row = row;
    if (row < m_topRow)
        SetTopRow(row);
    else if (row >= m_topRow + VisibleRowCount())
        SetTopRow(row - VisibleRowCount() + 1);
    if (col < m_leftCol) {
        SetLeftCol(col);
    } else {
        const auto rightEdge = [&](int left) {
            return FixedWidth() + m_layout.colLeft(col + 1) - m_layout.colLeft(left);
        };
        int left = m_leftCol;
        while (left < col && rightEdge(left) > viewport()->width())
            ++left;
        SetLeftCol(left);
    }
    CurrentCellMoved();
}

void HexGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_topRow = std::clamp(m_topRow, HexLayout::FixedRows, maxTopRow());
    m_leftCol = std::clamp(m_leftCol, HexLayout::FixedCols, maxLeftCol());
    updateScrollBars();
}

void HexGrid::scrollContentsBy(int, int)
{
    if (!m_syncingBars)
        scrollTo(verticalScrollBar()->value() + HexLayout::FixedRows,
                 horizontalScrollBar()->value() + HexLayout::FixedCols);
}

void HexGrid::updateScrollBars()
{
    m_syncingBars = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, maxTopRow() - HexLayout::FixedRows);
    v->setPageStep(VisibleRowCount());
    v->setValue(m_topRow - HexLayout::FixedRows);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, maxLeftCol() - HexLayout::FixedCols);
    h->setPageStep(std::max(1, LastVisibleCol() - m_leftCol));
    h->setValue(m_leftCol - HexLayout::FixedCols);
    m_syncingBars = false;
}
