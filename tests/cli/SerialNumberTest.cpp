#include "SerialNumber.h"

#include <gtest/gtest.h>

namespace {

QByteArray encoded(const char* format, quint64 value)
{
    const std::optional<SerialFormat> parsed = SerialFormat::parse(QString::fromLatin1(format));
    EXPECT_TRUE(parsed) << format;
    return parsed ? parsed->encode(value).value_or(QByteArray("does not fit")) : QByteArray();
}

}  // namespace

TEST(SerialFormat, BinaryFormatsInBothByteOrders)
{
    EXPECT_EQ(encoded("le16", 0x1234), QByteArray("\x34\x12", 2));
    EXPECT_EQ(encoded("be16", 0x1234), QByteArray("\x12\x34", 2));
    EXPECT_EQ(encoded("le32", 0x12345678), QByteArray("\x78\x56\x34\x12", 4));
    EXPECT_EQ(encoded("be32", 0x12345678), QByteArray("\x12\x34\x56\x78", 4));
    EXPECT_EQ(encoded("le64", 0x0102030405060708), QByteArray("\x08\x07\x06\x05\x04\x03\x02\x01", 8));
    EXPECT_EQ(encoded("be64", 0x0102030405060708), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
    EXPECT_EQ(encoded("le32", 0), QByteArray(4, '\0'));
}

TEST(SerialFormat, ValuesAtAndPastEachWidth)
{
    EXPECT_EQ(encoded("le16", 0xFFFF), QByteArray("\xFF\xFF", 2));
    EXPECT_EQ(encoded("be16", 0x10000), "does not fit");
    EXPECT_EQ(encoded("be32", 0xFFFFFFFF), QByteArray("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(encoded("le32", 0x100000000), "does not fit");
    EXPECT_EQ(encoded("be64", ~quint64{0}), QByteArray(8, '\xFF'));
    EXPECT_EQ(encoded("ascii:3", 999), "999");
    EXPECT_EQ(encoded("ascii:3", 1000), "does not fit");
    EXPECT_EQ(encoded("hex:2", 0xFF), "FF");
    EXPECT_EQ(encoded("hex:2", 0x100), "does not fit");
    EXPECT_EQ(encoded("ascii:20", ~quint64{0}), "18446744073709551615");
}

TEST(SerialFormat, TheLargestNumberIsTheLastThatFits)
{
    for (const char* text : {"le16", "be32", "le64", "ascii:1", "ascii:19", "ascii:20", "hex:3", "hex:16"}) {
        const SerialFormat format = *SerialFormat::parse(QString::fromLatin1(text));
        EXPECT_TRUE(format.encode(format.largest())) << text;
        if (format.largest() != ~quint64{0}) {
            EXPECT_FALSE(format.encode(format.largest() + 1)) << text;
        }
    }
}

TEST(SerialFormat, TextFormatsAreZeroPaddedAndUpperCase)
{
    EXPECT_EQ(encoded("ascii:6", 42), "000042");
    EXPECT_EQ(encoded("ascii:1", 0), "0");
    EXPECT_EQ(encoded("hex:8", 0xBEEF), "0000BEEF");
}

TEST(SerialFormat, UnknownFormatsAreRefused)
{
    for (const char* text : {"le8", "le24", "LE32", "ascii", "ascii:0", "ascii:21", "hex:", "hex:-1", "dec:4", "", "le32 "})
        EXPECT_FALSE(SerialFormat::parse(QString::fromLatin1(text))) << text;
}

TEST(SerialFormat, NumbersAsTyped)
{
    EXPECT_EQ(parseUnsigned(QStringLiteral("0")), 0u);
    EXPECT_EQ(parseUnsigned(QStringLiteral("0x1F0")), 0x1F0u);
    EXPECT_EQ(parseUnsigned(QStringLiteral("18446744073709551615")), ~quint64{0});
    for (const char* text : {"", "-1", "+1", "18446744073709551616", "12a", " 1", "0x", "1.0"})
        EXPECT_FALSE(parseUnsigned(QString::fromLatin1(text))) << text;
}
