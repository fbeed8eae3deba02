#include "SimHarness.h"

#include <cstdlib>

TEST_F(SimTest, RefusedConfigurationNamesTheLineAndLeavesNoDeviceAndNoTrace)
{
    EXPECT_EQ(sim.reset("[device]\nchip = 24\nchip_sise = 256\n"), -1);
    EXPECT_NE(std::string(sim.lastError()).find("line 3: unknown key: chip_sise"), std::string::npos);
    EXPECT_EQ(sim.deviceCount(), 0);
    EXPECT_EQ(sim.reset("chip = 24\n"), -1);
    EXPECT_NE(std::string(sim.lastError()).find("line 1: device key outside a [device] section: chip"), std::string::npos);
    // A misspelt key before the first section is named as unknown, not sent to a section.
    EXPECT_EQ(sim.reset("trace_limt = 10\n[device]\n"), -1);
    EXPECT_NE(std::string(sim.lastError()).find("line 1: unknown key: trace_limt"), std::string::npos) << sim.lastError();
    EXPECT_EQ(sim.reset("[device]\nchip_size = 128M\n"), -1);
    EXPECT_EQ(sim.reset("[device]\ntimeout_at = 3, x\n"), -1);

    // A configuration file that cannot be read is refused like a wrong one: the last run's
    // devices and trace are gone, so nothing of it is read as part of the next.
    load("[device]\n");
    open();
    ASSERT_FALSE(sim.trace().empty());
    const char* missing = "/nonexistent/zorvex-sim.conf";
    setenv("ZORVEX_SIM_CONFIG", missing, 1);
    EXPECT_EQ(sim.reset(nullptr), -1);
    unsetenv("ZORVEX_SIM_CONFIG");
    EXPECT_NE(std::string(sim.lastError()).find(missing), std::string::npos) << sim.lastError();
    EXPECT_EQ(sim.deviceCount(), 0);
    EXPECT_TRUE(sim.trace().empty());
}

TEST_F(SimTest, SeveralDevicesOnSeveralBuses)
{
    load("trace_limit = 100\n[device]\nbus = 3\nproduct = WinUSBComm\n[device]\nbus = 2\n");
    ASSERT_EQ(sim.deviceCount(), 2);
    // Buses are walked in number order, so the device on bus 2 is found first.
    open();
    EXPECT_EQ(usb.epIn(), 0x85);
    EXPECT_EQ(sim.counter(1, "open_handles"), 1);
    EXPECT_EQ(sim.set(0, "chip_size", "1K"), -1);
    EXPECT_EQ(sim.set(0, "bogus", "1"), -1);
    EXPECT_EQ(sim.set(0, "timeout_at", "9"), 0);
}

// A device keeps its file number while plugged: the host may know a programmer by BUS:DEVICE,
// and pulling its neighbour must not give that place to another programmer.
TEST_F(SimTest, ADeviceKeepsItsNumberAndAReplugTakesTheNext)
{
    load("[device]\n[device]\n");
    const auto locations = [this] {
        std::vector<std::string> all;
        for (const ProgrammerIdentity& programmer : usb.listProgrammers())
            all.push_back(programmer.location());
        return all;
    };
    EXPECT_EQ(locations(), (std::vector<std::string>{"001:001", "001:002"}));
    sim.setPlugged(0, 0);
    EXPECT_EQ(locations(), (std::vector<std::string>{"001:002"}));
    sim.setPlugged(0, 1);
    EXPECT_EQ(locations(), (std::vector<std::string>{"001:002", "001:003"}));
}

// The last error answers for the last reset or set alone: a set that works clears what an
// earlier reset or set left.
TEST_F(SimTest, LastErrorSpeaksOfTheLastCallOnly)
{
    ASSERT_EQ(sim.reset("[device]\nchip_image = /nonexistent/zorvex-sim/chip.bin\n"), -2);
    EXPECT_STRNE(sim.lastError(), "");
    EXPECT_EQ(sim.set(0, "timeout_at", "9"), 0);
    EXPECT_STREQ(sim.lastError(), "");
    EXPECT_EQ(sim.set(0, "bogus", "1"), -1);
    EXPECT_STRNE(sim.lastError(), "");
    EXPECT_EQ(sim.set(0, "timeout_at", "8"), 0);
    EXPECT_STREQ(sim.lastError(), "");
}
