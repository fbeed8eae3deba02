#pragma once

#include <QString>

#include <vector>

// Grid geometry of the hex view, free of widgets: which grid column and row shows which byte,
// how wide each column is, and the two ruler strings. Columns: 0 gutter, 1 spacer, the nibble
// columns, a spacer between the fields, the character columns. Rows: 0 ruler, 1 separator, data.
class HexLayout {
public:
    struct Params {
        int bytesPerRow = 16;
        int bytesPerColumn = 2;
        int bytesPerBlock = -1;
        bool separateBlocksInCharField = true;
        bool unicodeChars = false;
        int rulerUnit = 1;
        int rulerNumberBase = 16;
        bool hexLowerCase = false;
        bool showRuler = false;
        bool insertMode = false;
        qint64 dataSize = 0;
        int charWidth = 8;
        int charHeight = 14;   // height of "yY"
        int gutterWidth = 40;  // resolved gutter width in pixels
    };

    static constexpr int FixedCols = 2;
    static constexpr int FixedRows = 2;

    HexLayout() { update(Params{}); }
    void update(const Params& params);
    [[nodiscard]] const Params& params() const noexcept { return m_p; }

    [[nodiscard]] int colCount() const noexcept { return static_cast<int>(m_colWidths.size()); }
    [[nodiscard]] int rowCount() const noexcept { return FixedRows + m_dataRows; }
    [[nodiscard]] int dataRows() const noexcept { return m_dataRows; }
    [[nodiscard]] const std::vector<int>& colWidths() const noexcept { return m_colWidths; }
    // Left edge of a column from the gutter's left edge; colLeft(colCount()) is the row's width.
    [[nodiscard]] int colLeft(int col) const noexcept { return m_colLeft[static_cast<std::size_t>(col)]; }
    // The column holding x (from the gutter's left edge), colCount() right of the last one.
    [[nodiscard]] int colAt(int x) const noexcept;
    [[nodiscard]] int rowHeight() const noexcept { return m_p.charHeight + 2; }
    [[nodiscard]] int rulerHeight() const noexcept { return m_p.showRuler ? rowHeight() + 3 : 0; }

    [[nodiscard]] int firstNibbleCol() const noexcept { return FixedCols; }
    [[nodiscard]] int lastNibbleCol() const noexcept { return FixedCols + 2 * m_p.bytesPerRow - 1; }
    [[nodiscard]] int fieldSpacerCol() const noexcept { return lastNibbleCol() + 1; }
    [[nodiscard]] int firstCharCol() const noexcept { return lastNibbleCol() + 2; }
    [[nodiscard]] int lastCharCol() const noexcept { return colCount() - 1; }
    [[nodiscard]] bool isNibbleCol(int col) const noexcept
    {
        return col >= firstNibbleCol() && col <= lastNibbleCol();
    }
    [[nodiscard]] bool isCharCol(int col) const noexcept { return col > fieldSpacerCol(); }
    // Bytes one character cell stands for (2 in the 16-bit character mode).
    [[nodiscard]] int bytesPerChar() const noexcept { return m_p.unicodeChars ? 2 : 1; }

    // Byte shown by a data cell; a negative result becomes 0, as for the spacer and gutter.
    [[nodiscard]] qint64 positionOf(int col, int row) const noexcept;
    [[nodiscard]] int rowOf(qint64 position) const noexcept;
    [[nodiscard]] int nibbleColOf(qint64 position) const noexcept;
    [[nodiscard]] int charColOf(qint64 position) const noexcept;
    // The same byte's first column in the other field.
    [[nodiscard]] int twinCol(int col) const noexcept;
    // Whether a nibble column shows the byte's low nibble (before a nibble swap).
    [[nodiscard]] bool isSecondNibble(int col) const noexcept
    {
        return isNibbleCol(col) && ((col - FixedCols) & 1);
    }

    [[nodiscard]] const QString& hexRuler() const noexcept { return m_hexRuler; }
    [[nodiscard]] const QString& charRuler() const noexcept { return m_charRuler; }

private:
    void buildColumns();
    void buildRulers();

    Params m_p;
    int m_dataRows = 1;
    std::vector<int> m_colWidths;
    std::vector<int> m_colLeft;  // prefix sums of the widths
    QString m_hexRuler;
    QString m_charRuler;
};
