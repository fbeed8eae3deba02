#include "hexview/HexClipboard.h"
#include "hexview/HexEditorError.h"
#include "hexview/HexEditorEx.h"
#include "HexTestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <numeric>
#include <vector>

namespace {

QString errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const HexEditorError& e) {
        return e.message();
    }
    return {};
}

QByteArray counting(int n)
{
    QByteArray bytes(n, 0);
    for (int i = 0; i < n; ++i)
        bytes[i] = char(i * 7);
    return bytes;
}

} // namespace

TEST(HexEditorStore, LoadFromStreamReplacesStoreAndResetsState)
{
    HexEditorEx editor;
    QByteArray bytes = counting(1000);
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    stream.seek(500);  // the whole stream is loaded, not the rest from its position
    editor.LoadFromStream(stream);
    EXPECT_EQ(editor.DataSize(), 1000);
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(editor.GetCursorPosition(), 0);
    EXPECT_EQ(editor.Col(), 2);
    EXPECT_EQ(editor.Row(), 2);
    std::vector<char> back(1000);
    editor.ReadBuffer(back.data(), 0, 1000);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), bytes.begin()));

    editor.SetDataAt(3, 0x55);
    editor.SetDataSize(1001);
    EXPECT_TRUE(editor.Modified());
    QByteArray empty;
    QBuffer emptyStream(&empty);
    emptyStream.open(QIODevice::ReadOnly);
    editor.LoadFromStream(emptyStream);
    EXPECT_EQ(editor.DataSize(), 0);
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(editor.RowCount(), 3);  // one empty data row stays
}

TEST(HexEditorStore, AStreamOfUnknownLengthLoadsWhole)
{
    // A pipe or socket: no size in advance, read until it ends.
    struct Pipe : QIODevice {
        QByteArray bytes;
        qint64 at = 0;
        bool isSequential() const override { return true; }
        qint64 readData(char* out, qint64 max) override
        {
            const qint64 n = std::min(max, bytes.size() - at);
            std::copy_n(bytes.constData() + at, n, out);
            at += n;
            return n;
        }
        qint64 writeData(const char*, qint64) override { return -1; }
    };
    const QByteArray bytes = counting(61440 * 2 + 5);
    Pipe pipe;
    pipe.bytes = bytes;
    pipe.open(QIODevice::ReadOnly);
    HexEditorEx editor;
    editor.LoadFromStream(pipe);
    ASSERT_EQ(editor.DataSize(), bytes.size());
    EXPECT_TRUE(std::equal(editor.Data().begin(), editor.Data().end(), bytes.begin(),
                           [](std::uint8_t a, char b) { return a == std::uint8_t(b); }));
}

TEST(HexEditorStore, ReadBufferOutOfBoundsCopiesNothing)
{
    HexEditorEx editor;
    const QByteArray bytes = counting(64);
    editor.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.constData()), 64});
    std::vector<std::uint8_t> out(16, 0xEE);
    EXPECT_EQ(errorOf([&] { editor.ReadBuffer(out.data(), 60, 5); }),
              "Data position/length out of data bounds");
    EXPECT_EQ(errorOf([&] { (void)editor.GetDataAt(64); }), "Data position/length out of data bounds");
    EXPECT_EQ(errorOf([&] { editor.WriteBuffer(out.data(), 63, 2); }),
              "Data position/length out of data bounds");
    EXPECT_EQ(out, std::vector<std::uint8_t>(16, 0xEE));
    EXPECT_EQ(editor.GetDataAt(63), std::uint8_t(63 * 7));
}

TEST(HexEditorStore, ModifiedFollowsFlagAndStoreContents)
{
    HexEditorEx editor;
    const QByteArray bytes = counting(32);
    editor.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.constData()), 32});
    editor.SetDataSize(40);
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(editor.GetDataAt(39), 0);  // grown with the fill byte
    editor.SetModified(false);
    EXPECT_FALSE(editor.Modified());
    // A set flag on an empty store without a file is not reported.
    editor.SetDataSize(0);
    EXPECT_FALSE(editor.Modified());

    editor.SetNoSizeChange(true);
    editor.SetDataSize(8);  // from empty: allowed even when fixed
    EXPECT_EQ(errorOf([&] { editor.SetDataSize(9); }), "Cannot change fixed filesize");
    EXPECT_EQ(editor.DataSize(), 8);
}

TEST(HexEditorStore, FixedSizeRefusesEveryEditThatChangesTheSize)
{
    HexEditorEx editor;
    const QByteArray bytes = counting(8);
    editor.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.constData()), 8});
    editor.SetNoSizeChange(true);
    const char two[] = {'a', 'b'};
    const std::function<void()> resizing[] = {
        [&] { editor.DeleteSelection(); },
        [&] { editor.InsertBuffer(two, 2, 0); },
        [&] { editor.AppendBuffer(two, 2); },
        [&] { editor.InsertNibble(1, true); },
        [&] { editor.DeleteNibble(1, false); },
    };
    for (const auto& edit : resizing)
        EXPECT_EQ(errorOf(edit), "Cannot update undo storage");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(editor.Data().data()), 8), bytes);
    EXPECT_FALSE(editor.CanUndo());
    // A replacement of the same length is an overwrite.
    editor.SetSelStart(2);
    editor.SetSelEnd(3);
    editor.ReplaceSelection(two, 2);
    EXPECT_EQ(editor.GetDataAt(3), 'b');
    EXPECT_TRUE(editor.CanUndo());
}

