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

// The programmer firmware: executes command packets and moves chip data streams. Every command
// that has a reply queues it (64 bytes); the next IN read delivers it before any stream data,
// as firmware that keeps unread replies does. The host's mistakes are traced as protocol
// violations: a reply left unread when the next command, data block or close comes (the
// address command's reply excepted, which a write stream never reads), a reply taken by a read
// of another length than a packet, a read with nothing to deliver, a data block with no stream.
class Firmware {
public:
    using TraceSink = std::function<void(const std::string&)>;

    // chip is null for an empty socket. The configuration stays owned by the device; its fault
    // keys and erase_polls may change while the firmware runs.
    Firmware(const DeviceConfig& config, Chip* chip, TraceSink trace);

    // Another chip in the socket, or none.
    void setChip(Chip* chip) { m_chip = chip; }
    // The host opened the device (nothing is queued for it), or an IN transfer failed on the way
    // (an injected fault: a queued reply is lost with it).
    void forgetReply();
    // Drops a reply the host did not read, tracing a violation unless it may go unread, and
    // ends a withheld one; by names what came instead ("command", "write", "close").
    void dropUnreadReply(const std::string& tag, const char* by);

    // tag names the device and transfer in trace lines ("dev=0 t=3").
    void command(std::span<const std::uint8_t> packet, const std::string& tag);
    // Both return the libusb-style result: bytes moved or a negative errno. requested is the
    // length the host asked for; out is shorter when a fault cut the transfer.
    int dataWrite(std::span<const std::uint8_t> data, const std::string& tag);
    int read(std::span<std::uint8_t> out, std::size_t requested, const std::string& tag);

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

    // The field of width bytes at packet offset at, in the variant's byte order.
    [[nodiscard]] std::uint32_t field(const Packet& p, std::size_t at, std::size_t width) const;
    [[nodiscard]] Params params(const Packet& p) const;
    [[nodiscard]] static std::string describe(const Params& params);
    // The chip answers stream and erase commands only in a session opened for its own family.
    [[nodiscard]] bool chipSelected() const;
    // A socket emptied through chip_present_file has nothing to answer a data transfer with.
    [[nodiscard]] bool socketEmptied() const { return !m_chip && !m_config.presentPath.empty(); }
    [[nodiscard]] std::uint32_t chipAddress(std::uint32_t streamAddress) const;
    [[nodiscard]] Packet queryReply(const Params& asked) const;
    [[nodiscard]] std::string erase(std::uint32_t argument);
    void trace(const std::string& line) const { m_trace(line); }
    // Traces a transfer the firmware leaves unanswered ("what tag length=N result=-110" and the
    // reason) and returns the host's time-out.
    int timedOut(const std::string& what, const std::string& tag, std::size_t length,
                 const char* reason = "") const;

    const DeviceConfig& m_config;
    Chip* m_chip;
    TraceSink m_trace;

    std::optional<Params> m_session;
    std::optional<std::uint32_t> m_stream;  // next stream address while a stream runs
    bool m_fourByte = false;
    int m_busyPolls = 0;
    std::optional<std::uint32_t> m_lastEraseArgument;
    std::uint32_t m_eraseBank = 0;
    struct Reply {
        Packet bytes;
        std::uint8_t command = 0;
    };
    std::optional<Reply> m_reply;
    bool m_replyWithheld = false;  // no_reply: the host's read of this reply times out
};

[[nodiscard]] std::string hex(std::uint32_t value);

}  // namespace sim
