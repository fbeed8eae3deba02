#include "hexview/HexBitSet.h"
#include "hexview/HexDataStream.h"
#include "hexview/HexEditorError.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<std::uint8_t> contents(const HexDataStream& s)
{
    return {s.bytes().begin(), s.bytes().end()};
}

} // namespace

TEST(HexDataStream, OutOfBoundsAccessRaisesAndTouchesNothing)
{
    HexDataStream s;
    s.setSize(8, 0x11);
    std::uint8_t buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), 0xAA);
    for (auto [pos, count] : {std::pair<qint64, qint64>{4, 5}, {-1, 2}, {0, -1}, {9, 0}, {8, 1}}) {
        try {
            s.readAt(pos, buffer, count);
            FAIL() << pos << "," << count;
        } catch (const HexEditorError& e) {
            EXPECT_EQ(e.message(), "Data position/length out of data bounds");
        }
        EXPECT_THROW(s.writeAt(pos, buffer, count), HexEditorError);
    }
    EXPECT_THROW(s.move(0, 4, 5), HexEditorError);
    EXPECT_THROW(s.remove(7, 2), HexEditorError);
    EXPECT_THROW(s.insert(9, buffer, 1), HexEditorError);
    EXPECT_TRUE(std::all_of(std::begin(buffer), std::end(buffer), [](auto b) { return b == 0xAA; }));
    EXPECT_EQ(contents(s), std::vector<std::uint8_t>(8, 0x11));
    // The empty range at the very end is inside the store.
    EXPECT_NO_THROW(s.readAt(8, buffer, 0));
}

TEST(HexDataStream, RandomEditsMatchPlainArray)
{
    std::mt19937 rng(7);
    HexDataStream s;
    std::vector<std::uint8_t> model;
    for (int step = 0; step < 3000; ++step) {
        const qint64 size = qint64(model.size());
        const auto pick = [&](qint64 hi) { return hi <= 0 ? 0 : qint64(rng() % std::uint64_t(hi + 1)); };
        std::vector<std::uint8_t> data(rng() % 40);
        for (auto& b : data)
            b = std::uint8_t(rng());
        const qint64 pos = pick(size);
        switch (rng() % 4) {
        case 0:
            s.insert(pos, data.data(), qint64(data.size()));
            model.insert(model.begin() + pos, data.begin(), data.end());
            break;
        case 1: {
            const qint64 n = pick(size - pos);
            s.remove(pos, n);
            model.erase(model.begin() + pos, model.begin() + pos + n);
            break;
        }
        case 2: {
            const qint64 n = std::min<qint64>(qint64(data.size()), size - pos);
            s.writeAt(pos, data.data(), n);
            std::copy_n(data.begin(), n, model.begin() + pos);
            break;
        }
        default: {
            const qint64 n = pick(size / 2);
            const qint64 from = pick(size - n), to = pick(size - n);
            s.move(from, to, n);
            std::vector<std::uint8_t> tmp(model.begin() + from, model.begin() + from + n);
            std::copy(tmp.begin(), tmp.end(), model.begin() + to);
        }
        }
        ASSERT_EQ(contents(s), model) << "step " << step;
    }
}

TEST(HexDataStream, StreamReadWriteGrowAndHexText)
{
    HexDataStream s;
    const std::uint8_t abc[] = {0xAB, 0x0C, 0xF0};
    s.seek(2);
    s.write(abc, 3);
    EXPECT_EQ(s.size(), 5);
    EXPECT_EQ(s.hexText(0, 5), "0000AB0CF0");
    EXPECT_EQ(s.hexText(2, 1, true), "ab");
    std::uint8_t out[8] = {};
    s.seek(3);
    EXPECT_EQ(s.read(out, 8), 2);
    EXPECT_EQ(out[0], 0x0C);
    EXPECT_EQ(s.read(out, 8), 0);
}

TEST(HexBitSet, GrowsOnDemandAndTruncates)
{
    HexBitSet bits;
    EXPECT_FALSE(bits.test(1000));
    bits.set(1000, false);
    EXPECT_EQ(bits.size(), 0);
    bits.set(63, true);
    bits.set(64, true);
    bits.set(200, true);
    EXPECT_TRUE(bits.test(63) && bits.test(64) && bits.test(200));
    EXPECT_FALSE(bits.test(65));
    bits.truncate(64);
    EXPECT_TRUE(bits.test(63));
    EXPECT_FALSE(bits.test(64));
    // A bit set again after truncation must not resurrect old high bits.
    bits.set(150, true);
    EXPECT_FALSE(bits.test(64));
    EXPECT_FALSE(bits.test(200));
    bits.clear();
    EXPECT_FALSE(bits.any());
}
