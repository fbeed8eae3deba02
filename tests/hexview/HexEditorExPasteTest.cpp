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
    ASSERT_TRUE(editor.CanPaste());
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
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
        mime->setText(QStringLiteral("41 42 zz 4"));
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
