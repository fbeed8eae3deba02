#include "hexview/HexEditorEx.h"
#include "HexTestSupport.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "hexview/HexPainter.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using ProbeEditor = HexEditorEx;

QImage shot(HexEditor& e)
{
    return e.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage cell(HexEditor& e, const QImage& image, int col, int row, int width = -1)
{
    QRect r = e.CellRect(col, row);
    if (width > 0)
        r.setWidth(width);
    return image.copy(r);
}

// Text in `color` on `background`: some pixel lies nearer the text colour than the background.
// Glyph edges blend the two and fonts differ in how solid their stems come out, so an exact
// pixel of the text colour is not something every font draws.
bool showsText(const QImage& image, const QColor& color, const QColor& background)
{
    const auto distance = [](QRgb a, const QColor& b) {
        return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) + std::abs(qBlue(a) - b.blue());
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (distance(image.pixel(x, y), color) < distance(image.pixel(x, y), background))
                return true;
    return false;
}

bool contains(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                return true;
    return false;
}

void load(HexEditor& e, const std::vector<std::uint8_t>& bytes)
{
    e.LoadFromBytes(bytes);
}

struct FlashEditorView {
    ProbeEditor editor;
    FlashEditorView()
    {
        applyFlashEditorSettings(editor);
        editor.resize(880, 518);
        editor.show();
    }
};

} // namespace

