// Difference marks of the view: where they are drawn, how the caret walks them, what ends them.
#include "ShownEditor.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage cellImage(HexEditor& e, qint64 position)
{
    const QImage shot = e.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return shot.copy(e.CellRect(e.Layout().nibbleColOf(position), e.Layout().rowOf(position)));
}

TEST(HexEditorDifferences, MarkedBytesHaveTheirOwnColourUntilTheNextLoad)
{
    ShownEditor v(std::vector<std::uint8_t>(256, 0x5A));
    HexEditorEx& e = v.editor;
    const HexColors& c = e.Colors();
    EXPECT_NE(c.DifferenceBackground, c.ChangedBackground);
    e.SetSelStart(0x80);  // caret and selection away from the cells looked at
    v.keys("7");          // byte 0x80 changed
    e.SetSelStart(0xF0);
    e.SetDifferenceMarks({{0x10, 0x12}, {0x80, 0x80}});
    e.clearFocus();
    EXPECT_EQ(cellImage(e, 0x11).pixel(1, 1), c.DifferenceBackground.rgb());
    EXPECT_EQ(cellImage(e, 0x80).pixel(1, 1), c.DifferenceBackground.rgb());  // over the changed colour
    EXPECT_NE(cellImage(e, 0x13).pixel(1, 1), c.DifferenceBackground.rgb());

    e.LoadFromBytes(std::vector<std::uint8_t>(256, 0x5A));
    EXPECT_TRUE(e.DifferenceMarks().empty());
    EXPECT_NE(cellImage(e, 0x11).pixel(1, 1), c.DifferenceBackground.rgb());
}

TEST(HexEditorDifferences, NextAndPreviousGoFromRangeToRangeByTheCaret)
{
    ShownEditor v(std::vector<std::uint8_t>(0x1000, 0));
    HexEditorEx& e = v.editor;
    e.SetDifferenceMarks({{0x10, 0x1F}, {0x100, 0x100}, {0xFF0, 0xFFF}});
    const struct {
        qint64 caret;
        qint64 at, next, previous;
    } cases[] = {
        {0x0, -1, 0, -1},
        {0x10, 0, 1, -1},
        {0x15, 0, 1, 0},  // inside a range, back goes to its start
        {0x100, 1, 2, 0},
        {0x101, -1, 2, 1},
        {0xFFF, 2, -1, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(e.DifferenceAt(c.caret), c.at) << c.caret;
        EXPECT_EQ(e.NextDifference(c.caret), c.next) << c.caret;
        EXPECT_EQ(e.PreviousDifference(c.caret), c.previous) << c.caret;
    }
    e.SetSelStart(0x20);
    e.SetSelEnd(0x30);
    e.GotoDifference(2);
    EXPECT_EQ(e.GetCursorPosition(), 0xFF0);
    EXPECT_FALSE(e.HasSelection());
    EXPECT_LE(e.DisplayStart(), 0xFF0);  // scrolled to it
    EXPECT_GE(e.DisplayEnd(), 0xFF0);
}

}  // namespace
