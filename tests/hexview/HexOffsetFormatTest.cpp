#include "hexview/HexEditorError.h"
#include "hexview/HexOffsetFormat.h"
#include "HexTestSupport.h"

#include <gtest/gtest.h>

namespace {

QString errorOf(const QString& format)
{
    try {
        (void)HexOffsetFormat::parse(format);
    } catch (const HexEditorError& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(HexOffsetFormat, InstanceFormatGivesPrefixedAutoWidthHex)
{
    const HexOffsetFormat f = HexOffsetFormat::parse("-!10:0x|");
    EXPECT_TRUE(f.autoWidth());
    EXPECT_EQ(f.radix(), 16);
    EXPECT_EQ(f.unitKind(), HexOffsetFormat::UnitKind::Ruler);
    const int digits = f.digitsFor(0xFFF0);
    EXPECT_EQ(digits, 4);
    EXPECT_EQ(f.format(0, 1, digits, false), "0x0000");
    EXPECT_EQ(f.format(0xABC0, 1, digits, true), "0xabc0");
    // Automatic width of a one-row store is zero digits: offset 0 shows the prefix alone.
    EXPECT_EQ(f.format(0, 1, f.digitsFor(0), false), "0x");
}

TEST(HexOffsetFormat, UnitsWidthsAndRadix)
{
    const HexOffsetFormat rows = HexOffsetFormat::parse("r%4!a:|h");
    EXPECT_EQ(rows.unitKind(), HexOffsetFormat::UnitKind::Rows);
    EXPECT_EQ(rows.format(160, 16, 0, false), "0010h");
    // "C" is a hex digit too; "C%" still means column groups.
    EXPECT_EQ(HexOffsetFormat::parse("C%10:|").unitKind(), HexOffsetFormat::UnitKind::ColumnGroups);
    const HexOffsetFormat fixed = HexOffsetFormat::parse("4%!2:[|]");
    EXPECT_EQ(fixed.fixedUnit(), 4);
    EXPECT_EQ(fixed.format(20, 4, 0, false), "[101]");
    EXPECT_EQ(fixed.format(0, 4, 0, false), "[0]");
    EXPECT_EQ(HexOffsetFormat::parse("8:|").format(64, 1, 0, false), "100");
    // "%" alone counts in the ruler unit; digits before "!" are the least width.
    const HexOffsetFormat ruler = HexOffsetFormat::parse("%3!10:|");
    EXPECT_EQ(ruler.unitKind(), HexOffsetFormat::UnitKind::Ruler);
    EXPECT_EQ(ruler.format(0x2A, 1, 0, false), "02A");
}

TEST(HexOffsetFormat, ErrorsNameWhatIsWrong)
{
    EXPECT_EQ(errorOf("-!11:0x|"), "Invalid radix in offset format (11h), allowed: 02h..10h");
    EXPECT_EQ(errorOf("-!1:0x|"), "Invalid radix in offset format (1h), allowed: 02h..10h");
    // A radix of twenty digits is read without overflow and named by its leading digits.
    EXPECT_EQ(errorOf("FFFFFFFFFFFFFFFFFFFF:|"), "Invalid radix in offset format (FFFFFFFFFFFh), allowed: 02h..10h");
    EXPECT_EQ(errorOf("-!10:0x"), "Missing char in offset format: |");
    EXPECT_EQ(errorOf("-!:0x|"), "Missing char in offset format: number radix");
    EXPECT_EQ(errorOf("-!10 0x|"), "Missing char in offset format: :");
    EXPECT_EQ(errorOf("3%10:|"), "Invalid bytes per unit value 3, allowed: 1,2,4,8");
    EXPECT_EQ(errorOf(""), QString());
    EXPECT_TRUE(HexOffsetFormat::parse("").isEmpty());
}
