#include "hexview/HexEditorError.h"
#include "hexview/HexEditorEx.h"
#include "HexTestSupport.h"
#include "ShownEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

struct View : ShownEditor {
    using ShownEditor::ShownEditor;
    QPoint cellCentre(qint64 position, bool charField = false) const
    {
        const HexLayout& l = editor.Layout();
        const int col = charField ? l.charColOf(position) : l.nibbleColOf(position);
        return editor.CellRect(col, l.rowOf(position)).center();
    }
};

} // namespace

TEST(HexEditorEdit, TypingTwoDigitsChangesOneByteAndUndoesInTwoSteps)
{
    View v(std::vector<std::uint8_t>(32, 0x00));
    v.keys("A");
    EXPECT_EQ(v.editor.GetDataAt(0), 0xA0);
    v.keys("5");
    EXPECT_EQ(v.editor.GetDataAt(0), 0xA5);
    EXPECT_TRUE(v.editor.IsByteModified(0));
    EXPECT_TRUE(v.editor.Modified());
    EXPECT_EQ(v.editor.GetCursorPosition(), 1);
    EXPECT_FALSE(v.editor.Layout().isSecondNibble(v.editor.Col()));
    EXPECT_EQ(v.editor.UndoStorage().count(), 2);
    EXPECT_EQ(v.editor.UndoStorage().size(), 2 * 34);
    EXPECT_EQ(v.editor.GetUndoDescription(), "Change byte(s)");

    v.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(v.editor.GetDataAt(0), 0xA0);
    EXPECT_TRUE(v.editor.IsByteModified(0));
    v.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(v.editor.GetDataAt(0), 0x00);
    EXPECT_FALSE(v.editor.IsByteModified(0));
    EXPECT_FALSE(v.editor.Modified());
    EXPECT_EQ(v.editor.GetUndoDescription(), "No undo");
}

TEST(HexEditorEdit, InvalidAndMaskedKeysChangeNothing)
{
    View v(std::vector<std::uint8_t>(8, 0x11));
    int invalid = 0;
    v.editor.OnInvalidKey = [&] { ++invalid; };
    v.keys("G");
    EXPECT_EQ(invalid, 1);
    v.key(Qt::Key_Tab);  // to the character field
    EXPECT_TRUE(v.editor.InCharField());
    v.keys("Z");
    EXPECT_EQ(v.editor.GetDataAt(0), 'Z');
    EXPECT_EQ(v.editor.GetCursorPosition(), 1);
    v.editor.SetReadOnlyView(true);
    v.keys("Q");
    EXPECT_EQ(v.editor.GetDataAt(1), 0x11);
    EXPECT_EQ(v.editor.UndoStorage().count(), 1);

    View empty(std::vector<std::uint8_t>{});
    empty.keys("AB");
    EXPECT_EQ(empty.editor.DataSize(), 0);
    EXPECT_FALSE(empty.editor.Modified());
}

TEST(HexEditorEdit, DeleteNeedsCtrlOutsideInsertMode)
{
    View v({1, 2, 3, 4});
    v.key(Qt::Key_Right);
    v.key(Qt::Key_Right);  // byte 1, high nibble
    v.key(Qt::Key_Delete);
    EXPECT_EQ(v.editor.DataSize(), 4);
    v.key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{1, 3, 4}));
    EXPECT_EQ(v.editor.GetCursorPosition(), 1);
    v.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST(HexEditorEdit, InsertModeTypesNewBytesAndBackspaceRemovesThem)
{
    View v({0x10, 0x20});
    v.key(Qt::Key_Insert);
    ASSERT_TRUE(v.editor.InsertMode());
    v.keys("41");
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0x41, 0x10, 0x20}));
    EXPECT_FALSE(v.editor.IsByteModified(0));  // insert mode marks nothing
    EXPECT_EQ(v.editor.GetCursorPosition(), 1);
    v.key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(v.editor.GetCursorPosition(), 3);  // one past the end in insert mode
    v.key(Qt::Key_Backspace);
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0x41, 0x10}));
    v.key(Qt::Key_Home, Qt::ControlModifier);
    v.key(Qt::Key_Backspace);  // nothing before position 0
    EXPECT_EQ(v.editor.DataSize(), 2);
    v.key(Qt::Key_Insert);
    EXPECT_FALSE(v.editor.InsertMode());

    v.editor.SetNoSizeChange(true);
    v.key(Qt::Key_Insert);
    EXPECT_FALSE(v.editor.InsertMode());
}

