#include "hexview/HexClipboard.h"
#include "hexview/HexEditorEx.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr qint64 MiB = qint64(1) << 20;

// Peak resident memory since the last reset, in bytes; -1 where the kernel cannot tell.
qint64 peakSinceReset()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLongLong() * 1024;
    return -1;
}

qint64 residentNow()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLongLong() * 1024;
    return -1;
}

// Starts a new peak measurement; false where the kernel does not offer it.
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

std::vector<std::uint8_t> image(qint64 size)
{
    // No zero byte, so the plain-text format carries the whole selection too.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(1 + (i * 131 + (i >> 16)) % 255);
    return bytes;
}

} // namespace

TEST(HexClipboardMemory, SixtyFourMegabytesCopyHoldsOneCopyAndPastesBack)
{
    const qint64 size = 64 * MiB;
    HexEditorEx source;
    {
        const std::vector<std::uint8_t> bytes = image(size);
        source.LoadFromBytes(bytes);
    }
    source.show();
    source.setFocus();
    QTest::keyClick(&source, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(source.SelCount(), size);

    const qint64 before = residentNow();
    if (before < 0 || !resetPeak())
        GTEST_SKIP() << "no resident-memory figures on this system";
    QTest::keyClick(&source, Qt::Key_C, Qt::ControlModifier);
    const qint64 copyPeak = peakSinceReset() - before;
    const qint64 held = residentNow() - before;
    // The clipboard may keep one copy of the bytes (the view can change or go away), but must
    // not build all of its formats up front: that is five copies and a text twice as large.
    EXPECT_LT(held, 2 * size) << "held " << held / MiB << " MiB";
    EXPECT_LT(copyPeak, 3 * size) << "peak " << copyPeak / MiB << " MiB";

    const QMimeData* offered = QApplication::clipboard()->mimeData();
    ASSERT_NE(offered, nullptr);
    EXPECT_TRUE(offered->hasFormat(QString::fromLatin1(HexClipboard::PrivateFormat)));
    EXPECT_EQ(offered->text().size(), size);

    HexEditorEx target;
    target.show();
    target.setFocus();
    const qint64 beforePaste = residentNow();
    ASSERT_TRUE(resetPeak());
    QTest::keyClick(&target, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(target.DataSize(), size);
    // The new store plus the block read from the clipboard; no further copies of the bytes.
    const qint64 pastePeak = peakSinceReset() - beforePaste;
    EXPECT_LT(pastePeak, 3 * size) << "peak " << pastePeak / MiB << " MiB";
    EXPECT_TRUE(std::equal(source.Data().begin(), source.Data().end(), target.Data().begin()));
}

TEST(HexClipboardMemory, FormatsAreBuiltWhenAskedAndMatchTheirLayouts)
{
    const std::vector<std::uint8_t> bytes{0x41, 0x42, 0x00, 0x43};
    HexClipboard::CopyOptions options;
    options.fileName = QStringLiteral("/tmp/dump/chip.image.bin");
    std::unique_ptr<QMimeData> mime(HexClipboard::makeMimeData(bytes, options));
    EXPECT_EQ(mime->text(), QStringLiteral("AB"));
    EXPECT_EQ(mime->data(QString::fromLatin1(HexClipboard::PrivateFormat)),
              QByteArray("QRLN\x01\x00\x01\x00\x04\x00\x00\x00" "AB\0C", 16));
    EXPECT_EQ(mime->data(QString::fromLatin1(HexClipboard::RegEditFormat)),
              QByteArray("\x04\x00\x00\x00" "AB\0C", 8));
    EXPECT_EQ(mime->data(QString::fromLatin1(HexClipboard::FileContentsFormat)),
              QByteArray("AB\0C", 4));
    EXPECT_TRUE(mime->data(QString::fromLatin1(HexClipboard::FileGroupFormat))
                    .contains("Dump of chip.image.bin"));
    options.hexText = true;
    options.swapNibbles = true;
    mime.reset(HexClipboard::makeMimeData(bytes, options));
    EXPECT_EQ(mime->text(), QStringLiteral("14240034"));
    // Copies taken from the data object stay valid after it is gone.
    const QByteArray contents = mime->data(QString::fromLatin1(HexClipboard::FileContentsFormat));
    mime.reset();
    EXPECT_EQ(contents, QByteArray("AB\0C", 4));
}

TEST(HexClipboardMemory, BlocksWithAnotherHeaderOrAShortCountAreNotRead)
{
    const QString privateFormat = QString::fromLatin1(HexClipboard::PrivateFormat);
    const QString regEditFormat = QString::fromLatin1(HexClipboard::RegEditFormat);
    const struct {
        QString format;
        QByteArray block;
        std::optional<QByteArray> bytes;
    } cases[] = {
        {privateFormat, QByteArray("QRLN\x01\x00\x01\x00\x02\x00\x00\x00" "AB", 14), QByteArray("AB")},
        {privateFormat, QByteArray("QRLN\x02\x00\x01\x00\x02\x00\x00\x00" "AB", 14), std::nullopt},
        {privateFormat, QByteArray("QRLX\x01\x00\x01\x00\x02\x00\x00\x00" "AB", 14), std::nullopt},
        {privateFormat, QByteArray("QRLN\x01\x00\x01\x00\x03\x00\x00\x00" "AB", 14), std::nullopt},
        {privateFormat, QByteArray("QRLN\x01\x00\x01\x00\x02\x00", 10), std::nullopt},
        {regEditFormat, QByteArray("\x02\x00\x00\x00" "AB", 6), QByteArray("AB")},
        {regEditFormat, QByteArray("\x03\x00\x00\x00" "AB", 6), std::nullopt},
        {regEditFormat, QByteArray("\x02\x00", 2), std::nullopt},
    };
    for (const auto& c : cases) {
        QMimeData mime;
        mime.setData(c.format, c.block);
        EXPECT_EQ(HexClipboard::bytesOf(mime, c.format, false), c.bytes) << c.block.toHex().constData();
    }
}
