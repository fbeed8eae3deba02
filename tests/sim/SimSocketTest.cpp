// chip_present_file: a socket that a test fills and empties, a fresh chip each time.
#include "SimHarness.h"

#include <cerrno>
#include <cstdio>
#include <fstream>

#include <unistd.h>

namespace {

void createFile(const std::string& path, const std::vector<std::uint8_t>& bytes = {})
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

class SimSocket : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        char pattern[] = "/tmp/sim-socket-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::remove(present().c_str());
        std::remove(image().c_str());
        rmdir(m_dir.c_str());
        SimTest::TearDown();
    }
    [[nodiscard]] std::string present() const { return m_dir + "/present"; }
    [[nodiscard]] std::string image() const { return m_dir + "/chip.img"; }

    void loadSocket(bool withImage)
    {
        load("[device]\nchip = 25flash\nchip_size = 256\nchip_id = 0xEF3010\nchip_content = zero\n"
             + (withImage ? "chip_image = " + image() + "\n" : std::string()) + "chip_present_file = " + present() + "\n");
    }
    // The query's answer byte 0, in a session of its own.
    int query()
    {
        open();
        ChipParams asked;
        CommandPacket p = makeQueryChip(asked, 0, usb.bigEndianFields());
        EXPECT_EQ(send(p, true), 64);
        usb.USB_bulk_close();
        return p.bytes[0];
    }
    // The first byte a stream read delivers, or the read's error.
    int firstByte()
    {
        ChipParams flash;
        flash.flashSize = 256;
        flash.flashPage = 256;
        begin(flash);
        startStream(0, true);
        std::array<char, 64> block{};
        const int result = usb.USB_bulk_read(block.data(), 64);
        usb.USB_bulk_close();
        return result < 0 ? result : static_cast<std::uint8_t>(block[0]);
    }

    std::string m_dir;
};

TEST_F(SimSocket, EmptyWhileTheFileIsMissing)
{
    loadSocket(false);
    EXPECT_EQ(query(), 0);
    EXPECT_EQ(firstByte(), -ETIMEDOUT);
    createFile(present());
    EXPECT_EQ(query(), 1);
    EXPECT_EQ(firstByte(), 0x00);
    std::remove(present().c_str());
    EXPECT_EQ(query(), 0);
    EXPECT_TRUE(traceHas("chip removed dev=0"));
}

TEST_F(SimSocket, EachInsertionLoadsTheImageFileAgain)
{
    createFile(image(), std::vector<std::uint8_t>(256, 0x11));
    createFile(present());
    loadSocket(true);
    EXPECT_EQ(firstByte(), 0x11);

    // Out, a new image, in again, all between two transfers: still a new chip.
    std::remove(present().c_str());
    createFile(image(), std::vector<std::uint8_t>(256, 0x22));
    createFile(present());
    EXPECT_EQ(firstByte(), 0x22);

    // Without an image file the new chip starts with chip_content.
    std::remove(present().c_str());
    std::remove(image().c_str());
    createFile(present());
    EXPECT_EQ(firstByte(), 0x00);
}

TEST_F(SimSocket, ChipPulledDuringAStreamTimesOutTheNextBlock)
{
    createFile(present());
    loadSocket(false);
    ChipParams flash;
    flash.flashSize = 256;
    flash.flashPage = 64;
    begin(flash);
    startStream(0, true);
    std::array<char, 64> block{};
    EXPECT_EQ(usb.USB_bulk_read(block.data(), 64), 64);
    std::remove(present().c_str());
    EXPECT_EQ(usb.USB_bulk_read(block.data(), 64), -ETIMEDOUT);
    EXPECT_EQ(usb.USB_bulk_write(block.data(), 64), -ETIMEDOUT);
}