TEST(HexEditorEdit, RedoRepeatsTheUndoneStepUntilANewEdit)
{
    View v(std::vector<std::uint8_t>(4, 0));
    v.keys("7");
    v.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(v.editor.CanRedo());
    v.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(v.editor.GetDataAt(0), 0x70);
    EXPECT_FALSE(v.editor.CanRedo());
    // The repeated step can be taken back again.
    ASSERT_TRUE(v.editor.CanUndo());
    v.editor.Undo();
    EXPECT_EQ(v.editor.GetDataAt(0), 0x00);
    EXPECT_TRUE(v.editor.CanRedo());
    v.keys("1");
    EXPECT_FALSE(v.editor.CanRedo());
}

TEST(HexEditorEdit, BookmarksToggleJumpAndFollowInsertions)
{
    View v(std::vector<std::uint8_t>(64, 0));
    int changes = 0;
    v.editor.OnBookmarkChanged = [&] { ++changes; };
    for (int i = 0; i < 10; ++i)
        v.key(Qt::Key_Right);  // byte 5
    v.key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(v.editor.GetBookmark(3).position, 5);
    v.key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(v.editor.GetBookmark(3).position, -1);
    EXPECT_EQ(changes, 2);

    v.key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    v.key(Qt::Key_Home, Qt::ControlModifier);
    v.key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(v.editor.GetCursorPosition(), 5);
    const std::uint8_t two[2] = {9, 9};
    v.editor.InsertBuffer(two, 2, 0);
    EXPECT_EQ(v.editor.GetBookmark(3).position, 7);
    v.editor.Undo();
    EXPECT_EQ(v.editor.GetBookmark(3).position, 5);
    EXPECT_THROW((void)v.editor.GetBookmark(10), HexEditorError);
}

TEST(HexEditorEdit, ShiftAndMouseSelect)
{
    View v(std::vector<std::uint8_t>(64, 0));
    v.key(Qt::Key_Tab);
    v.key(Qt::Key_Right, Qt::ShiftModifier);
    v.key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(v.editor.SelCount(), 3);
    EXPECT_EQ(v.editor.SelStart(), 0);
    EXPECT_EQ(v.editor.SelEnd(), 2);
    v.key(Qt::Key_Right);
    EXPECT_EQ(v.editor.SelCount(), 0);

    QTest::mousePress(v.editor.viewport(), Qt::LeftButton, {}, v.cellCentre(2));
    QTest::mouseMove(v.editor.viewport(), v.cellCentre(20));
    QTest::mouseRelease(v.editor.viewport(), Qt::LeftButton, {}, v.cellCentre(20));
    EXPECT_EQ(v.editor.SelectionLow(), 2);
    EXPECT_EQ(v.editor.SelectionHigh(), 20);
    // A click inside the selection collapses it onto the clicked byte.
    QTest::mouseClick(v.editor.viewport(), Qt::LeftButton, {}, v.cellCentre(10, true));
    EXPECT_EQ(v.editor.SelCount(), 0);
    EXPECT_EQ(v.editor.GetCursorPosition(), 10);
    EXPECT_TRUE(v.editor.InCharField());
    // Ctrl+Right goes to the row's last character column, from either field.
    v.key(Qt::Key_Tab);
    v.key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(v.editor.GetCursorPosition(), 15);
    EXPECT_TRUE(v.editor.InCharField());
    EXPECT_EQ(v.editor.SelectionLow(), 10);
    EXPECT_EQ(v.editor.SelectionHigh(), 15);

    v.key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(v.editor.SelCount(), 64);
    EXPECT_EQ(v.editor.GetCursorPosition(), 63);
}