TEST(HexEditorStore, LoadReportsProgressAndCanBeCancelled)
{
    HexEditorEx editor;
    const QByteArray bytes = counting(61440 * 4 + 10);
    const std::span<const std::uint8_t> span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                             std::size_t(bytes.size()));
    std::vector<int> seen;
    editor.OnProgress = [&](HexProgressKind kind, int percent, const QString&, bool&) {
        EXPECT_EQ(kind, pkLoad);
        seen.push_back(percent);
    };
    editor.LoadFromBytes(span);
    EXPECT_EQ(seen, (std::vector<int>{0, 25, 50, 75, 100}));

    // Saving reports the same steps.
    seen.clear();
    editor.OnProgress = [&](HexProgressKind kind, int percent, const QString&, bool&) {
        EXPECT_EQ(kind, pkSave);
        seen.push_back(percent);
    };
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    editor.SaveToStream(saved);
    EXPECT_EQ(seen, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(saved.data(), bytes);

    // The wait cursor shows while the bytes are copied and goes however the copy ends.
    bool waitShown = false;
    editor.OnProgress = [&](HexProgressKind, int percent, const QString&, bool& cancel) {
        waitShown = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        cancel = percent >= 50;
    };
    EXPECT_EQ(errorOf([&] { editor.LoadFromBytes(span); }), "Operation cancelled");
    EXPECT_TRUE(waitShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(editor.DataSize(), 0);
    EXPECT_FALSE(editor.Modified());
}

TEST(HexEditorStore, FilesRoundTripAndReadOnlyFilesAreNotOverwritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("image.bin");
    HexEditorEx editor;
    const QByteArray bytes = counting(300);
    editor.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.constData()), 300});
    editor.SetDataAt(0, 0xAB);
    editor.SaveToFile(path, true);
    EXPECT_EQ(editor.FileName(), path);
    EXPECT_FALSE(editor.ReadOnlyFile());

    HexEditorEx reader;
    reader.LoadFromFile(path);
    EXPECT_EQ(reader.DataSize(), 300);
    EXPECT_EQ(reader.GetDataAt(0), 0xAB);
    EXPECT_TRUE(reader.HasFile());
    EXPECT_TRUE(errorOf([&] { reader.LoadFromFile(dir.filePath("missing.bin")); })
                    .startsWith(QString("Cannot open %1.\r\n(").arg(dir.filePath("missing.bin"))));
}

TEST(HexEditorStore, ReadOnlyFileIsNotSavedOver)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the super-user";
    QTemporaryDir dir;
    const QString path = dir.filePath("image.bin");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("abc");
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    HexEditorEx locked;
    locked.LoadFromFile(path);
    EXPECT_TRUE(locked.ReadOnlyFile());
    EXPECT_EQ(errorOf([&] { locked.SaveToFile(path, true); }),
              QString("Cannot save readonly file %1.").arg(path));
}

TEST(HexEditorStore, PropertyRangeErrorsKeepTheOldValue)
{
    HexEditorEx editor;
    EXPECT_EQ(errorOf([&] { editor.SetBytesPerRow(0); }), "Invalid bytes per line argument");
    EXPECT_EQ(errorOf([&] { editor.SetBytesPerRow(257); }), "Invalid bytes per line argument");
    EXPECT_EQ(errorOf([&] { editor.SetBytesPerColumn(300); }), "Invalid bytes per column argument");
    EXPECT_EQ(errorOf([&] { editor.SetBytesPerUnit(3); }), "Invalid bytes per unit value 3, allowed: 1,2,4,8");
    EXPECT_EQ(errorOf([&] { editor.SetRulerBytesPerUnit(0); }),
              "Invalid ruler bytes per unit value 0, allowed: -1,1,2,4,8");
    EXPECT_EQ(editor.BytesPerRow(), 16);
    EXPECT_EQ(editor.BytesPerColumn(), 2);
    EXPECT_EQ(editor.BytesPerUnit(), 1);
    EXPECT_EQ(editor.RulerBytesPerUnit(), -1);

    editor.SetOffsetFormat("-!10:0x|");
    EXPECT_EQ(errorOf([&] { editor.SetOffsetFormat("-!11:0x|"); }),
              "Invalid radix in offset format (11h), allowed: 02h..10h");
    EXPECT_EQ(errorOf([&] { editor.SetOffsetFormat("-!10:0x"); }), "Missing char in offset format: |");
    EXPECT_EQ(editor.OffsetFormat(), "-!10:0x|");

    const std::uint8_t three[3] = {1, 2, 3};
    editor.LoadFromBytes(three);
    EXPECT_EQ(errorOf([&] { editor.SetUnicodeChars(true); }), "Cannot use unicode mode with odd-sized files");
    editor.SetDataSize(4);
    editor.SetUnicodeChars(true);
    EXPECT_EQ(editor.BytesPerUnit(), 2);
    EXPECT_EQ(errorOf([&] { editor.SetTranslation(tkMac); }), "Translations cannot be used in unicode mode");
    EXPECT_EQ(errorOf([&] { editor.SetBytesPerUnit(4); }), "BytesPerUnit must be set to 2 in unicode mode");
    EXPECT_EQ(errorOf([&] { editor.SetBytesPerRow(15); }), "Invalid bytes per line argument");
}

