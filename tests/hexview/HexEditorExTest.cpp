#include "hexview/HexClipboard.h"
#include "hexview/HexEditorError.h"
#include "hexview/HexEditorEx.h"
#include "HexTestSupport.h"
#include "ShownEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

struct View : ShownEditor {
    using ShownEditor::ShownEditor;
    void select(qint64 from, qint64 to)
    {
        editor.SetSelStart(from);
        editor.SetSelEnd(to);
    }
};

QString errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const HexEditorError& e) {
        return e.message();
    }
    return {};
}

void setClipboardText(const QString& text, const QString& html = {})
{
    auto* mime = new QMimeData;
    mime->setText(text);
    if (!html.isEmpty())
        mime->setHtml(html);
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace

TEST(HexEditorExClipboard, ZeroByteEndsTextButNotThePrivateFormat)
{
    View v({0x41, 0x00, 0x42, 0x43});
    v.select(0, 2);
    ASSERT_TRUE(v.editor.CanCopy());
    v.key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->text(), "A");
    EXPECT_EQ(HexClipboard::fromPrivateBlock(mime->data(HexClipboard::PrivateFormat)).value(),
              QByteArray("A\0B", 3));
    EXPECT_EQ(mime->data(HexClipboard::RegEditFormat), QByteArray("\3\0\0\0A\0B", 7));
    EXPECT_TRUE(v.editor.OwnsClipBoard());

    // Nothing selected: the paste goes in at the caret and the store grows.
    v.editor.SetSelStart(3);
    v.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0x41, 0x00, 0x42, 0x41, 0x00, 0x42, 0x43}));
    EXPECT_EQ(v.editor.GetUndoDescription(), "Paste from clipboard");
    v.editor.Undo();
    EXPECT_EQ(v.editor.DataSize(), 4);

    // Text from another program: each character as the byte the character column shows for it.
    v.editor.ChooseClipboardFormat = [](const QStringList&, int& chosen, bool& hexText) {
        chosen = 0;  // Text
        hexText = false;
        return true;
    };
    v.select(0, 3);
    setClipboardText(QStringLiteral("€é\u0085Œ"));
    v.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0x80, 0xE9, 0x85, 0x8C}));
    // and a copy gives other programs the characters the column shows.
    v.select(0, 3);
    v.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("€é…Œ"));

    // A character no byte shows would go in as '?': the whole text is refused, naming it. Past
    // the text's end (its first zero) nothing counts.
    qsizetype refusedAt = -2;
    v.editor.OnTextRefused = [&](const QString&, qsizetype unshownAt) { refusedAt = unshownAt; };
    const struct {
        QString text;
        qsizetype unshownAt;
    } texts[] = {{QStringLiteral("ab中c"), 2}, {QStringLiteral("x😀"), 1}, {QStringLiteral("ok"), -2},
                 {QStringLiteral("ok%1中").arg(QChar(0)), -2}};
    for (const auto& text : texts) {
        const std::vector<std::uint8_t> before = v.data();
        v.editor.SetSelStart(0);
        setClipboardText(text.text);
        refusedAt = -2;
        v.key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(refusedAt, text.unshownAt) << text.text.toStdString();
        if (text.unshownAt >= 0)
            EXPECT_EQ(v.data(), before) << text.text.toStdString();
        else
            EXPECT_EQ(v.data().size(), before.size() + 2) << text.text.toStdString();
    }
}

