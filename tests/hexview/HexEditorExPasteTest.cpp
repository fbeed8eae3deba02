#include "hexview/HexEditorEx.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> contents(const HexEditor& e)
{
    return {e.Data().begin(), e.Data().end()};
}

void offer(QMimeData* mime)
{
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace

TEST(HexEditorExPaste, FilesOfAFileListFollowOneAnother)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.bin"));
    const QString second = dir.filePath(QStringLiteral("b.bin"));
    for (const auto& [name, bytes] : {std::pair{first, QByteArray("AB")}, std::pair{second, QByteArray("CDE")}}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    offer(mime);

    HexEditorEx editor;
    editor.LoadFromBytes(std::vector<std::uint8_t>{1, 2});
    editor.show();
    editor.setFocus();
    ASSERT_TRUE(editor.CanPaste());
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{'A', 'B', 'C', 'D', 'E', 1, 2}));
    EXPECT_TRUE(editor.Undo());  // one step takes the whole paste back
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{1, 2}));
}

TEST(HexEditorExPaste, LinksThatAreNoFilesLeaveTheTextToPaste)
{
    // A copied web address offers its text and a link; the link names no file to read.
    auto* mime = new QMimeData;
    mime->setUrls({QUrl(QStringLiteral("https://example.org/x"))});
    mime->setText(QStringLiteral("xy"));
    offer(mime);

    HexEditorEx editor;
    editor.show();
    editor.setFocus();
    QStringList offered;
    editor.ChooseClipboardFormat = [&](const QStringList& formats, int& chosen, bool&) {
        offered = formats;
        chosen = 0;
        return true;
    };
    ASSERT_TRUE(editor.CanPaste());
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(offered.value(0), "text/plain");
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{'x', 'y'}));

    auto* linkOnly = new QMimeData;
    linkOnly->setUrls({QUrl(QStringLiteral("https://example.org/x"))});
    offer(linkOnly);
    EXPECT_FALSE(editor.CanPaste());
}

TEST(HexEditorExPaste, FormatDialogOffersHexTextOnlyForText)
{
    HexEditorEx editor;
    editor.show();
    editor.setFocus();
    const auto offerTextAndHtml = [] {
        auto* mime = new QMimeData;
        mime->setText(QStringLiteral("41 42\r\n"));
        mime->setHtml(QStringLiteral("<b>x</b>"));
        offer(mime);
    };

    // Answered in the dialog's own event loop, as a user would.
    QStringList shown;
    bool enabledForText = false, enabledForHtml = true;
    QSize size;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select data format"));
        size = dialog->size();
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("FormatList"));
        auto* hex = dialog->findChild<QCheckBox*>();
        ASSERT_TRUE(list && hex);
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        list->setCurrentRow(int(shown.indexOf(QStringLiteral("Text"))));
        enabledForText = hex->isEnabled();
        list->setCurrentRow(int(shown.indexOf(QStringLiteral("HTML Format"))));
        enabledForHtml = hex->isEnabled();
        list->setCurrentRow(int(shown.indexOf(QStringLiteral("Text"))));
        hex->setChecked(true);
        dialog->accept();
    });
    offerTextAndHtml();
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(shown.contains(QStringLiteral("Text")) && shown.contains(QStringLiteral("HTML Format")))
        << shown.join(u',').toStdString();
    EXPECT_TRUE(enabledForText);
    EXPECT_FALSE(enabledForHtml);
    EXPECT_EQ(size, editor.screen()->availableSize() / 4);
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{0x41, 0x42}));
    EXPECT_TRUE(editor.ClipboardAsHexText());

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    offerTextAndHtml();
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{0x41, 0x42}));  // cancelled: nothing
}

TEST(HexEditorExPaste, PlainTextAsksBetweenTextAndUnicodeTextAndShowsTheHexChoice)
{
    // What a text editor on X11 offers: plain text only.
    const auto offerPlain = [] {
        auto* mime = new QMimeData;
        mime->setText(QStringLiteral("41 42"));
        offer(mime);
    };
    HexEditorEx editor;
    editor.show();
    editor.setFocus();

    // The dialog appears, lists both texts and shows the hex-text box as it stands.
    QStringList shown;
    bool boxChecked = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("FormatList"));
        auto* hex = dialog->findChild<QCheckBox*>();
        ASSERT_TRUE(list && hex);
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        boxChecked = hex->isChecked();
        list->setCurrentRow(0);
        hex->setChecked(true);
        dialog->accept();
    });
    offerPlain();
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown, (QStringList{"Text", "Unicode Text"}));
    EXPECT_FALSE(boxChecked);
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{0x41, 0x42}));

    // The next paste asks again, with the box showing that text is read as hex.
    bool hexOnEntry = false;
    QString chosenFormat = QStringLiteral("text/plain");
    editor.ChooseClipboardFormat = [&](const QStringList& formats, int& chosen, bool& hexText) {
        hexOnEntry = hexText;
        chosen = int(formats.indexOf(chosenFormat));
        hexText = false;
        return true;
    };
    editor.Undo();
    offerPlain();
    ASSERT_TRUE(editor.CBPaste());
    EXPECT_TRUE(hexOnEntry);
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{'4', '1', ' ', '4', '2'}));
    EXPECT_FALSE(editor.ClipboardAsHexText());

    // Unicode Text: the UTF-16 code units, little-endian.
    editor.Undo();
    chosenFormat = QStringLiteral("text/plain;charset=utf-16");
    auto* euro = new QMimeData;
    euro->setText(QStringLiteral("A\u20AC"));
    offer(euro);
    ASSERT_TRUE(editor.CBPaste());
    EXPECT_EQ(contents(editor), (std::vector<std::uint8_t>{'A', 0, 0xAC, 0x20}));
}