TEST(HexEditorStore, DefaultsAndInstanceSettings)
{
    HexEditorEx editor;
    EXPECT_EQ(editor.FileName(), "Untitled");
    EXPECT_EQ(editor.MaxUndo(), 1048576);
    EXPECT_EQ(editor.CaretKind(), ckAuto);
    EXPECT_EQ(editor.MaskChar(), '.');
    EXPECT_EQ(editor.GutterWidth(), -1);
    EXPECT_TRUE(editor.DrawGutter3D());
    EXPECT_FALSE(editor.ShowRuler());
    EXPECT_EQ(editor.Colors().ChangedBackground, QColor(0xFF, 0xFF, 0xA8));
    EXPECT_EQ(editor.Colors().ChangedText, QColor(128, 0, 0));
    applyFlashEditorSettings(editor);
    EXPECT_EQ(editor.objectName(), "FlashEditor");
    EXPECT_TRUE(editor.ShowRuler());
    EXPECT_EQ(editor.font().pixelSize(), 15);
    EXPECT_TRUE(editor.font().fixedPitch());
    EXPECT_EQ(editor.BackupExtension(), ".bak");
}

TEST(HexEditorStore, SelectionChangedIsCoalesced)
{
    HexEditorEx editor;
    int changes = 0, selections = 0;
    editor.OnChange = [&] { ++changes; };
    editor.OnSelectionChanged = [&] { ++selections; };
    editor.SetDataSize(4);
    editor.SetDataAt(0, 1);
    editor.SetDataAt(1, 2);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(selections, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(selections, 1);
    editor.SetDataAt(2, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(selections, 2);
}

TEST(HexEditorStore, SavingACopyLeavesTheControlWithoutAFile)
{
    QTemporaryDir dir;
    HexEditorEx editor;
    const std::uint8_t bytes[4] = {1, 2, 3, 4};
    editor.LoadFromBytes(bytes);
    editor.SaveToFile(dir.filePath("copy.bin"), false);
    EXPECT_TRUE(QFile::exists(dir.filePath("copy.bin")));
    EXPECT_FALSE(editor.HasFile());
    EXPECT_EQ(editor.FileName(), "Untitled");
}

TEST(HexEditorStore, ShrinkingClipsSelectionCaretAndBookmarks)
{
    // Selections reaching past the new end, by keyboard-style anchor on either side.
    for (const auto& [anchor, other] : {std::pair<qint64, qint64>{10, 1999}, {1999, 10}, {60, 70}}) {
        SCOPED_TRACE(anchor);
        HexEditorEx editor;
        editor.LoadFromBytes(std::vector<std::uint8_t>(2000, 0x5A));
        editor.SetBookmark(1, 49, false);
        editor.SetBookmark(2, 1500, true);
        editor.SetSelStart(anchor);
        editor.SetSelEnd(other);
        editor.SetDataSize(50);
        // A caret cut off drops the selection; one still inside keeps what is left of it.
        EXPECT_LT(editor.GetCursorPosition(), 50);
        if (anchor < 50) {
            EXPECT_EQ(editor.SelectionLow(), std::min(anchor, other));
            EXPECT_EQ(editor.SelectionHigh(), 49);
            EXPECT_LT(editor.SelStart(), 50);
            EXPECT_LT(editor.SelEnd(), 50);
        } else {
            EXPECT_EQ(editor.SelCount(), 0);
        }
        EXPECT_EQ(editor.GetBookmark(1).position, 49);
        EXPECT_EQ(editor.GetBookmark(2).position, -1);
        // A copy takes only bytes the store still holds.
        if (editor.CanCopy()) {
            ASSERT_TRUE(editor.CBCopy());
            const QMimeData* mime = QApplication::clipboard()->mimeData();
            ASSERT_NE(mime, nullptr);
            EXPECT_EQ(HexClipboard::fromPrivateBlock(mime->data(HexClipboard::PrivateFormat))->size(),
                      editor.SelCount());
        }
        // Undo brings the bytes back.
        editor.Undo();
        EXPECT_EQ(editor.DataSize(), 2000);
    }
}