TEST(HexEditorExClipboard, HexTextPasteTakesHexBytesAndRefusesAnyOtherTextWhole)
{
    View v({0xEE, 0xFF});
    v.editor.SetClipboardAsHexText(true);
    v.editor.ChooseClipboardFormat = [](const QStringList&, int& chosen, bool&) {
        chosen = 0;  // Text, with the hex-text box as it stands
        return true;
    };
    QString refusedText;
    qsizetype refusedAt = -2;
    v.editor.OnHexTextRefused = [&](const QString& text, qsizetype badAt) {
        refusedText = text;
        refusedAt = badAt;
    };
    // Read around what is not hex, these texts became other bytes than the ones copied (0x12
    // as 01 2.., an odd digit dropped); Ctrl+V with the box and Paste hex text refuse them alike.
    const struct {
        const char* text;
        qsizetype badAt;
    } refusals[] = {{"41 42 zz 4", 6}, {"0x12 0x3", 7}, {"ABC", 2}, {"12;34", 2}, {" \r\n", -1}};
    for (const auto& refusal : refusals) {
        for (const bool menu : {false, true}) {
            setClipboardText(QString::fromLatin1(refusal.text));
            refusedAt = -2;
            if (menu)
                EXPECT_FALSE(v.editor.CBPasteHexText());
            else
                v.key(Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(refusedAt, refusal.badAt) << refusal.text << (menu ? " from the menu" : " by the key");
            EXPECT_EQ(refusedText, QString::fromLatin1(refusal.text));
            EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0xEE, 0xFF})) << refusal.text;
        }
    }
    setClipboardText("0x41,\t0x42\r\n");
    v.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0x41, 0x42, 0xEE, 0xFF}));

    // Several formats on offer: the choice is asked for, and its hex-text box is honoured.
    View w({0xEE});
    QStringList offered;
    w.editor.ChooseClipboardFormat = [&](const QStringList& formats, int& chosen, bool& hexText) {
        offered = formats;
        chosen = 0;
        hexText = true;
        return true;
    };
    setClipboardText("0102", "<b>x</b>");
    w.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(offered, (QStringList{"text/plain", "text/plain;charset=utf-16", "text/html"}));
    EXPECT_EQ(w.data(), (std::vector<std::uint8_t>{0x01, 0x02, 0xEE}));
    EXPECT_TRUE(w.editor.ClipboardAsHexText());
    w.editor.ChooseClipboardFormat = [](const QStringList&, int&, bool&) { return false; };
    EXPECT_FALSE(w.editor.CBPaste());
    EXPECT_EQ(w.editor.DataSize(), 3);
}

TEST(HexEditorExClipboard, FixedSizePasteOverwritesInPlaceAndCutIsRefused)
{
    View v(std::vector<std::uint8_t>(6, 0));
    v.editor.SetNoSizeChange(true);
    v.editor.ChooseClipboardFormat = [](const QStringList&, int& chosen, bool&) {
        chosen = 0;
        return true;
    };
    setClipboardText("abc");
    v.editor.SetSelStart(4);
    EXPECT_TRUE(v.editor.CBPaste());
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{0, 0, 0, 0, 'a', 'b'}));
    v.select(0, 1);
    EXPECT_FALSE(v.editor.CanCut());
    EXPECT_FALSE(v.editor.CBCut());

    View c({1, 2, 3});
    c.select(1, 2);
    c.key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(c.data(), (std::vector<std::uint8_t>{1}));
    EXPECT_EQ(c.editor.GetUndoDescription(), "Cut to clipboard");
}

TEST(HexEditorExClipboard, SixteenMegabytesCopyAndPasteIntact)
{
    std::vector<std::uint8_t> big(16u << 20);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = std::uint8_t(i * 131 + (i >> 16));
    View v(big);
    v.editor.SelectAll();
    ASSERT_TRUE(v.editor.CBCopy());
    v.editor.SetSelStart(0);
    ASSERT_TRUE(v.editor.CBPaste());
    ASSERT_EQ(v.editor.DataSize(), qint64(2 * big.size()));
    EXPECT_TRUE(std::equal(big.begin(), big.end(), v.editor.Data().begin()));
    EXPECT_TRUE(std::equal(big.begin(), big.end(), v.editor.Data().begin() + qsizetype(big.size())));
}

