#include "hexview/HexLayout.h"
#include "HexTestSupport.h"

#include <gtest/gtest.h>

namespace {

HexLayout instanceLayout(qint64 size, bool insert = false)
{
    HexLayout l;
    HexLayout::Params p;
    p.dataSize = size;
    p.insertMode = insert;
    p.charWidth = 9;
    p.gutterWidth = 50;
    p.showRuler = true;
    l.update(p);
    return l;
}

} // namespace

TEST(HexLayout, ColumnWidthsOfTheInstanceRow)
{
    const HexLayout l = instanceLayout(256);
    ASSERT_EQ(l.colCount(), 3 * 16 + 3);
    const auto& w = l.colWidths();
    EXPECT_EQ(w[0], 50);
    EXPECT_EQ(w[1], 6);
    // Groups of two bytes: the fourth nibble of each group carries the gap.
    EXPECT_EQ(w[2], 9);
    EXPECT_EQ(w[4], 9);
    EXPECT_EQ(w[5], 18);
    EXPECT_EQ(w[9], 18);
    EXPECT_EQ(w[static_cast<std::size_t>(l.lastNibbleCol())], 18);
    EXPECT_EQ(w[static_cast<std::size_t>(l.fieldSpacerCol())], 9);
    EXPECT_EQ(w[static_cast<std::size_t>(l.firstCharCol())], 10);
    EXPECT_EQ(w[static_cast<std::size_t>(l.lastCharCol())], 19);
    EXPECT_EQ(l.rulerHeight(), l.rowHeight() + 3);
}

TEST(HexLayout, BlocksAndRulerUnitWidenColumns)
{
    HexLayout l;
    HexLayout::Params p;
    p.charWidth = 8;
    p.bytesPerColumn = 1;
    p.bytesPerBlock = 4;
    p.rulerUnit = 2;
    l.update(p);
    const auto& w = l.colWidths();
    EXPECT_EQ(w[3], 16);        // end of a one-byte group
    EXPECT_EQ(w[9], 24);        // end of a four-byte block: one character more
    const int c0 = l.firstCharCol();
    EXPECT_EQ(w[static_cast<std::size_t>(c0)], 9);
    EXPECT_EQ(w[static_cast<std::size_t>(c0 + 1)], 13);      // unit end: 1.5 characters + 1
    EXPECT_EQ(w[static_cast<std::size_t>(c0 + 3)], 13 + 8);  // unit end and block end
}

TEST(HexLayout, CellsAndPositionsMapBothWays)
{
    const HexLayout l = instanceLayout(100);
    for (qint64 p : {0, 1, 15, 16, 17, 99}) {
        const int row = l.rowOf(p);
        EXPECT_EQ(l.positionOf(l.nibbleColOf(p), row), p);
        EXPECT_EQ(l.positionOf(l.nibbleColOf(p) + 1, row), p);
        EXPECT_EQ(l.positionOf(l.charColOf(p), row), p);
        EXPECT_EQ(l.twinCol(l.charColOf(p)), l.nibbleColOf(p));
        EXPECT_EQ(l.twinCol(l.nibbleColOf(p) + 1), l.charColOf(p));
    }
    EXPECT_EQ(l.positionOf(1, 2), 0);  // the spacer maps to byte 0, never negative
    EXPECT_TRUE(l.isCharCol(2 * 16 + 3));
    EXPECT_FALSE(l.isCharCol(2 * 16 + 2));
}

TEST(HexLayout, RowsIncludeTheInsertModeExtraRow)
{
    EXPECT_EQ(instanceLayout(0).rowCount(), 3);
    EXPECT_EQ(instanceLayout(0, true).rowCount(), 3);
    EXPECT_EQ(instanceLayout(17).dataRows(), 2);
    EXPECT_EQ(instanceLayout(32).dataRows(), 2);
    EXPECT_EQ(instanceLayout(32, true).dataRows(), 3);
    EXPECT_EQ(instanceLayout(33, true).dataRows(), 3);
    EXPECT_EQ(instanceLayout(64ll << 20).dataRows(), 4194304);
}

TEST(HexLayout, RulerStrings)
{
    const HexLayout l = instanceLayout(16);
    EXPECT_EQ(l.hexRuler(), "000102030405060708090A0B0C0D0E0F");
    EXPECT_EQ(l.charRuler(), "0123456789ABCDEF");
    HexLayout wide;
    HexLayout::Params p;
    p.rulerUnit = 4;
    p.rulerNumberBase = 10;
    p.hexLowerCase = true;
    wide.update(p);
    EXPECT_EQ(wide.hexRuler(), "00000000000000010000000200000003");
    EXPECT_EQ(wide.charRuler(), "   0   1   2   3");
}