TEST(HexEditorEdit, AClickOnAnEmptyCellPastTheEndPutsTheCaretOnTheLastByte)
{
    View v(std::vector<std::uint8_t>(5, 0));
    const HexLayout& l = v.editor.Layout();
    for (const int nibble : {0, 1}) {
        const QRect cell = v.editor.CellRect(l.nibbleColOf(10) + nibble, l.rowOf(10));
        QTest::mouseClick(v.editor.viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(v.editor.GetCursorPosition(), 4);
        v.keys("7");
        EXPECT_EQ(v.editor.GetDataAt(4), nibble == 0 ? 0x70 : 0x77);
    }
}

TEST(HexEditorEdit, RandomEditsUndoBackToTheOriginal)
{
    std::mt19937 rng(11);
    std::vector<std::uint8_t> original(300);
    for (auto& b : original)
        b = std::uint8_t(rng());
    View v(original);
    std::vector<std::vector<std::uint8_t>> history{original};
    for (int step = 0; step < 200; ++step) {
        const qint64 size = v.editor.DataSize();
        const int op = int(rng() % 6);
        const qint64 pos = size ? qint64(rng() % std::uint64_t(size)) : 0;
        std::vector<std::uint8_t> chunk(1 + rng() % 5, std::uint8_t(rng()));
        switch (op) {
        case 0: v.editor.InsertBuffer(chunk.data(), qint64(chunk.size()), pos); break;
        case 1:
            if (size > 8) {
                v.editor.SetSelStart(pos);
                v.editor.SetSelEnd(std::min<qint64>(pos + 3, size - 1));
                v.editor.DeleteSelection();
            }
            break;
        case 2:
            if (size > 8) {
                v.editor.SetSelStart(pos);
                v.editor.SetSelEnd(std::min<qint64>(pos + 2, size - 1));
                v.editor.ReplaceSelection(chunk.data(), qint64(chunk.size()));
            }
            break;
        case 3: if (size) v.editor.InsertNibble(pos, rng() & 1); break;
        case 4: if (size) v.editor.DeleteNibble(pos, rng() & 1); break;
        default:
            if (size) {
                v.editor.SetSelStart(pos);
                v.keys(rng() & 1 ? "C" : "3");
            }
        }
        if (v.data() != history.back()) {
            // Each step undoes to the state before it and redoes to the state after it.
            const std::vector<std::uint8_t> after = v.data();
            ASSERT_TRUE(v.editor.Undo());
            ASSERT_EQ(v.data(), history.back()) << "undo of op " << op << " at step " << step;
            ASSERT_TRUE(v.editor.Redo());
            ASSERT_EQ(v.data(), after) << "redo of op " << op << " at step " << step;
            history.push_back(after);
        }
    }
    while (v.editor.CanUndo()) {
        v.editor.Undo();
        // Every undo lands on a state the edits went through.
        ASSERT_NE(std::find(history.begin(), history.end(), v.data()), history.end());
    }
    EXPECT_EQ(v.data(), original);
}

namespace {
// Reaches the single-byte overwrite that typing uses, without a key event per byte.
class OverwriteProbe : public HexEditorEx {
public:
    void overwrite(qint64 position, std::uint8_t value) { ChangeBytes(position, &value, 1); }
};
} // namespace

TEST(HexEditorEdit, UndoStoreStaysWithinMaxUndoPlusOneRecord)
{
    OverwriteProbe editor;
    std::vector<std::uint8_t> bytes(4096, 0);
    editor.LoadFromBytes(bytes);
    for (int i = 0; i < 100000; ++i)
        editor.overwrite(i % 4096, std::uint8_t(i / 4096 + 1));
    EXPECT_LE(editor.UndoStorage().size(), editor.MaxUndo() + 34);
    EXPECT_LT(editor.UndoStorage().count(), 100000);
    // The newest steps are all still there and undo in order.
    editor.Undo();
    EXPECT_EQ(editor.GetDataAt(99999 % 4096), std::uint8_t(99999 / 4096));
}

TEST(HexEditorEdit, CombinedRecordsUndoTogether)
{
    View v(std::vector<std::uint8_t>(8, 0));
    v.keys("12");
    v.editor.SetSelStart(4);
    v.keys("3");
    v.editor.CombineUndo(3, QStringLiteral("Typing"));
    EXPECT_EQ(v.editor.GetUndoDescription(), "Typing");
    ASSERT_TRUE(v.editor.Undo());
    EXPECT_EQ(v.data(), std::vector<std::uint8_t>(8, 0));
    EXPECT_FALSE(v.editor.CanUndo());
    EXPECT_FALSE(v.editor.CanRedo());
}

TEST(HexEditorEdit, InsertModeSelectsBetweenBytesAndClicksSnapToCellHalves)
{
    View v(std::vector<std::uint8_t>(40, 0));
    v.key(Qt::Key_Insert);
    v.editor.SetSelStart(4);
    v.key(Qt::Key_Tab);  // character field: one byte per step
    v.key(Qt::Key_Right, Qt::ShiftModifier);
    v.key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(v.editor.SelectionLow(), 4);
    EXPECT_EQ(v.editor.SelectionHigh(), 5);  // up to the byte before the caret
    v.key(Qt::Key_Left, Qt::ShiftModifier);
    v.key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(v.editor.SelCount(), 0);  // back at the start: nothing selected
    v.key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(v.editor.SelectionLow(), 3);
    EXPECT_EQ(v.editor.SelectionHigh(), 3);

    // The right half of a character cell counts as the next cell; of a row's last cell, as the
    // first cell of the next row.
    const HexLayout& l = v.editor.Layout();
    QRect r = v.editor.CellRect(l.charColOf(2), l.rowOf(2));
    QTest::mouseClick(v.editor.viewport(), Qt::LeftButton, {}, QPoint(r.left() + r.width() - 2, r.center().y()));
    EXPECT_EQ(v.editor.GetCursorPosition(), 3);
    r = v.editor.CellRect(l.lastCharCol(), l.rowOf(0));
    QTest::mouseClick(v.editor.viewport(), Qt::LeftButton, {}, QPoint(r.left() + v.editor.CharWidth() - 1, r.center().y()));
    EXPECT_EQ(v.editor.GetCursorPosition(), 16);
}

TEST(HexEditorEdit, SizeChangesAreUndoneAndPagingScrolls)
{
    std::vector<std::uint8_t> bytes(4096);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(i);
    View v(bytes);
    v.editor.SetDataSize(100);
    EXPECT_EQ(v.editor.GetUndoDescription(), "Remove data");
    v.editor.Undo();
    EXPECT_EQ(v.data(), bytes);
    v.editor.SetDataSize(5000);
    v.editor.Undo();
    EXPECT_EQ(v.editor.DataSize(), 4096);

    const int page = v.editor.VisibleRowCount() - 1;
    v.key(Qt::Key_PageDown);
    EXPECT_EQ(v.editor.GetCursorPosition(), qint64(page) * 16);
    EXPECT_EQ(v.editor.TopRow(), 2 + page);
    v.key(Qt::Key_PageDown, Qt::ControlModifier);  // bottom visible row, same column
    EXPECT_EQ(v.editor.Row(), v.editor.TopRow() + v.editor.VisibleRowCount() - 1);
    v.key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(v.editor.GetCursorPosition(), 4095);
    EXPECT_EQ(v.editor.DisplayEnd(), 4095);
}

TEST(HexEditorEdit, ReplacementsKeepBookmarksInsideTheStore)
{
    // Bookmarks before, inside and behind the replaced range, for a shrinking and a growing
    // replacement.
    struct Case {
        qint64 low, high, newCount;
    };
    for (const Case& c : {Case{2, 9, 1}, Case{2, 5, 1}, Case{2, 3, 5}}) {
        SCOPED_TRACE(c.newCount);
        View v(std::vector<std::uint8_t>(10, 0x33));
        const qint64 marks[] = {1, 2, 4, 9};
        for (int i = 0; i < 4; ++i)
            v.editor.SetBookmark(i, marks[i], false);
        v.editor.SetSelStart(c.low);
        v.editor.SetSelEnd(c.high);
        const std::vector<std::uint8_t> data(std::size_t(c.newCount), 0xEE);
        v.editor.ReplaceSelection(data.data(), c.newCount);
        const qint64 diff = c.newCount - (c.high - c.low + 1);
        for (int i = 0; i < 4; ++i) {
            const qint64 b = v.editor.GetBookmark(i).position;
            SCOPED_TRACE(i);
            EXPECT_LT(b, v.editor.DataSize());
            if (marks[i] < c.low) {
                EXPECT_EQ(b, marks[i]);
            } else if (marks[i] > c.high) {
                EXPECT_EQ(b, marks[i] + diff);
            } else {  // inside: kept on the new data
                EXPECT_TRUE(b >= c.low && b < c.low + c.newCount) << b;
            }
        }
        // Undo moves the ones outside the range back.
        v.editor.Undo();
        for (int i = 0; i < 4; ++i) {
            if (marks[i] < c.low || marks[i] > c.high) {
                EXPECT_EQ(v.editor.GetBookmark(i).position, marks[i]);
            }
        }
    }
}

TEST(HexEditorEdit, EveryCharacterShownTypesBackAsItsByte)
{
    View v(std::vector<std::uint8_t>(1, 0));
    v.key(Qt::Key_Tab);
    for (const TranslationKind kind : {tkAsIs, tkDos8, tkASCII, tkMac, tkBCD}) {
        v.editor.SetTranslation(kind);
        std::map<char16_t, int> shownBy;
        for (int b = 0; b < 256; ++b)
            ++shownBy[v.editor.DisplayChar(std::uint8_t(b)).unicode()];
        for (int b = 0; b < 256; ++b) {
            const QChar shown = v.editor.DisplayChar(std::uint8_t(b));
            // The mask character and look-alikes shared by several bytes name no single byte;
            // masked bytes are refused as typed results whatever they show.
            if (shown == QLatin1Char(v.editor.MaskChar()) || shownBy[shown.unicode()] > 1 ||
                v.editor.MaskedChars().test(std::size_t(b)))
                continue;
            v.editor.SetSelStart(0);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(shown));
            QApplication::sendEvent(&v.editor, &press);
            ASSERT_EQ(v.editor.GetDataAt(0), b) << "translation " << kind << ", character U+"
                                                << std::hex << int(shown.unicode());
        }
    }
}
