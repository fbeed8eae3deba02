#pragma once

// Shared set-up of the tests that drive the simulator through the real transport: one
// TUsbBulk and one control client bound to the same built library.

#include "SimClient.h"
#include "programmer/CommandPacket.h"
#include "usb/UsbBulk.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

class SimTest : public ::testing::Test {
protected:
    SimTest() { usb.setReplyPause(std::chrono::milliseconds(0)); }

    void SetUp() override
    {
        ASSERT_TRUE(sim.ok()) << "cannot bind " << ZORVEX_SIM_LIBRARY;
        m_violationsAtStart = sim.violations();
    }
    // Every test fails on a protocol violation it did not provoke on purpose.
    void TearDown() override
    {
        if (sim.ok()) {
            EXPECT_EQ(sim.violations() - m_violationsAtStart, m_violationsProvoked) << violationLines();
        }
    }

    // A test that provokes violations checks them and counts them here.
    void provoked(long count) { m_violationsProvoked += count; }
    [[nodiscard]] std::string violationLines() const
    {
        std::string text;
        for (const auto& line : sim.trace())
            if (line.rfind("violation ", 0) == 0)
                text += line + "\n";
        return text;
    }

    void load(const std::string& config)
    {
        ASSERT_EQ(sim.reset(config.c_str()), 0) << sim.lastError();
    }

    void open() { ASSERT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 1); }

    // Sends a command; reads its reply when asked. Returns the transfer result.
    int send(CommandPacket& packet, bool reply)
    {
        return usb.USB_bulk_cmd(packet.data(), packet.length(), reply ? 1 : 0);
    }

    // Opens and sends CmdBegin for the chip.
    void begin(const ChipParams& chip)
    {
        open();
        CommandPacket p = makeBegin(chip, 0, usb.bigEndianFields());
        ASSERT_EQ(send(p, true), 64);
    }

    void startStream(std::uint32_t address, bool reply)
    {
        CommandPacket p = makeSetAddress(address, usb.bigEndianFields());
        ASSERT_EQ(send(p, reply), 64);
    }

    std::vector<std::uint8_t> readBlocks(int count, int size)
    {
        std::vector<std::uint8_t> data(static_cast<std::size_t>(count * size), 0xEE);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(usb.USB_bulk_read(reinterpret_cast<char*>(data.data()) + i * size, size), size);
        return data;
    }

    void writeBlock(const std::vector<std::uint8_t>& data)
    {
        ASSERT_EQ(usb.USB_bulk_write(reinterpret_cast<const char*>(data.data()),
                                     static_cast<int>(data.size())),
                  static_cast<int>(data.size()));
    }

    [[nodiscard]] bool traceHas(const std::string& text) const
    {
        for (const auto& line : sim.trace()) {
            if (line.find(text) != std::string::npos)
                return true;
        }
        return false;
    }

    SimClient sim{ZORVEX_SIM_LIBRARY};
    TUsbBulk usb{ZORVEX_SIM_LIBRARY};

private:
    long m_violationsAtStart = 0;
    long m_violationsProvoked = 0;
};
