#include "hexview/HexEditorEx.h"

#include <QApplication>
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