TEST(HexEditorExUndo, DescribedGroupUndoesInOneStepAndEmptyGroupLeavesNothing)
{
    View v({1, 2, 3, 4});
    const int before = v.editor.UndoStorage().count();
    v.editor.UndoBeginUpdate(QStringLiteral("Fill"));
    v.editor.UndoEndUpdate();
    EXPECT_EQ(v.editor.UndoStorage().count(), before);

    v.editor.UndoBeginUpdate(QStringLiteral("Fill"));
    const std::uint8_t fill[4] = {9, 9, 9, 9};
    v.editor.WriteBuffer(fill, 0, 4);
    v.editor.SetSelStart(0);
    v.editor.DeleteSelection();
    v.editor.UndoEndUpdate();
    EXPECT_TRUE(v.editor.Modified());
    EXPECT_EQ(v.editor.UndoStorage().count(), 1);
    EXPECT_EQ(v.editor.GetUndoDescription(), "Fill");
    ASSERT_TRUE(v.editor.Undo());
    EXPECT_EQ(v.data(), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_FALSE(v.editor.Modified());
    EXPECT_FALSE(v.editor.CanUndo());
}

TEST(HexEditorExBookmarks, TextRoundTripsInBothForms)
{
    View v(std::vector<std::uint8_t>(300, 0));
    EXPECT_EQ(v.editor.GetBookmarksAsString(), "");
    v.editor.SetBookmark(2, 0x123, false);
    v.editor.SetBookmark(9, 260, true);
    const QString text = v.editor.GetBookmarksAsString();
    ASSERT_EQ(text.size(), 81);
    EXPECT_EQ(text[0], '$');
    EXPECT_EQ(text[1 + 2 * 8].unicode(), 0x23);
    EXPECT_EQ(text[2 + 2 * 8].unicode(), 0x01);
    EXPECT_EQ(text[5 + 9 * 8].unicode(), 1);

    View w(std::vector<std::uint8_t>(300, 0));
    w.editor.SetBookmark(0, 5, false);
    w.editor.SetBookMarksAsString(text);
    EXPECT_EQ(w.editor.Bookmarks(), v.editor.Bookmarks());
    w.editor.SetBookMarksAsString("");
    EXPECT_EQ(w.editor.GetBookmarksAsString(), "");

    // Checksummed hex form: index, 16-digit position, flag.
    const QString body = "03" "0000000000000010" "01";
    qint64 sum = 0;
    for (QChar c : body)
        sum += c.unicode();
    w.editor.SetBookMarksAsString(QString("%1").arg(sum, 8, 16, QChar('0')).toUpper() + body);
    EXPECT_EQ(w.editor.GetBookmark(3), (HexBookmark{16, true}));
    EXPECT_EQ(errorOf([&] { w.editor.SetBookMarksAsString("00000000" + body); }), "Invalid bookmark format");
    EXPECT_EQ(w.editor.GetBookmark(3).position, -1);
    EXPECT_EQ(errorOf([&] { w.editor.SetBookMarksAsString("$short"); }), "Invalid bookmark format");
}

TEST(HexEditorExFiles, SaveKeepsTheOldFileAsBackup)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("dump.bin");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old!");
    }
    HexEditorEx editor;
    EXPECT_EQ(errorOf([&] { editor.Save(); }), "No filename specified");
    editor.LoadFromFile(path);
    editor.SetDataAt(0, 'n');
    editor.SetModified(true);
    editor.Save();
    QFile backup(path + ".bak");
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), "old!");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "nld!");
    EXPECT_FALSE(editor.Modified());
}

TEST(HexEditorExView, CtrlWheelZoomsAndPreviewPrintsPages)
{
    View v(std::vector<std::uint8_t>(65536, 0x5A));
    const QPointF at(100, 100);
    QWheelEvent up(at, v.editor.viewport()->mapToGlobal(at.toPoint()), {}, {0, 120}, Qt::NoButton,
                   Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v.editor.viewport(), &up);
    EXPECT_EQ(v.editor.BytesPerRow(), 17);
    QWheelEvent down(at, v.editor.viewport()->mapToGlobal(at.toPoint()), {}, {0, -240}, Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v.editor.viewport(), &down);
    EXPECT_EQ(v.editor.BytesPerRow(), 16);
    QWheelEvent page(at, v.editor.viewport()->mapToGlobal(at.toPoint()), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v.editor.viewport(), &page);
    EXPECT_EQ(v.editor.TopRow(), 2 + v.editor.VisibleRowCount() - 1);

    EXPECT_EQ(errorOf([&] { (void)v.editor.PrintPreview(0, {800, 1100}); }), "Invalid page index");
    const QSize a4(794, 1123);
    const QRect area = v.editor.PrinterMarginRect(a4, 96);
    EXPECT_EQ(area.left(), int(20 * 96 / 25.4));
    EXPECT_GT(v.editor.PrintNumPages(area, 96), 10);
    const QImage page1 = v.editor.PrintPreview(1, a4);
    bool ink = false;
    for (int y = area.top(); y < area.bottom() && !ink; y += 2)
        for (int x = area.left(); x < area.right() && !ink; ++x)
            ink = page1.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(ink);
    EXPECT_EQ(page1.pixel(2, 2), qRgb(255, 255, 255));  // margins stay blank
}
