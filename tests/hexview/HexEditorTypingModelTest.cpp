// Randomized comparison of typing against a plain byte array: overwrite and insert mode, both
// fields, selections replaced by typing, deletions, and undo several levels deep with redo.
#include "hexview/HexEditorEx.h"
#include "HexTestSupport.h"
#include "ShownEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct View : ShownEditor {
    using ShownEditor::ShownEditor;
    // A typed character as the keyboard delivers it: its key and its text.
    void type(QChar c)
    {
        const auto key = Qt::Key(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&editor, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&editor, &release);
    }
};

// The plain model of one typed key at the caret, given the control's mode and selection. In
// insert mode a key makes a new unit of `unit` bytes: the typed byte, then zeros.
struct Model {
    Bytes bytes;
    int unit = 1;

    // First of two hex digits: a new unit in insert mode (over the selection), else the high
    // nibble of the byte at the caret.
    void firstDigit(bool insert, qint64 caret, qint64 selLow, qint64 selHigh, int digit)
    {
        if (insert)
            replace(caret, selLow, selHigh, std::uint8_t(digit << 4));
        else
            bytes[std::size_t(caret)] = std::uint8_t(digit << 4 | (bytes[std::size_t(caret)] & 0x0F));
    }
    void character(bool insert, qint64 caret, qint64 selLow, qint64 selHigh, std::uint8_t value)
    {
        if (insert)
            replace(caret, selLow, selHigh, value);
        else
            bytes[std::size_t(caret)] = value;
    }
    void replace(qint64 caret, qint64 selLow, qint64 selHigh, std::uint8_t first)
    {
        if (selLow >= 0) {
            bytes.erase(bytes.begin() + selLow, bytes.begin() + selHigh + 1);
            caret = selLow;
        }
        Bytes newUnit(std::size_t(unit), 0);
        newUnit[0] = first;
        bytes.insert(bytes.begin() + caret, newUnit.begin(), newUnit.end());
    }
    void erase(qint64 from, qint64 to) { bytes.erase(bytes.begin() + from, bytes.begin() + to + 1); }
};

// Characters with their stored bytes; the euro sign is shown for 0x80 and types back as 0x80.
const std::vector<std::pair<QChar, std::uint8_t>> kChars = {
    {QLatin1Char('A'), 0x41}, {QLatin1Char('z'), 0x7A}, {QLatin1Char('7'), 0x37},
    {QChar(0x20AC), 0x80}, {QChar(0xE9), 0xE9}};

