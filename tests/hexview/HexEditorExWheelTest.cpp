#include "hexview/HexEditorEx.h"

#include <QApplication>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

void ctrlWheel(HexEditorEx& editor, int delta)
{
    const QPointF at(50, 50);
    QWheelEvent e(at, editor.viewport()->mapToGlobal(at.toPoint()), {}, {0, delta}, Qt::NoButton,
                  Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor.viewport(), &e);
}

} // namespace

TEST(HexEditorExWheel, ZoomKeepsRowsEvenWithSixteenBitCharacters)
{
    HexEditorEx editor;
    editor.LoadFromBytes(std::vector<std::uint8_t>(1024, 0x41));
    editor.SetBytesPerUnit(2);
    editor.SetUnicodeChars(true);
    editor.resize(600, 300);
    editor.show();
    ctrlWheel(editor, -120);
    EXPECT_EQ(editor.BytesPerRow(), 14);
    ctrlWheel(editor, 120);
    EXPECT_EQ(editor.BytesPerRow(), 16);
    editor.SetBytesPerRow(2);
    ctrlWheel(editor, -120);
    EXPECT_EQ(editor.BytesPerRow(), 2);  // the narrowest even row
    editor.SetBytesPerRow(256);
    ctrlWheel(editor, 120);
    EXPECT_EQ(editor.BytesPerRow(), 256);
}
