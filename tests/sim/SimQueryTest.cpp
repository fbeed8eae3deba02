#include "SimHarness.h"

namespace {

struct QueryCase {
    const char* chip;
    int askedFamily;
    std::array<std::uint8_t, 4> reply;
};

}  // namespace

class SimQuery : public SimTest, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(SimQuery, AnswersByTheFamilyAsked)
{
    const QueryCase& c = GetParam();
    load(std::string("[device]\nchip_size = 256\nchip_id = 0xC22017\nchip = ") + c.chip + "\n");
    open();
    ChipParams asked;
    asked.family = static_cast<std::uint8_t>(c.askedFamily);
    CommandPacket p = makeQueryChip(asked, 0, usb.bigEndianFields());
    ASSERT_EQ(send(p, true), 64);
    EXPECT_EQ((std::array<std::uint8_t, 4>{p.bytes[0], p.bytes[1], p.bytes[2], p.bytes[3]}), c.reply);
}

INSTANTIATE_TEST_SUITE_P(
    Sockets, SimQuery,
    ::testing::Values(QueryCase{"25flash", 0, {1, 0xC2, 0x20, 0x17}},
                      QueryCase{"25flash", 1, {1, 0xC2, 0x20, 0x17}},
                      QueryCase{"24", 0, {2, 0, 0, 0}},
                      QueryCase{"93", 2, {3, 0, 0, 0}},
                      QueryCase{"25eeprom", 0, {0, 0, 0, 0}},
                      QueryCase{"25eeprom", 3, {4, 0, 0, 0}},
                      QueryCase{"95", 4, {5, 0, 0, 0}},
                      QueryCase{"95", 3, {0, 0, 0, 0}},
                      QueryCase{"25flash", 3, {0, 0, 0, 0}},
                      QueryCase{"none", 0, {0, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<QueryCase>& info) {
        return std::string("chip") + (info.param.chip[0] == 'n' ? "None" : info.param.chip)
            + "Asked" + std::to_string(info.param.askedFamily);
    });

TEST_F(SimTest, DefaultConfigurationIsAnEightMebibyteFlashWithContent)
{
    ASSERT_EQ(sim.reset(nullptr), 0);
    ASSERT_EQ(sim.deviceCount(), 1);
    EXPECT_EQ(sim.chipSize(0), 8 * 1024 * 1024);
    const auto chip = sim.chip(0);
    EXPECT_NE(std::count(chip.begin(), chip.begin() + 65536, 0xFF), 65536);
    open();
    EXPECT_FALSE(usb.bigEndianFields());
}

TEST_F(SimTest, CommandsDecodeTheVariantByteOrder)
{
    ChipParams chip{0, 1, 256, 100, 0x800000, 0xEF4017, 2};
    for (const char* product : {"WinUSBComm", "WinUSBComm Device"}) {
        load(std::string("[device]\nproduct = ") + product + "\n");
        begin(chip);
        CommandPacket erase = makeErase(0x1234, usb.bigEndianFields());
        send(erase, false);
        EXPECT_EQ(sim.traceCount("cmd Begin dev=0 t=1 family=0 subtype=1 page=256 delay=100 "
                                 "size=0x800000 id=0xEF4017 speed=0x0 voltage=2"), 1) << product;
        EXPECT_EQ(sim.traceCount("cmd Erase dev=0 t=3 argument=0x1234"), 1) << product;
    }
}
