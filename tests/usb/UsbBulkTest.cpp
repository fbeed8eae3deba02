#include "SimHarness.h"

#include <cstring>

namespace {

const char* const LegacyDevice = "[device]\nproduct = WinUSBComm\n";

std::string device(const std::string& keys)
{
    return "[device]\n" + keys + "\n";
}

}  // namespace

using UsbBulk = SimTest;

TEST_F(UsbBulk, SkipsDeviceWithWrongManufacturerAndOpensTheNext)
{
    load(device("manufacturer = Zorvax") + device("bus = 2"));
    ASSERT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 1);
    EXPECT_EQ(sim.counter(0, "open_handles"), 0);
    EXPECT_EQ(sim.counter(0, "closes"), 1);
    EXPECT_EQ(sim.counter(1, "claims"), 1);
    usb.USB_bulk_close();
    EXPECT_EQ(sim.counter(1, "releases"), 1);
    EXPECT_EQ(sim.counter(1, "open_handles"), 0);
}

TEST_F(UsbBulk, DevicesWithOtherIdsAreNotOpened)
{
    load(device("vendor_id = 0x1234") + device("product_id = 0x310C"));
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
    EXPECT_EQ(sim.counter(0, "opens") + sim.counter(1, "opens"), 0);
}

TEST_F(UsbBulk, ProductStringSelectsEndpointsAndFieldOrder)
{
    // Before any open the fields hold the "WinUSBComm" values.
    EXPECT_EQ(usb.epIn(), 0x82);
    EXPECT_TRUE(usb.bigEndianFields());

    load(device("product = WinUSBComm Device"));
    open();
    EXPECT_EQ(usb.epIn(), 0x85);
    EXPECT_EQ(usb.epOut(), 5);
    EXPECT_EQ(usb.epCmd(), 4);
    EXPECT_FALSE(usb.bigEndianFields());
    // The firmware decodes the address the way the packet was built for this variant.
    CommandPacket p = makeSetAddress(256, usb.bigEndianFields());
    EXPECT_EQ(send(p, false), 64);
    EXPECT_EQ(sim.traceCount("cmd SetAddress dev=0 t=1 address=0x100"), 1);
    usb.USB_bulk_close();

    load(LegacyDevice);
    open();
    EXPECT_EQ(usb.epIn(), 0x82);
    EXPECT_EQ(usb.epOut(), 1);
    EXPECT_EQ(usb.epCmd(), 2);
    EXPECT_TRUE(usb.bigEndianFields());
    p = makeSetAddress(256, usb.bigEndianFields());
    EXPECT_EQ(send(p, false), 64);
    EXPECT_EQ(sim.traceCount("cmd SetAddress dev=0 t=1 address=0x100"), 1);
}

TEST_F(UsbBulk, ProductStringsMustMatchExactly)
{
    load(device("product = WinUSBComm Device"));
    open();
    usb.USB_bulk_close();
    for (const char* product : {"\"WinUSBComm \"", "winusbcomm", "WinUSBComm Device2"}) {
        load(device(std::string("product = ") + product));
        EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0) << product;
        EXPECT_EQ(sim.counter(0, "open_handles"), 0) << product;
        // A failed open keeps the endpoints of the last successful one.
        EXPECT_EQ(usb.epIn(), 0x85);
    }
}

TEST_F(UsbBulk, StringDescriptorText)
{
    load(device("manufacturer = Z€rvex\nproduct = 中"));
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
    const UsbLibrary& lib = usb.library();
    lib.usb_find_busses();
    lib.usb_find_devices();
    usb_dev_handle* h = lib.usb_open(lib.usb_get_busses()->devices);
    ASSERT_NE(h, nullptr);

    char text[256];
    EXPECT_EQ(usb.usbGetStringAscii(h, 1, TUsbBulk::LanguageId, text, sizeof text), 6);
    EXPECT_STREQ(text, "Z?rvex");
    EXPECT_EQ(usb.usbGetStringAscii(h, 2, TUsbBulk::LanguageId, text, sizeof text), 1);
    EXPECT_STREQ(text, "?");

    // A short destination gets as much as fits with its NUL, and nothing past it.
    char small[5];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(usb.usbGetStringAscii(h, 1, TUsbBulk::LanguageId, small, 4), 3);
    EXPECT_STREQ(small, "Z?r");
    EXPECT_EQ(small[4], 'x');
    lib.usb_close(h);
}

