#include "HexLayout.h"

#include <algorithm>
#include <numeric>

void HexLayout::update(const Params& params)
{
    m_p = params;
    const qint64 bpr = m_p.bytesPerRow;
    qint64 rows = (m_p.dataSize + bpr - 1) / bpr;
    // In insert mode the caret may stand behind the last byte, which needs a row of its own
    // when the data ends exactly on a row boundary.
    if (m_p.insertMode && m_p.dataSize % bpr == 0)
        ++rows;
    m_dataRows = static_cast<int>(std::clamp<qint64>(rows, 1, 0x7FFFFFF0));
    buildColumns();
    buildRulers();
}

void HexLayout::buildColumns()
{
    const int cw = m_p.charWidth;
    const int bpr = m_p.bytesPerRow;
    const int charCols = m_p.unicodeChars ? bpr / 2 : bpr;
    m_colWidths.assign(static_cast<std::size_t>(FixedCols + 2 * bpr + 1 + charCols), cw);
    m_colWidths[0] = m_p.gutterWidth;
    m_colWidths[1] = 6;

    // Nibble columns and, with i = 2 * bytesPerRow, the spacer between the fields.
    for (int i = 0; i <= 2 * bpr; ++i) {
        int w = cw;
        if ((i + 2) % (2 * m_p.bytesPerColumn) == 1)
            w = 2 * cw;
        if (m_p.bytesPerBlock > 1 && (i + 2) % (2 * m_p.bytesPerBlock) == 1)
            w += cw;
        m_colWidths[static_cast<std::size_t>(FixedCols + i)] = w;
    }
    m_colWidths[static_cast<std::size_t>(lastNibbleCol())] = 2 * cw;

    const int u = m_p.rulerUnit;
    for (int c = 0; c < charCols; ++c) {
        int w = cw + 1;
        if (u >= 2 && (c % u) + 1 == u)
            w = (3 * cw) / 2 + 1;
        if (m_p.bytesPerBlock > 1 && m_p.separateBlocksInCharField &&
            (c % m_p.bytesPerBlock) + 1 == m_p.bytesPerBlock)
            w += cw;
        m_colWidths[static_cast<std::size_t>(firstCharCol() + c)] = w;
    }
    if (charCols > 0)
        m_colWidths.back() = 2 * cw + 1;
    m_colLeft.assign(m_colWidths.size() + 1, 0);
    std::partial_sum(m_colWidths.begin(), m_colWidths.end(), m_colLeft.begin() + 1);
}

void HexLayout::buildRulers()
{
    const int u = std::max(m_p.rulerUnit, 1);
    const int base = std::clamp(m_p.rulerNumberBase, 2, 16);
    m_hexRuler.clear();
    m_charRuler.clear();
    for (int k = 0; k < m_p.bytesPerRow / u; ++k) {
        const QString number = QString::number(k, base);
        const QString digits = m_p.hexLowerCase ? number.toLower() : number.toUpper();
        m_hexRuler += digits.rightJustified(2 * u, QLatin1Char('0')).right(2 * u);
        m_charRuler += digits.size() > u ? digits.right(u) : digits.rightJustified(u, QLatin1Char(' '));
    }
}

int HexLayout::colAt(int x) const noexcept
{
    return static_cast<int>(std::upper_bound(m_colLeft.begin(), m_colLeft.end(), x) - m_colLeft.begin()) - 1;
}

qint64 HexLayout::positionOf(int col, int row) const noexcept
{
    const qint64 inRow = isCharCol(col) ? qint64(col - firstCharCol()) * bytesPerChar() : (col - FixedCols) / 2;
    return std::max<qint64>(qint64(row - FixedRows) * m_p.bytesPerRow + inRow, 0);
}

int HexLayout::rowOf(qint64 position) const noexcept
{
    return static_cast<int>(position / m_p.bytesPerRow) + FixedRows;
}

int HexLayout::nibbleColOf(qint64 position) const noexcept
{
    return static_cast<int>(position % m_p.bytesPerRow) * 2 + FixedCols;
}

int HexLayout::charColOf(qint64 position) const noexcept
{
    return static_cast<int>(position % m_p.bytesPerRow) / bytesPerChar() + firstCharCol();
}

int HexLayout::twinCol(int col) const noexcept
{
    const qint64 position = positionOf(col, FixedRows);
    return isCharCol(col) ? nibbleColOf(position) : charColOf(position);
}
