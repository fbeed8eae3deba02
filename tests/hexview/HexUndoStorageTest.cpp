#include "hexview/HexUndoStorage.h"
#include "HexTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t le32(const QByteArray& b, int at)
{
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8 | std::uint8_t(b[at + 2]) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

HexUndoRecord byteChange(int position)
{
    HexUndoRecord r;
    r.flags = hexUndoBit(ufKindBytesChanged) | hexUndoBit(ufFlagModified);
    r.caret = position;
    r.position = position;
    r.count = 1;
    r.saved = QByteArray(1, char(position));
    return r;
}

} // namespace

TEST(HexUndoStorage, RecordBytesFollowTheLayout)
{
    HexUndoRecord r = byteChange(0x1234);
    r.translation = 3;
    r.bytesPerUnit = 2;
    QByteArray b = r.encode();
    ASSERT_EQ(b.size(), 34);
    EXPECT_EQ(le32(b, 0), 34u);
    EXPECT_EQ(le32(b, 4), (1u << 0) | (1u << 13));
    EXPECT_EQ(le32(b, 8), 0x1234u);
    EXPECT_EQ(le32(b, 12), 0x1234u);
    EXPECT_EQ(le32(b, 16), 1u);
    EXPECT_EQ(le32(b, 20), 0u);
    EXPECT_EQ(b[24], 3);
    EXPECT_EQ(le32(b, 25), 2u);
    EXPECT_EQ(std::uint8_t(b[29]), 0x34);
    EXPECT_EQ(le32(b, 30), 34u);

    // Description and selection block: 33 + n + (4 + d) + 12.
    r.flags |= hexUndoBit(ufFlagHasDescription) | hexUndoBit(ufFlagHasSelection);
    r.description = "ab";
    r.selStart = 5;
    r.selEnd = 9;
    r.selAnchor = 9;
    b = r.encode();
    ASSERT_EQ(b.size(), 33 + 1 + 4 + 2 + 12);
    EXPECT_EQ(b.mid(30, 2), "ab");
    EXPECT_EQ(le32(b, 32), 2u);
    EXPECT_EQ(le32(b, 36), 5u);
    EXPECT_EQ(le32(b, 40), 9u);
    EXPECT_EQ(le32(b, 44), 9u);
    const auto back = HexUndoRecord::decode(b.constData(), b.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->description, "ab");
    EXPECT_EQ(back->selEnd, 9);
    EXPECT_EQ(back->saved, QByteArray(1, 0x34));
    EXPECT_EQ(back->kind(), ufKindBytesChanged);

    // Kinds that save nothing still carry one zero byte.
    HexUndoRecord insert;
    insert.flags = hexUndoBit(ufKindInsertBuffer);
    EXPECT_EQ(insert.encode().size(), 34);
    EXPECT_EQ(insert.encode()[29], 0);
}

TEST(HexUndoStorage, LimitIsCheckedBeforeAppendingAndDropsTheOldest)
{
    HexUndoStorage store;
    const qint64 limit = 1048576;
    for (int i = 0; i < 100000; ++i) {
        store.append(byteChange(i), limit);
        ASSERT_LE(store.size(), limit + 34);
    }
    EXPECT_GT(store.size(), limit);
    EXPECT_EQ(store.size(), qint64(store.count()) * 34);
    const QByteArray bytes = store.bytes();
    const auto oldest = HexUndoRecord::decode(bytes.constData(), 34);
    ASSERT_TRUE(oldest);
    EXPECT_EQ(oldest->position, 100000 - store.count());
    EXPECT_EQ(store.newest()->position, 99999);
    store.removeNewest();
    EXPECT_EQ(store.newest()->position, 99998);
}

// A record larger than the others must be paid for with as many old ones as it takes: every
// append leaves at most the newest record above the limit.
TEST(HexUndoStorage, ALargerRecordDropsAsManyOldOnesAsItTakes)
{
    HexUndoStorage store;
    const qint64 limit = 4096;
    HexUndoRecord large = byteChange(7);
    large.count = 3000;
    large.saved = QByteArray(3000, 'L');
    const qint64 largeSize = large.encode().size();
    for (int i = 0; i < 600; ++i) {
        const bool isLarge = i % 200 == 150;
        store.append(isLarge ? large : byteChange(i), limit);
        ASSERT_LE(store.size() - (isLarge ? largeSize : 34), limit) << i;
    }
    EXPECT_LE(store.size(), limit + 34);
}

TEST(HexUndoStorage, DamagedRecordsAreNotReadBack)
{
    QByteArray b = byteChange(1).encode();
    b[33] = 99;  // trailing size no longer matches
    EXPECT_FALSE(HexUndoRecord::decode(b.constData(), b.size()));
    EXPECT_FALSE(HexUndoRecord::decode(b.constData(), 20));
    EXPECT_EQ(hexUndoDefaultDescription(ufKindCombined), "Multiple modification");
}