TEST(HexEditorPaint, GutterTextAndWidthFollowTheDataSize)
{
    FlashEditorView v;
    load(v.editor, std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(v.editor.GetOffsetString(0), "0x00");
    EXPECT_EQ(v.editor.GetOffsetString(0xF0), "0xF0");
    const int narrow = v.editor.ColWidth(0);
    EXPECT_EQ(narrow, 5 * v.editor.CharWidth() + 21);
    const QImage small = shot(v.editor);

    load(v.editor, std::vector<std::uint8_t>(65536, 0));
    EXPECT_EQ(v.editor.GetOffsetString(0), "0x0000");
    EXPECT_EQ(v.editor.GetOffsetString(0xFFF0), "0xFFF0");
    EXPECT_EQ(v.editor.ColWidth(0), narrow + 2 * v.editor.CharWidth());
    // The second row's gutter cell is drawn with text in the offset colour on its background.
    const QImage big = shot(v.editor);
    const QImage gutter = cell(v.editor, big, 0, 3);
    EXPECT_TRUE(showsText(gutter, v.editor.Colors().Offset, v.editor.Colors().OffsetBackground));
    EXPECT_EQ(gutter.pixel(1, 1), v.editor.Colors().OffsetBackground.rgb());
    EXPECT_NE(small.copy(0, 0, narrow, 200), big.copy(0, 0, narrow, 200));
}

TEST(HexEditorPaint, RulerShowsByteAndCharacterIndexes)
{
    FlashEditorView v;
    load(v.editor, std::vector<std::uint8_t>(256, 0));
    const QImage image = shot(v.editor);
    const int cw = v.editor.CharWidth();
    const HexLayout& l = v.editor.Layout();
    EXPECT_TRUE(v.editor.ShowRuler());
    // Pairs read 00, 01, 02 ...: the high digits match, the low digits differ. (Column 2 holds
    // the caret and is drawn in the current-offset colours.)
    EXPECT_EQ(cell(v.editor, image, 4, 0, cw), cell(v.editor, image, 6, 0, cw));
    EXPECT_EQ(cell(v.editor, image, 3, 0, cw), cell(v.editor, image, 4, 0, cw));
    EXPECT_NE(cell(v.editor, image, 5, 0, cw), cell(v.editor, image, 4, 0, cw));
    EXPECT_NE(cell(v.editor, image, 7, 0, cw), cell(v.editor, image, 5, 0, cw));
    EXPECT_EQ(cell(v.editor, image, 2, 0).pixel(0, 0), v.editor.Colors().CurrentOffsetBackground.rgb());
    // The character ruler's "1" looks like the hex ruler's "1".
    EXPECT_EQ(cell(v.editor, image, l.firstCharCol() + 1, 0, cw), cell(v.editor, image, 5, 0, cw));
    EXPECT_TRUE(showsText(cell(v.editor, image, 5, 0), v.editor.Colors().Offset,
                          v.editor.Colors().OffsetBackground));
}

TEST(HexEditorPaint, CharacterFieldMasksControlCodes)
{
    FlashEditorView v;
    load(v.editor, {0x00, 0x1F, 0x2E, 0x41, 0xE9, 0x41});
    EXPECT_EQ(v.editor.DisplayChar(0x00), QChar('.'));
    EXPECT_EQ(v.editor.DisplayChar(0x41), QChar('A'));
    EXPECT_EQ(v.editor.DisplayChar(0xE9), QChar(0xE9));
    // 0x80..0x9F are ANSI characters, not C1 controls drawn as empty boxes.
    EXPECT_EQ(v.editor.DisplayChar(0x80), QChar(0x20AC));
    EXPECT_EQ(v.editor.DisplayChar(0x9F), QChar(0x0178));
    EXPECT_EQ(v.editor.DisplayChar(0x81), QChar('.'));
    const QImage image = shot(v.editor);
    const int c0 = v.editor.Layout().firstCharCol();
    const QImage dot = cell(v.editor, image, c0 + 2, 2);
    EXPECT_EQ(cell(v.editor, image, c0, 2), dot);
    EXPECT_EQ(cell(v.editor, image, c0 + 1, 2), dot);
    EXPECT_NE(cell(v.editor, image, c0 + 3, 2), dot);
    EXPECT_NE(cell(v.editor, image, c0 + 4, 2), cell(v.editor, image, c0 + 3, 2));
    EXPECT_EQ(cell(v.editor, image, c0 + 5, 2), cell(v.editor, image, c0 + 3, 2));
}

TEST(HexEditorPaint, ChangedByteColoursUntilModifiedIsCleared)
{
    FlashEditorView v;
    load(v.editor, std::vector<std::uint8_t>(64, 0x3C));
    v.editor.setFocus();
    v.editor.SetSelStart(5);
    QTest::keyClicks(&v.editor, "7");
    v.editor.SetSelStart(40);  // caret away from the changed byte
    v.editor.clearFocus();
    const HexColors& c = v.editor.Colors();
    const int col = v.editor.Layout().nibbleColOf(5);
    QImage image = shot(v.editor);
    QImage changed = cell(v.editor, image, col, 2);
    EXPECT_EQ(changed.pixel(0, 0), c.ChangedBackground.rgb());
    EXPECT_TRUE(showsText(changed, c.ChangedText, c.ChangedBackground));
    EXPECT_FALSE(contains(cell(v.editor, image, col + 2, 2), c.ChangedText));

    v.editor.SetModified(false);
    image = shot(v.editor);
    changed = cell(v.editor, image, col, 2);
    EXPECT_EQ(changed.pixel(0, 0), c.ActiveFieldBackground.rgb());
    EXPECT_FALSE(contains(changed, c.ChangedText));
    // Byte 5 is in the third two-byte group, drawn in the "odd" colour.
    EXPECT_TRUE(showsText(changed, c.OddColumn, c.ActiveFieldBackground));
}

TEST(HexEditorPaint, EmptyStoreShowsOneBlankRow)
{
    FlashEditorView v;
    load(v.editor, {});
    EXPECT_EQ(v.editor.RowCount(), 3);
    EXPECT_EQ(v.editor.DisplayStart(), -1);
    const QImage image = shot(v.editor);
    const QImage first = cell(v.editor, image, 2, 2);
    EXPECT_FALSE(contains(first, v.editor.Colors().OddColumn));
    EXPECT_EQ(v.editor.GetOffsetString(0), "0x");
}

TEST(HexEditorPaint, SelectionIsInvertedAndGreyWhenUnfocused)
{
    FlashEditorView v;
    load(v.editor, std::vector<std::uint8_t>(64, 0x11));
    v.editor.SetSelStart(2);
    v.editor.SetSelEnd(5);
    const HexColors& c = v.editor.Colors();
    const HexLayout& l = v.editor.Layout();
    const int cw = v.editor.CharWidth();
    QImage image = shot(v.editor);
    const QColor selected = HexPainter::inverted(c.Background);
    // Byte 3 ends a column group: its wide last nibble cell is banded through the gap, while the
    // last selected byte (5) leaves its gap unselected.
    const QImage inner = cell(v.editor, image, l.nibbleColOf(3) + 1, 2);
    EXPECT_EQ(inner.pixel(1, 1), selected.rgb());
    EXPECT_EQ(inner.pixel(cw + 1, 1), selected.rgb());
    const QImage last = cell(v.editor, image, l.nibbleColOf(5) + 1, 2);
    EXPECT_EQ(last.pixel(1, 1), selected.rgb());
    EXPECT_EQ(last.pixel(cw + 1, 1), c.Background.rgb());
    EXPECT_EQ(cell(v.editor, image, l.nibbleColOf(6), 2).pixel(1, 1), c.Background.rgb());

    v.editor.SetGraySelectionIfNotFocused(true);
    image = shot(v.editor);
    EXPECT_EQ(cell(v.editor, image, l.nibbleColOf(2), 2).pixel(1, 1), HexPainter::grayed(selected).rgb());
    v.editor.SetHideSelection(true);
    image = shot(v.editor);
    EXPECT_EQ(cell(v.editor, image, l.nibbleColOf(2), 2).pixel(1, 1), c.Background.rgb());
}

TEST(HexEditorPaint, CaretShapeFollowsKindAndMode)
{
    FlashEditorView v;
    load(v.editor, std::vector<std::uint8_t>(65536, 0));
    v.editor.activateWindow();
    (void)QTest::qWaitForWindowActive(&v.editor);
    v.editor.setFocus();
    if (!v.editor.hasFocus())
        GTEST_SKIP() << "no keyboard focus on this platform";
    const int h = v.editor.Layout().rowHeight() - 2;
    EXPECT_EQ(v.editor.CaretRect().size(), QSize(v.editor.CharWidth(), h));
    v.editor.SetInsertMode(true);
    EXPECT_EQ(v.editor.CaretRect().width(), 2);
    v.editor.SetInsertMode(false);
    v.editor.SetReadOnlyView(true);
    EXPECT_EQ(v.editor.CaretRect().height(), 2);
    // Scrolled out of view, the caret is hidden.
    v.editor.SetTopRow(200);
    EXPECT_TRUE(v.editor.CaretRect().isNull());
}

TEST(HexEditorPaint, AutoBytesPerRowFillsTheWidth)
{
    FlashEditorView v;
    load(v.editor, std::vector<std::uint8_t>(4096, 0));
    v.editor.SetAutoBytesPerRow(true);
    const int narrow = v.editor.BytesPerRow();
    EXPECT_EQ(narrow % 2, 0);
    const auto rowWidth = [&] {
        const HexLayout& l = v.editor.Layout();
        return v.editor.ColLeft(l.lastCharCol()) + v.editor.ColWidth(l.lastCharCol()) - v.editor.ColLeft(2);
    };
    EXPECT_LE(rowWidth(), v.editor.viewport()->width() - v.editor.ColWidth(0) - v.editor.ColWidth(1) - 8);
    v.editor.resize(1800, 518);
    EXPECT_GT(v.editor.BytesPerRow(), narrow);
    EXPECT_LE(rowWidth(), v.editor.viewport()->width() - v.editor.ColWidth(0) - v.editor.ColWidth(1) - 8);
}

TEST(HexEditorPaint, ScrollBarsAndTopRowFollowEachOther)
{
    FlashEditorView v;
    load(v.editor, std::vector<std::uint8_t>(4096, 0));
    int told = 0;
    v.editor.OnTopLeftChanged = [&] { ++told; };
    QScrollBar* bar = v.editor.verticalScrollBar();
    bar->setValue(10);  // as a drag of the thumb does
    EXPECT_EQ(v.editor.TopRow(), 2 + 10);
    EXPECT_EQ(told, 1);
    v.editor.SetTopRow(2 + 20);
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(told, 2);
    v.editor.SetTopRow(1'000'000);  // clamped to the last page
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(v.editor.TopRow(), 2 + bar->maximum());
    EXPECT_EQ(told, 3);
}

TEST(HexEditorPaint, PointsMapToTheCellsShownThereWhileScrolledSideways)
{
    FlashEditorView v;
    v.editor.resize(300, 200);
    load(v.editor, std::vector<std::uint8_t>(64, 0));
    int col = -1;
    int row = -1;
    ASSERT_TRUE(v.editor.CellAt(QPoint(2, v.editor.RowTop(3) + 1), col, row));
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, 3);
    for (const int leftCol : {2, 10}) {
        v.editor.SetLeftCol(leftCol);
        ASSERT_EQ(v.editor.LeftCol(), leftCol);
        for (const int c : {leftCol, leftCol + 1}) {
            const QRect r = v.editor.CellRect(c, 2);
            ASSERT_TRUE(v.editor.CellAt(r.topLeft(), col, row));
            EXPECT_EQ(col, c);
            ASSERT_TRUE(v.editor.CellAt(r.bottomRight(), col, row));
            EXPECT_EQ(col, c);
        }
        // The fixed spacer stays under its point while the data scrolls.
        ASSERT_TRUE(v.editor.CellAt(QPoint(v.editor.FixedWidth() - 1, v.editor.RowTop(2)), col, row));
        EXPECT_EQ(col, 1);
    }
}

TEST(HexEditorPaint, LastVisibleColumnIsTheOneUnderTheRightEdge)
{
    FlashEditorView v;
    v.editor.resize(300, 200);
    load(v.editor, std::vector<std::uint8_t>(64, 0));
    for (const int leftCol : {2, 10}) {
        v.editor.SetLeftCol(leftCol);
        int col = -1;
        int row = -1;
        ASSERT_TRUE(v.editor.CellAt(QPoint(v.editor.viewport()->width() - 1, v.editor.RowTop(2)), col, row));
        EXPECT_EQ(v.editor.LastVisibleCol(), col);
    }
    v.editor.resize(2000, 200);
    EXPECT_EQ(v.editor.LastVisibleCol(), v.editor.ColCount() - 1);
}
