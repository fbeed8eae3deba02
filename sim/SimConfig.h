#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sim {

// Family codes of the chip in the socket, as the firmware numbers them; NoChip is an empty
// socket.
enum Family : int {
    NoChip = -1,
    Flash25 = 0,
    Eeprom24 = 1,
    Eeprom93 = 2,
    Eeprom25 = 3,
    Eeprom95 = 4,
};

enum class Content { Blank, Pattern, Zero };

inline constexpr std::uint32_t MaxChipSize = 64u * 1024 * 1024;

// The firmware's command codes (packet byte 1) and their names, as trace lines give them and
// no_reply takes them in any letter case.
inline constexpr std::uint8_t EraseCode = 2, SetAddress = 5, Begin = 7, End = 8, QueryChip = 9,
                              ReadStatus = 10, SpiTransfer = 11;
inline constexpr std::pair<const char*, int> CommandNames[] = {
    {"Erase", EraseCode}, {"SetAddress", SetAddress}, {"Begin", Begin}, {"End", End},
    {"QueryChip", QueryChip}, {"ReadStatus", ReadStatus}, {"SpiTransfer", SpiTransfer}};

// One simulated programmer: its USB identity, the chip in its socket and the faults to inject.
struct DeviceConfig {
    int bus = 1;
    std::uint16_t vendorId = 0x1FC8;
    std::uint16_t productId = 0x310B;
    std::string manufacturer = "Zorvex";
    std::string product = "WinUSBComm Device";
    std::string serial = "SIM0001";
    int stringType = 3;
    bool stringError = false;
    bool openFails = false;
    bool refuseClaim = false;
    int interfaceNumber = 0;
    // A file locked while a handle holds the interface claimed, shared by every process that
    // names it: a claim held in another process fails with -EBUSY, as on a real bus.
    std::string claimLockPath;

    int chipFamily = Flash25;
    std::uint32_t chipSize = 8u * 1024 * 1024;
    std::uint32_t chipId = 0xEF4017;
    bool sst = false;
    int erasePolls = 3;
    Content content = Content::Pattern;
    std::string imagePath;
    // When set, the socket holds a chip only while this file exists; each time it appears the
    // chip is loaded afresh.
    std::string presentPath;

    std::vector<long> timeoutAt;
    std::vector<long> shortAt;
    int shortLength = -1;  // -1: half of the transfer
    long unplugAfter = -1;
    std::vector<int> noReply;  // command codes left unanswered

    // The product string tells the variant: the older one has other endpoints and big-endian
    // packet fields.
    [[nodiscard]] bool olderVariant() const { return product == "WinUSBComm"; }
};

struct Config {
    std::vector<DeviceConfig> devices;
    std::string traceFile;
    std::size_t traceLimit = 1000000;
};

// One programmer of the "WinUSBComm Device" variant with an 8 MiB SPI flash (ID EF 40 17) whose
// first 64 KiB hold a pattern.
extern const char* const DefaultConfigText;

// Parses a whole configuration; on failure returns "line N: ..." and leaves out untouched.
[[nodiscard]] std::string parseConfig(std::string_view text, Config& out);
// Applies one device key; returns an error text, empty on success.
[[nodiscard]] std::string applyDeviceKey(DeviceConfig& device, std::string_view key,
                                         std::string_view value);
// Keys that shape the chip image, which only a reset rebuilds.
[[nodiscard]] bool isChipKey(std::string_view key);

}  // namespace sim