// Random keys at random places, in units of `unit` bytes, each step compared with the model.
void typeAgainstTheModel(int unit, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes original(40);
    for (auto& b : original)
        b = std::uint8_t(rng());
    View v(original);
    v.editor.SetBytesPerUnit(unit);
    Model model{original, unit};
    // The state after each recorded step, oldest first; undo walks back along it.
    std::vector<Bytes> history{original};
    const auto matches = [&](const char* what, int step) -> ::testing::AssertionResult {
        if (v.data() == model.bytes)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << what << " at step " << step;
    };
    // An insertion, replacement or deletion always makes an undo record; an overwrite only
    // when the byte really changes.
    const auto record = [&](bool always) {
        if (always || model.bytes != history.back())
            history.push_back(model.bytes);
    };

    for (int step = 0; step < 400; ++step) {
        const qint64 size = v.editor.DataSize();
        const int op = int(rng() % 10);
        if (op == 0) {
            v.key(Qt::Key_Insert);
            continue;
        }
        if (op == 1) {
            v.key(Qt::Key_Tab);
            continue;
        }
        if (op == 2 && history.size() > 1) {
            // Several levels back, each matching the state before its step; then one redo.
            const int levels = 1 + int(rng() % std::min<std::size_t>(4, history.size() - 1));
            for (int i = 0; i < levels; ++i) {
                v.key(Qt::Key_Z, Qt::ControlModifier);
                history.pop_back();
                model.bytes = history.back();
                ASSERT_TRUE(matches("undo", step));
            }
            if (rng() & 1) {
                const Bytes before = v.data();
                v.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                v.key(Qt::Key_Z, Qt::ControlModifier);
                ASSERT_EQ(v.data(), before) << "redo then undo at step " << step;
            }
            continue;
        }
        if (size == 0)
            break;
        // Caret on a unit, or behind the last one in insert mode.
        ASSERT_EQ(size % unit, 0);
        const bool insert = v.editor.InsertMode();
        const qint64 caret = insert && rng() % 8 == 0 ? size : qint64(rng() % std::uint64_t(size / unit)) * unit;
        if (caret == size)
            v.key(Qt::Key_End, Qt::ControlModifier);
        else
            v.editor.SetSelStart(caret);
        ASSERT_EQ(v.editor.GetCursorPosition(), caret);
        // Sometimes a selection by Shift+Right; in insert mode it ends before the caret.
        qint64 selLow = -1, selHigh = -1;
        const int extend = caret < size - unit && rng() % 2 ? 1 + int(rng() % 3) : 0;
        for (int i = 0; i < extend && v.editor.GetCursorPosition() < size - unit; ++i)
            v.key(Qt::Key_Right, Qt::ShiftModifier);
        const qint64 at = v.editor.GetCursorPosition();
        if (v.editor.SelCount() > 0) {
            selLow = v.editor.SelectionLow();
            selHigh = v.editor.SelectionHigh();
            ASSERT_EQ(selLow, caret);
            ASSERT_EQ(selHigh, insert ? at - 1 : at + unit - 1);
        }
        if (!insert) {
            // Typing in overwrite mode drops the selection and changes the byte at the caret.
            selLow = selHigh = -1;
            if (at >= size)
                continue;
        }

        if (op <= 5 && !v.editor.InCharField()) {
            const int hi = int(rng() % 16), lo = int(rng() % 16);
            v.type(QLatin1Char("0123456789abcdef"[hi]));
            model.firstDigit(insert, at, selLow, selHigh, hi);
            ASSERT_TRUE(matches("first digit", step));
            record(insert);
            v.type(QLatin1Char("0123456789ABCDEF"[lo]));
            const qint64 target = selLow >= 0 ? selLow : at;
            model.bytes[std::size_t(target)] = std::uint8_t(hi << 4 | lo);
            ASSERT_TRUE(matches("second digit", step));
            record(false);
        } else if (op <= 7 && v.editor.InCharField()) {
            const auto& [ch, value] = kChars[rng() % kChars.size()];
            v.type(ch);
            model.character(insert, at, selLow, selHigh, value);
            ASSERT_TRUE(matches("character", step));
            record(insert);
        } else if (insert && size > 1) {
            // Backspace takes the selection or the unit before the caret; Delete the one at it.
            const bool back = rng() & 1;
            v.key(back ? Qt::Key_Backspace : Qt::Key_Delete);
            bool erased = true;
            if (selLow >= 0)
                model.erase(selLow, selHigh);
            else if (back && at > 0)
                model.erase(at - unit, at - 1);
            else if (!back && at < size)
                model.erase(at, at + unit - 1);
            else
                erased = false;
            ASSERT_TRUE(matches(back ? "backspace" : "delete", step));
            record(erased);
        }
    }
    while (history.size() > 1) {
        v.key(Qt::Key_Z, Qt::ControlModifier);
        history.pop_back();
        ASSERT_EQ(v.data(), history.back()) << "final undo, " << history.size() << " left";
    }
    EXPECT_EQ(v.data(), original);
}

} // namespace

TEST(HexEditorTypingModel, TypingInBothModesMatchesTheModelThroughUndoAndRedo)
{
    for (const int unit : {1, 2}) {
        for (const unsigned seed : {23u, 5u}) {
            SCOPED_TRACE(testing::Message() << "unit " << unit << ", seed " << seed);
            typeAgainstTheModel(unit, seed);
            if (HasFatalFailure())
                return;
        }
    }
}