TEST_F(UsbBulk, WrongDescriptorTypeOrUnreadableStringRejectsTheDevice)
{
    load(device("string_type = 4"));
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
    const UsbLibrary& lib = usb.library();
    lib.usb_find_devices();
    usb_dev_handle* h = lib.usb_open(lib.usb_get_busses()->devices);
    ASSERT_NE(h, nullptr);
    char text[256] = "stale";
    EXPECT_EQ(usb.usbGetStringAscii(h, 1, TUsbBulk::LanguageId, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    lib.usb_close(h);

    load(device("string_error = 1"));
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
    EXPECT_EQ(sim.counter(0, "closes"), 1);
}

TEST_F(UsbBulk, RefusedClaimRejectsTheDevice)
{
    load(device("refuse_claim = 1\ninterface = 3"));
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
    EXPECT_EQ(TUsbBulk::interfaceNumber(), 3);
    EXPECT_EQ(sim.counter(0, "open_handles"), 0);
    ASSERT_EQ(sim.set(0, "refuse_claim", "0"), 0);
    open();
    usb.USB_bulk_close();
    EXPECT_TRUE(traceHas("usb release dev=0 interface=3 result=0"));
}

// Two transports in one process, on programmers whose interfaces differ: each releases its own.
TEST_F(UsbBulk, EachTransportReleasesTheInterfaceItClaimed)
{
    const std::string lock = "claim_lock = " + ::testing::TempDir() + "zorvex-usb-claim-";
    load(device("interface = 3\n" + lock + "a") + device("interface = 5\n" + lock + "b"));
    open();
    TUsbBulk second{ZORVEX_SIM_LIBRARY};
    ASSERT_EQ(second.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 1);
    usb.USB_bulk_close();
    second.USB_bulk_close();
    EXPECT_TRUE(traceHas("usb release dev=0 interface=3 result=0"));
    EXPECT_TRUE(traceHas("usb release dev=1 interface=5 result=0"));
}

TEST_F(UsbBulk, SendOnlyCommandKeepsTheBufferAndReplyOverwritesIt)
{
    ASSERT_EQ(sim.reset(nullptr), 0);  // the built-in default: an SPI flash EF 40 17
    open();
    ChipParams chip;
    CommandPacket query = makeQueryChip(chip, 0, usb.bigEndianFields());
    const CommandPacket sent = query;
    EXPECT_EQ(send(query, false), 64);
    EXPECT_EQ(query, sent);
    EXPECT_EQ(send(query, true), 64);
    EXPECT_EQ(query.bytes[0], 1);
    EXPECT_EQ(query.queryId(), 0xEF4017u);
    provoked(1);  // the first query's reply was left unread on purpose
}

TEST_F(UsbBulk, FailedCommandIsNotFollowedByAReplyRead)
{
    load(device("timeout_at = 1"));
    open();
    CommandPacket query = makeQueryChip(ChipParams{}, 0, usb.bigEndianFields());
    const CommandPacket sent = query;
    EXPECT_EQ(send(query, true), -110);
    EXPECT_EQ(query, sent);
    EXPECT_EQ(sim.counter(0, "transfers"), 1);
}

TEST_F(UsbBulk, ReopeningWithoutCloseDoesNotLeakTheHandle)
{
    load(LegacyDevice);
    open();
    open();
    EXPECT_EQ(sim.counter(0, "open_handles"), 1);
    usb.USB_bulk_close();
    usb.USB_bulk_close();
    EXPECT_FALSE(usb.isOpen());
    EXPECT_EQ(sim.counter(0, "open_handles"), 0);
    char block[64];
    EXPECT_EQ(usb.USB_bulk_read(block, 64), TUsbBulk::NotOpen);
    EXPECT_EQ(sim.counter(0, "transfers"), 0);
}

TEST_F(UsbBulk, NoProgrammerAttached)
{
    load("");
    EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0);
    EXPECT_FALSE(usb.isOpen());
}

TEST_F(UsbBulk, VendorTransferTakesValueAndIndexFromSetup)
{
    load(LegacyDevice);
    open();
    const unsigned char setup[4] = {0x01, 0x02, 0x03, 0x04};
    unsigned char data[4] = {9, 9, 9, 9};
    EXPECT_EQ(usb.USB_transmit(1, 7, setup, data, 4), 4);
    EXPECT_TRUE(traceHas("usb vendor dev=0 type=0xC0 request=7 value=0x201 index=0x403 length=4"));
    EXPECT_EQ(usb.USB_transmit(0, 7, setup, data, 4), 4);
    EXPECT_TRUE(traceHas("type=0x40"));
    usb.USB_bulk_close();
    EXPECT_EQ(usb.USB_transmit(0, 7, setup, data, 4), -1);
}

TEST(UsbBulkLibrary, MissingLibraryFailsEveryOpenQuietly)
{
    for (const char* path : {"/nonexistent/libusb-0.1.so.4", "libc.so.6"}) {
        TUsbBulk usb(path);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId), 0) << path;
        EXPECT_FALSE(usb.isOpen());
        char buf[64] = {};
        EXPECT_EQ(usb.USB_bulk_cmd(buf, 64, 1), TUsbBulk::NotOpen);
        EXPECT_EQ(usb.USB_bulk_write(buf, 64), TUsbBulk::NotOpen);
        usb.USB_bulk_close();
    }
    UsbLibrary unbound("/nonexistent/libusb-0.1.so.4");
    EXPECT_FALSE(unbound.load());
    EXPECT_EQ(unbound.usb_find_busses(), UsbLibrary::Unbound);
    EXPECT_EQ(unbound.usb_get_busses(), nullptr);
    EXPECT_EQ(unbound.usb_get_version(), nullptr);
}

TEST(UsbBulkLibrary, SimulatorBindsEveryName)
{
    UsbLibrary lib(ZORVEX_SIM_LIBRARY);
    ASSERT_TRUE(lib.load());
    for (const auto name : UsbLibrary::EntryNames)
        EXPECT_TRUE(lib.isBound(name)) << name;
    EXPECT_TRUE(lib.hasSearchEntries());
}
