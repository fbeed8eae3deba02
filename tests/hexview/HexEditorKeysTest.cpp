// The control driven by key events as the desktop delivers them: typing over selections in
// insert mode, the mode a load leaves, and bookmark keys under different keyboard layouts.
#include "hexview/HexEditorEx.h"
#include "HexTestSupport.h"
#include "ShownEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct View : ShownEditor {
    using ShownEditor::ShownEditor;
    void caretTo(qint64 position)
    {
        key(Qt::Key_Home, Qt::ControlModifier);
        for (qint64 i = 0; i < 2 * position; ++i)  // two nibble columns a byte
            key(Qt::Key_Right);
    }
    QPoint leftEdge(qint64 position) const
    {
        const HexLayout& l = editor.Layout();
        const QRect r = editor.CellRect(l.nibbleColOf(position), l.rowOf(position));
        return {r.left() + 1, r.center().y()};
    }
};

const std::vector<std::uint8_t> kTen = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99};

// What X11 delivers for a key: the Qt key of the keysym the layout produces, the keycode of
// the physical key, that keysym, the modifier state and the text (control characters under
// Ctrl). Digit row keycodes: 10 for "1" ... 18 for "9", 19 for "0".
struct X11Key {
    Qt::Key key;
    quint32 keycode;
    quint32 keysym;
    QString text;
};

void sendX11(QWidget& w, const X11Key& k, Qt::KeyboardModifiers mods)
{
    const quint32 state = (mods & Qt::ShiftModifier ? 0x1 : 0) | (mods & Qt::ControlModifier ? 0x4 : 0);
    QKeyEvent press(QEvent::KeyPress, k.key, mods, k.keycode, k.keysym, state, k.text);
    QApplication::sendEvent(&w, &press);
    QKeyEvent release(QEvent::KeyRelease, k.key, mods, k.keycode, k.keysym, state, k.text);
    QApplication::sendEvent(&w, &release);
}

QString ctl(char c)
{
    return QString(QChar(char16_t(c)));
}

} // namespace

TEST(HexEditorKeys, InsertModeDigitsTypedOverAKeyboardSelectionFillOneUnit)
{
    for (const int unit : {1, 2}) {
        SCOPED_TRACE(unit);
        View v(kTen);
        v.editor.SetBytesPerUnit(unit);
        v.key(Qt::Key_Insert);
        ASSERT_TRUE(v.editor.InsertMode());
        v.caretTo(2);
        for (int i = 0; i < 3; ++i)
            v.key(Qt::Key_Right, Qt::ShiftModifier);
        const qint64 low = v.editor.SelectionLow();
        const qint64 high = v.editor.SelectionHigh();
        ASSERT_EQ(low, 2);
        ASSERT_EQ(high, 2 + 3 * unit - 1);
        v.keys("a5");
        std::vector<std::uint8_t> expected(kTen.begin(), kTen.begin() + low);
        expected.push_back(0xA5);
        expected.insert(expected.end(), std::size_t(unit - 1), 0x00);
        expected.insert(expected.end(), kTen.begin() + high + 1, kTen.end());
        EXPECT_EQ(v.data(), expected);
        // The caret moved on from the new unit as Right would.
        EXPECT_EQ(v.editor.GetCursorPosition(), 3);
        EXPECT_EQ(v.editor.SelCount(), 0);
    }
}

TEST(HexEditorKeys, InsertModeDigitsTypedOverAMouseSelectionFillOneByte)
{
    View v(kTen);
    v.key(Qt::Key_Insert);
    QTest::mousePress(v.editor.viewport(), Qt::LeftButton, {}, v.leftEdge(2));
    QTest::mouseMove(v.editor.viewport(), v.leftEdge(5));
    QTest::mouseRelease(v.editor.viewport(), Qt::LeftButton, {}, v.leftEdge(5));
    ASSERT_EQ(v.editor.SelectionLow(), 2);
    ASSERT_EQ(v.editor.SelectionHigh(), 4);
    v.keys("A5");
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0x00, 0x11, 0xA5, 0x55, 0x66, 0x77, 0x88, 0x99}));
    // Two records, two undos, back to the original.
    v.key(Qt::Key_Z, Qt::ControlModifier);
    v.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(v.data(), kTen);
}

TEST(HexEditorKeys, LoadReturnsToOverwriteMode)
{
    View v(kTen);
    v.key(Qt::Key_Insert);
    ASSERT_TRUE(v.editor.InsertMode());
    v.editor.LoadFromBytes(kTen);
    EXPECT_FALSE(v.editor.InsertMode());
    v.keys("7");
    EXPECT_EQ(v.editor.DataSize(), 10);
    EXPECT_EQ(v.editor.GetDataAt(0), 0x70);
    EXPECT_TRUE(v.editor.IsByteModified(0));  // changed-byte colours are back
}

TEST(HexEditorKeys, BookmarkKeysFollowThePhysicalDigitOnUsAndGermanLayouts)
{
    const Qt::KeyboardModifiers setMods = Qt::ControlModifier | Qt::ShiftModifier;
    // Ctrl+Shift+digit as each layout delivers it, and the bookmark it must set.
    const std::vector<std::pair<X11Key, int>> sets = {
        {{Qt::Key_ParenRight, 19, 0x29, ")"}, 0},     // US
        {{Qt::Key_At, 11, 0x40, ctl(0)}, 2},          // US: "@" under Ctrl is NUL
        {{Qt::Key_AsciiCircum, 15, 0x5e, ctl(0x1e)}, 6},  // US
        {{Qt::Key_Asterisk, 17, 0x2a, "*"}, 8},       // US
        {{Qt::Key_QuoteDbl, 11, 0x22, "\""}, 2},      // German
        {{Qt::Key_section, 12, 0xa7, QString(QChar(0xA7))}, 3},  // German
        {{Qt::Key_Ampersand, 15, 0x26, "&"}, 6},      // German
        {{Qt::Key_Slash, 16, 0x2f, ctl(0x1f)}, 7},    // German: "/" under Ctrl is 0x1F
        {{Qt::Key_Equal, 19, 0x3d, "="}, 0},          // German
    };
    for (const auto& [k, index] : sets) {
        SCOPED_TRACE(index);
        View v(std::vector<std::uint8_t>(64, 0));
        v.caretTo(5);
        sendX11(v.editor, k, setMods);
        EXPECT_EQ(v.editor.GetBookmark(index).position, 5);
        for (int other = 0; other < 10; ++other) {
            if (other != index) {
                EXPECT_EQ(v.editor.GetBookmark(other).position, -1) << other;
            }
        }
        // Ctrl+digit goes there; the same keys unshifted on both layouts.
        v.key(Qt::Key_Home, Qt::ControlModifier);
        const quint32 keycode = index == 0 ? 19 : quint32(9 + index);
        const char digit = char('0' + index);
        sendX11(v.editor, {Qt::Key(Qt::Key_0 + index), keycode, quint32(digit), QString(QLatin1Char(digit))},
                Qt::ControlModifier);
        EXPECT_EQ(v.editor.GetCursorPosition(), 5);
    }
}
