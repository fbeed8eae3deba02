#include "HexGrid.h"

#include <QScrollBar>

#include <algorithm>
#include <numeric>

void HexGrid::SetGridGeometry(std::vector<int> colWidths, int rowCount, int fixedCols,
                              int fixedRows, std::vector<int> fixedRowHeights, int rowHeight)
{
    m_colWidths = std::move(colWidths);
    m_colLeft.assign(m_colWidths.size() + 1, 0);
    std::partial_sum(m_colWidths.begin(), m_colWidths.end(), m_colLeft.begin() + 1);
    m_rowCount = rowCount;
    m_fixedCols = fixedCols;
    m_fixedRows = fixedRows;
    fixedRowHeights.resize(static_cast<std::size_t>(fixedRows), 0);
    m_fixedRowTop.assign(fixedRowHeights.size() + 1, 0);
    std::partial_sum(fixedRowHeights.begin(), fixedRowHeights.end(), m_fixedRowTop.begin() + 1);
    m_rowHeight = std::max(rowHeight, 1);
    m_topRow = std::clamp(m_topRow, m_fixedRows, maxTopRow());
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, maxLeftCol());
    m_col = std::clamp(m_col, m_fixedCols, std::max(m_fixedCols, ColCount() - 1));
    m_row = std::clamp(m_row, m_fixedRows, std::max(m_fixedRows, m_rowCount - 1));
    updateScrollBars();
    viewport()->update();
}

int HexGrid::ColWidth(int col) const
{
    return col >= 0 && col < ColCount() ? m_colWidths[static_cast<std::size_t>(col)] : 0;
}

int HexGrid::RowHeight(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return 0;
    const auto r = static_cast<std::size_t>(row);
    return row < m_fixedRows ? m_fixedRowTop[r + 1] - m_fixedRowTop[r] : m_rowHeight;
}

int HexGrid::FixedWidth() const
{
    return m_colLeft.empty() ? 0 : m_colLeft[static_cast<std::size_t>(std::min(m_fixedCols, ColCount()))];
}

int HexGrid::FixedHeight() const
{
    return m_fixedRowTop.back();
}

int HexGrid::ColLeft(int col) const
{
    if (col < m_fixedCols)
        return m_colLeft[static_cast<std::size_t>(col)];
    return FixedWidth() + m_colLeft[static_cast<std::size_t>(col)] -
           m_colLeft[static_cast<std::size_t>(m_leftCol)];
}

int HexGrid::RowTop(int row) const
{
    if (row < m_fixedRows)
        return m_fixedRowTop[static_cast<std::size_t>(row)];
    return FixedHeight() + (row - m_topRow) * m_rowHeight;
}

int HexGrid::VisibleRowCount() const
{
    return std::max(1, (viewport()->height() - FixedHeight()) / m_rowHeight);
}

int HexGrid::LastVisibleRow() const
{
    const int partial = (viewport()->height() - FixedHeight() + m_rowHeight - 1) / m_rowHeight;
    return std::min(m_rowCount - 1, m_topRow + std::max(partial, 1) - 1);
}

int HexGrid::LastVisibleCol() const
{
    int col = m_leftCol;
    while (col + 1 < ColCount() && ColLeft(col + 1) < viewport()->width())
        ++col;
    return col;
}

QRect HexGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= m_rowCount)
        return {};
    if ((col >= m_fixedCols && col < m_leftCol) || (row >= m_fixedRows && row < m_topRow))
        return {};
    const QRect r(ColLeft(col), RowTop(row), ColWidth(col), RowHeight(row));
    if (r.left() >= viewport()->width() || r.top() >= viewport()->height())
        return {};
    return r;
}

bool HexGrid::CellAt(QPoint point, int& col, int& row) const
{
    if (point.x() < 0 || point.y() < 0 || ColCount() == 0)
        return false;
    // Left of the fixed columns' edge the point is on them; right of it on the scrolled content.
    const int fw = FixedWidth();
    const int x = point.x() < fw ? point.x() : point.x() - fw + m_colLeft[static_cast<std::size_t>(m_leftCol)];
    col = static_cast<int>(std::upper_bound(m_colLeft.begin(), m_colLeft.end(), x) - m_colLeft.begin()) - 1;
    if (col >= ColCount())
        return false;
    const int fh = FixedHeight();
    if (point.y() < fh) {
        const auto it = std::upper_bound(m_fixedRowTop.begin(), m_fixedRowTop.end(), point.y());
        row = static_cast<int>(it - m_fixedRowTop.begin()) - 1;
    } else {
        row = m_topRow + (point.y() - fh) / m_rowHeight;
    }
    return row < m_rowCount;
}

int HexGrid::maxTopRow() const
{
    return std::max(m_fixedRows, m_rowCount - VisibleRowCount());
}

int HexGrid::maxLeftCol() const
{
    const int room = viewport()->width() - FixedWidth();
    int col = ColCount() - 1;
    const int end = m_colLeft.empty() ? 0 : m_colLeft.back();
    while (col > m_fixedCols && end - m_colLeft[static_cast<std::size_t>(col - 1)] <= room)
        --col;
    return std::max(m_fixedCols, col);
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
    top = std::clamp(top, m_fixedRows, maxTopRow());
    left = std::clamp(left, m_fixedCols, maxLeftCol());
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
    col = std::clamp(col, m_fixedCols, std::max(m_fixedCols, ColCount() - 1));
    row = std::clamp(row, m_fixedRows, std::max(m_fixedRows, m_rowCount - 1));
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
            return FixedWidth() + m_colLeft[static_cast<std::size_t>(col + 1)] -
                   m_colLeft[static_cast<std::size_t>(left)];
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
    m_topRow = std::clamp(m_topRow, m_fixedRows, maxTopRow());
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, maxLeftCol());
    updateScrollBars();
}

void HexGrid::scrollContentsBy(int, int)
{
    if (!m_syncingBars)
        scrollTo(verticalScrollBar()->value() + m_fixedRows, horizontalScrollBar()->value() + m_fixedCols);
}

void HexGrid::updateScrollBars()
{
    m_syncingBars = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, maxTopRow() - m_fixedRows);
    v->setPageStep(VisibleRowCount());
    v->setValue(m_topRow - m_fixedRows);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, maxLeftCol() - m_fixedCols);
    h->setPageStep(std::max(1, LastVisibleCol() - m_leftCol));
    h->setValue(m_leftCol - m_fixedCols);
    m_syncingBars = false;
}
