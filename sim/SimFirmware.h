#pragma once

#include "SimChip.h"
#include "SimConfig.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace sim {

// The programmer firmware: executes command packets and moves chip data streams. Commands that
// the host reads an answer to queue a 64-byte reply; an IN read delivers a queued reply first,
// then stream data. A new command or a data block drops a reply the host did not read, so a
// command sent without reading its reply never shifts a later stream.
class Firmware {
public:
    using TraceSink = std::function<void(const std::string&)>;

    // chip is null for an empty socket. The configuration stays owned by the device; its fault
    // keys and erase_polls may change while the firmware runs.
    Firmware(const DeviceConfig& config, Chip* chip, TraceSink trace);

    void setBigEndian(bool bigEndian) { m_bigEndian = bigEndian; }
    // The host opened the device: a reply left from an earlier session is gone.
    void hostOpened() { m_reply.reset(); }

    // tag names the device and transfer in trace lines ("dev=0 t=3").
    void command(std::span<const std::uint8_t> packet, const std::string& tag);
    // Both return the libusb-style result: bytes moved or a negative errno.
    int dataWrite(std::span<const std::uint8_t> data, const std::string& tag);
    int read(std::span<std::uint8_t> out, const std::string& tag);

private:
    struct Params {
        int family = 0;
        int subType = 0;
        std::uint32_t page = 0;
        std::uint32_t delay = 0;
        std::uint32_t size = 0;
        std::uint32_t id = 0;
        int speed = 0;
        int voltage = 0;
    };
    using Packet = std::array<std::uint8_t, 64>;

    [[nodiscard]] std::uint32_t u16(const Packet& p, std::size_t at) const;
    [[nodiscard]] std::uint32_t u32(const Packet& p, std::size_t at) const;
    [[nodiscard]] Params params(const Packet& p) const;
    [[nodiscard]] static std::string describe(const Params& params);
    // The chip answers stream and erase commands only in a session opened for its own family.
    [[nodiscard]] bool chipSelected() const;
    [[nodiscard]] std::uint32_t chipAddress(std::uint32_t streamAddress) const;
    [[nodiscard]] Packet queryReply(const Params& asked) const;
    [[nodiscard]] std::string erase(std::uint32_t argument);
    void trace(const std::string& line) const { m_trace(line); }

    const DeviceConfig& m_config;
    Chip* m_chip;
    TraceSink m_trace;
    bool m_bigEndian = false;

    std::optional<Params> m_session;
    std::optional<std::uint32_t> m_stream;  // next stream address while a stream runs
    bool m_fourByte = false;
    int m_busyPolls = 0;
    std::optional<std::uint32_t> m_lastEraseArgument;
    std::uint32_t m_eraseBank = 0;
    std::optional<Packet> m_reply;
};

[[nodiscard]] std::string hex(std::uint32_t value);
[[nodiscard]] std::string hexBytes(std::span<const std::uint8_t> bytes);

}  // namespace sim
