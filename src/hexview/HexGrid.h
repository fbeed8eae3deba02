#pragma once

#include "HexLayout.h"

#include <QAbstractScrollArea>

// The widget side of the hex view's HexLayout: the layout's fixed leading rows and columns,
// column widths and row heights, plus a top-left scroll position, a current cell and the
// cell <-> pixel mapping. The scroll bars count rows and columns (not pixels) and track the thumb,
// so a 64 MiB image (4 M rows) scrolls with int ranges and repaints only what is visible.
class HexGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Qt's scroll bars track the thumb and step by one from the start.
    explicit HexGrid(QWidget* parent = nullptr) : QAbstractScrollArea(parent) {}

    [[nodiscard]] const HexLayout& Layout() const noexcept { return m_layout; }
    [[nodiscard]] int ColCount() const noexcept { return m_layout.colCount(); }
    [[nodiscard]] int RowCount() const noexcept { return m_layout.rowCount(); }
    [[nodiscard]] int FixedCols() const noexcept { return HexLayout::FixedCols; }
    [[nodiscard]] int FixedRows() const noexcept { return HexLayout::FixedRows; }
    [[nodiscard]] int ColWidth(int col) const;
    [[nodiscard]] int RowHeight(int row) const;

    [[nodiscard]] int TopRow() const noexcept { return m_topRow; }
    [[nodiscard]] int LeftCol() const noexcept { return m_leftCol; }
    void SetTopRow(int row);
    void SetLeftCol(int col);
    [[nodiscard]] int Col() const noexcept { return m_col; }
    [[nodiscard]] int Row() const noexcept { return m_row; }
    // Moves the current cell (clamped to the scrolling area) and scrolls it into view.
    void SetCurrentCell(int col, int row);

    // Rows fully visible below the fixed rows (at least 1), and the last partly visible row.
    [[nodiscard]] int VisibleRowCount() const;
    [[nodiscard]] int LastVisibleRow() const;
    [[nodiscard]] int LastVisibleCol() const;
    // Cell rectangle in viewport coordinates; null when the cell is scrolled out of view.
    [[nodiscard]] QRect CellRect(int col, int row) const;
    // Cell under a viewport point; false outside the cells.
    bool CellAt(QPoint point, int& col, int& row) const;
    [[nodiscard]] int FixedWidth() const noexcept { return m_layout.colLeft(HexLayout::FixedCols); }
    [[nodiscard]] int FixedHeight() const noexcept { return m_layout.rulerHeight(); }
    // Left edge of a column in viewport coordinates (columns left of LeftCol give negatives).
    [[nodiscard]] int ColLeft(int col) const;
    [[nodiscard]] int RowTop(int row) const;

protected:
    // After m_layout changed: the scroll position and the current cell are kept inside it.
    void LayoutChanged();
    // Hooks for the editor: after a scroll and after the current cell moved.
    virtual void TopLeftChanged() {}
    virtual void CurrentCellMoved() {}

    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    HexLayout m_layout;

private:
    // Scrolls to the (clamped) top row and left column; a change repaints and is told.
    void scrollTo(int top, int left);
    void updateScrollBars();
    [[nodiscard]] int maxTopRow() const;
    [[nodiscard]] int maxLeftCol() const;

    int m_topRow = 0;
    int m_leftCol = 0;
    int m_col = 0;
    int m_row = 0;
    bool m_syncingBars = false;
};
