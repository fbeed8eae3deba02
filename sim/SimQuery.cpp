// Opens the programmer through the real transport, bound to the simulator library, asks which
// chip is in the socket and prints the answer.
#include "programmer/CommandPacket.h"
#include "usb/SimulatorLibrary.h"
#include "usb/UsbBulk.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// Beside the program in a build tree; in <prefix>/lib/zorvex once installed.
std::string defaultSimulator()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return simulatorLibraryPath(error ? "." : program.parent_path().string());
}

int usage()
{
    std::fprintf(stderr,
                 "usage: sim-query [--library PATH] [--family 0..4]\n"
                 "Queries the chip in the socket of the programmer found through PATH\n"
                 "(default: the simulator libzorvex-sim.so of this build). ZORVEX_SIM_CONFIG names\n"
                 "the simulator's configuration file.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string library = defaultSimulator();
    ChipParams chip;  // family 0: the general probe
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--library") && i + 1 < argc)
            library = argv[++i];
        else if (!std::strcmp(argv[i], "--family") && i + 1 < argc)
            chip.family = static_cast<std::uint8_t>(std::atoi(argv[++i]));
        else
            return usage();
    }

    TUsbBulk usb(library);
    std::printf("USB library: %s\n", library.c_str());
    if (!usb.prog_open(TUsbBulk::VendorId, TUsbBulk::ProductId)) {
        std::printf("Programmer: not connected\n");
        return 1;
    }
    std::printf("Programmer: open, endpoints IN 0x%02X OUT 0x%02X CMD 0x%02X, %s fields\n",
                usb.epIn(), usb.epOut(), usb.epCmd(),
                usb.bigEndianFields() ? "big-endian" : "little-endian");

    CommandPacket packet = makeQueryChip(chip, 0, usb.bigEndianFields());
    const int result = usb.USB_bulk_cmd(packet.data(), packet.length(), 1);
    CommandPacket end = makeEnd();
    usb.USB_bulk_cmd(end.data(), end.length(), 0);
    usb.USB_bulk_close();

    if (result != packet.length()) {
        std::printf("CmdQueryChip: no reply (transfer result %d)\n", result);
        return 1;
    }
    std::printf("CmdQueryChip reply: %02X %02X %02X %02X\n", packet.bytes[0], packet.bytes[1],
                packet.bytes[2], packet.bytes[3]);
    switch (packet.queryResult()) {
    case 0:
        std::printf("No chip answered.\n");
        break;
    case 1:
        std::printf("SPI flash, ID %06X\n", packet.queryId());
        break;
    default:
        std::printf("Chip class %d (no identification)\n", packet.queryResult());
        break;
    }
    return 0;
}
