#pragma once

#include "OpsTestDoubles.h"

#include "text/MessageCatalog.h"
#include "programmer/ChipOperations.h"
#include "sim/SimClient.h"
#include "usb/UsbBulk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// The operations core driven end to end against the programmer simulator, bound through the
// real TUsbBulk dlopen path; the test reads the simulator's trace and chip image.
class SimFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        setCurrentLanguage(Language::English);
        ASSERT_TRUE(sim.ok()) << "simulator not found at " ZORVEX_SIM_LIBRARY;
        usb.setReplyPause(std::chrono::milliseconds(0));
        m_violationsAtStart = sim.violations();
    }
    // A reply left unread, or read where none is due, fails the test whatever it checked.
    void TearDown() override
    {
        if (!sim.ok())
            return;
        std::string lines;
        for (const std::string& line : traceWith("violation "))
            lines += line + "\n";
        EXPECT_EQ(sim.violations(), m_violationsAtStart) << lines;
    }

    // One programmer with the given chip keys (chip = ..., chip_size = ..., faults ...).
    void configure(const std::string& deviceKeys)
    {
        const std::string text = "[device]\nmanufacturer = Zorvex\nproduct = WinUSBComm Device\n" + deviceKeys;
        ASSERT_EQ(sim.reset(text.c_str()), 0) << sim.lastError();
    }
    void configureNoProgrammer() { ASSERT_EQ(sim.reset("[device]\nvendor_id = 0x1234\n"), 0) << sim.lastError(); }

    [[nodiscard]] std::vector<std::string> traceWith(const std::string& prefix) const
    {
        std::vector<std::string> lines;
        for (const std::string& line : sim.trace())
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line);
        return lines;
    }
    [[nodiscard]] int count(const char* prefix) const { return sim.traceCount(prefix); }
    // The commands and data blocks in order, as "Begin", "SetAddress", "read 256", "write 64"...
    [[nodiscard]] std::vector<std::string> protocol() const;
    // Total bytes of the data blocks of one direction ("read" or "write").
    [[nodiscard]] long streamBytes(const std::string& direction) const;

    void setChip(std::span<const quint8> bytes, unsigned long offset = 0)
    {
        ASSERT_EQ(sim.chipWrite(0, offset, bytes.data(), bytes.size()), 0);
    }
    void fillChip(quint8 value) { ASSERT_EQ(sim.chipFill(0, value), 0); }

    SimClient sim{ZORVEX_SIM_LIBRARY};
    TUsbBulk usb{ZORVEX_SIM_LIBRARY};
    RecordingFeedback feedback;
    FakeHost host;
    FakeClock clock;
    ChipOperations ops{usb, feedback, host, clock};

private:
    long m_violationsAtStart = 0;
};
