#include "SimFirmware.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

namespace sim {

namespace {
constexpr std::uint32_t ChipEraseArgument = 0x8000;
constexpr std::uint8_t Enter4Byte = 0xB7, Exit4Byte = 0xE9;
constexpr std::uint8_t StatusBusy = 0x03;  // write in progress and write enabled

// The command's name in trace lines ("Begin", "SetAddress"...).
std::string commandName(std::uint8_t code)
{
    for (const auto& [name, value] : CommandNames) {
        if (value == code)
            return name;
    }
    return "Unknown";
}

// Two hex digits a byte, separator between them.
std::string hexBytes(std::span<const std::uint8_t> bytes, std::string_view separator = " ")
{
    std::string s;
    char b[3];
    for (const std::uint8_t v : bytes) {
        if (!s.empty())
            s += separator;
        std::snprintf(b, sizeof b, "%02X", v);
        s += b;
    }
    return s;
}

}  // namespace

std::string hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

Firmware::Firmware(const DeviceConfig& config, Chip* chip, TraceSink trace)
    : m_config(config), m_chip(chip), m_trace(std::move(trace))
{
}

void Firmware::forgetReply()
{
    m_reply.reset();
    m_replyWithheld = false;
}

void Firmware::dropUnreadReply(const std::string& tag, const char* by)
{
    // The address command answers in both directions, but a write stream never reads it.
    if (m_reply && m_reply->command != SetAddress)
        trace("violation unread-reply " + tag + " reply=" + commandName(m_reply->command) + " by=" + by);
    forgetReply();
}

std::uint32_t Firmware::field(const Packet& p, std::size_t at, std::size_t width) const
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < width; ++i)
        v |= std::uint32_t{p[at + i]} << (m_config.olderVariant() ? 8 * (width - 1 - i) : 8 * i);
    return v;
}

Firmware::Params Firmware::params(const Packet& p) const
{
    return {p[2], p[3], field(p, 4, 2), field(p, 6, 2), field(p, 8, 4), field(p, 12, 4), p[16], p[28]};
}

std::string Firmware::describe(const Params& q)
{
    return "family=" + std::to_string(q.family) + " subtype=" + std::to_string(q.subType)
        + " page=" + std::to_string(q.page) + " delay=" + std::to_string(q.delay)
        + " size=" + hex(q.size) + " id=" + hex(q.id) + " speed=" + hex(q.speed)
        + " voltage=" + std::to_string(q.voltage);
}

bool Firmware::chipSelected() const
{
    return m_chip && m_session && m_session->family == m_chip->family();
}

std::uint32_t Firmware::chipAddress(std::uint32_t streamAddress) const
{
    // A 3-byte-address flash sees only the low 24 address bits until it is switched over.
    if (m_chip->family() == Flash25 && !m_fourByte)
        return streamAddress & 0xFFFFFF;
    return streamAddress;
}

Firmware::Packet Firmware::queryReply(const Params& asked) const
{
    Packet reply{};
    if (!m_chip)
        return reply;
    const int chip = m_chip->family();
    // The identifiable classes are found by probing each bus in turn whatever family is asked;
    // a 25- or 95-series EEPROM has no identification and is confirmed only when asked for.
    const bool autoProbe = asked.family <= Eeprom93;
    if (autoProbe && chip == Flash25) {
        reply[0] = 1;
        reply[1] = static_cast<std::uint8_t>(m_chip->id() >> 16);
        reply[2] = static_cast<std::uint8_t>(m_chip->id() >> 8);
        reply[3] = static_cast<std::uint8_t>(m_chip->id());
    } else if (autoProbe ? chip == Eeprom24 || chip == Eeprom93 : chip == asked.family) {
        reply[0] = static_cast<std::uint8_t>(chip + 1);
    }
    return reply;
}

std::string Firmware::erase(std::uint32_t argument)
{
    if (!chipSelected())
        return "effect=none";
    switch (m_chip->family()) {
    case Flash25:
        if (argument != ChipEraseArgument)
            return "effect=none";
        m_chip->eraseAll();
        m_busyPolls = m_config.erasePolls;
        return "effect=chip busy=" + std::to_string(m_busyPolls);
    case Eeprom93:
        m_chip->eraseAll();
        return "effect=chip";
    default: {
        // The argument carries only the low 16 address bits; a page address that does not grow
        // means the host went on into the next 64 KiB.
        if (m_lastEraseArgument && argument <= *m_lastEraseArgument)
            ++m_eraseBank;
        m_lastEraseArgument = argument;
        const std::uint32_t address = m_eraseBank * 0x10000 + argument;
        const std::uint32_t page = std::max<std::uint32_t>(m_session->page, 1);
        m_chip->erase(address, page);
        return "effect=page address=" + hex(address) + " length=" + std::to_string(page);
    }
    }
}

void Firmware::command(std::span<const std::uint8_t> packet, const std::string& tag)
{
    dropUnreadReply(tag, "command");
    Packet p{};
    std::copy_n(packet.begin(), std::min(packet.size(), p.size()), p.begin());
    const std::uint8_t code = p[1];
    const bool silent = std::find(m_config.noReply.begin(), m_config.noReply.end(), code)
        != m_config.noReply.end();
    std::optional<Packet> reply = p;  // most commands echo the packet
    std::string line = "cmd " + commandName(code) + " " + tag;

    switch (code) {
    case Begin: {
        const Params q = params(p);
        m_session = q;
        m_stream.reset();
        m_fourByte = false;
        m_busyPolls = 0;
        m_lastEraseArgument.reset();
        m_eraseBank = 0;
        line += " " + describe(q);
        break;
    }
    case QueryChip: {
        const Params q = params(p);
        reply = queryReply(q);
        line += " " + describe(q) + " reply=" + hexBytes(std::span(reply->data(), 4));
        break;
    }
    case SetAddress: {
        const std::uint32_t address = field(p, 8, 4);
        m_stream = address;
        line += " address=" + hex(address);
        break;
    }
    case EraseCode: {
        const std::uint32_t argument = field(p, 26, 2);
        line += " argument=" + hex(argument) + " " + erase(argument);
        reply.reset();
        break;
    }
    case End:
        m_session.reset();
        m_stream.reset();
        m_fourByte = false;
        reply.reset();
        break;
    case ReadStatus: {
        const bool busy = m_busyPolls > 0;
        if (busy)
            --m_busyPolls;
        (*reply)[0] = busy ? StatusBusy : 0;
        line += busy ? " busy=1" : " busy=0";
        break;
    }
    case SpiTransfer: {
        const std::size_t n = std::min<std::size_t>(p[3], p.size() - 4);
        const auto data = std::span(p.data() + 4, n);
        if (chipSelected() && m_chip->family() == Flash25 && n >= 1) {
            if (data[0] == Enter4Byte)
                m_fourByte = true;
            else if (data[0] == Exit4Byte)
                m_fourByte = false;
        }
        line += " mode=" + std::to_string(p[2]) + " n=" + std::to_string(n) + " data=" + hexBytes(data);
        break;
    }
    default:
        line += " code=" + hex(code);
        reply.reset();
        break;
    }
    // The bytes as they came, so a test can check every field's byte order on the wire.
    line += " packet=" + hexBytes(packet, "");
    if (packet.size() != p.size())
        line += " length=" + std::to_string(packet.size());
    // Only the erase and the end carry prefix 1; a wrong one is worth seeing in a trace.
    const std::uint8_t expectedPrefix = code == EraseCode || code == End ? 1 : 0;
    if (p[0] != expectedPrefix)
        line += " prefix=" + std::to_string(p[0]);
    if (silent && reply) {
        reply.reset();
        m_replyWithheld = true;
        line += " noreply";
    }
    if (reply)
        m_reply = Reply{*reply, code};
    trace(line);
}

int Firmware::timedOut(const std::string& what, const std::string& tag, std::size_t length,
                       const char* reason) const
{
    trace(what + " " + tag + " length=" + std::to_string(length) + " result="
          + std::to_string(-ETIMEDOUT) + reason);
    return -ETIMEDOUT;
}

int Firmware::dataWrite(std::span<const std::uint8_t> data, const std::string& tag)
{
    dropUnreadReply(tag, "write");
    if (!m_stream)
        return timedOut("violation write-no-stream", tag, data.size());
    if (socketEmptied())
        return timedOut("write", tag, data.size(), " reason=socket-empty");
    const std::uint32_t start = *m_stream;
    std::string note;
    if (chipSelected()) {
        // An SST part told it is an ordinary flash gets page-program commands, of which it
        // executes only the first byte.
        const bool singleByte = m_chip->family() == Flash25 && m_chip->sst()
            && m_session->subType != 1;
        const std::size_t n = singleByte ? std::min<std::size_t>(data.size(), 1) : data.size();
        for (std::size_t i = 0; i < n; ++i)
            m_chip->program(chipAddress(start + static_cast<std::uint32_t>(i)), data[i]);
        if (singleByte)
            note = " note=sst-single-byte";
    } else {
        note = " note=no-chip";
    }
    m_stream = start + static_cast<std::uint32_t>(data.size());
    trace("write " + tag + " address=" + hex(start) + " length=" + std::to_string(data.size())
          + " result=" + std::to_string(data.size()) + note);
    return static_cast<int>(data.size());
}

int Firmware::read(std::span<std::uint8_t> out, std::size_t requested, const std::string& tag)
{
    if (m_reply) {
        const std::size_t n = std::min(out.size(), m_reply->bytes.size());
        std::copy_n(m_reply->bytes.begin(), n, out.begin());
        const std::string name = commandName(m_reply->command);
        m_reply.reset();
        trace("reply " + tag + " length=" + std::to_string(out.size()) + " result="
              + std::to_string(n));
        // A block read that takes a reply: the host skipped the reply's own read, and the
        // stream now runs one reply behind what it thinks it reads.
        if (requested != Packet{}.size())
            trace("violation reply-length " + tag + " length=" + std::to_string(requested) + " reply=" + name);
        return static_cast<int>(n);
    }
    if (m_replyWithheld) {
        m_replyWithheld = false;
        return timedOut("fault noreply", tag, requested);
    }
    if (!m_stream)
        return timedOut("violation read-nothing", tag, requested);
    if (socketEmptied())
        return timedOut("read", tag, requested, " reason=socket-empty");
    const std::uint32_t start = *m_stream;
    const bool selected = chipSelected();
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = selected ? m_chip->read(chipAddress(start + static_cast<std::uint32_t>(i))) : 0xFF;
    m_stream = start + static_cast<std::uint32_t>(out.size());
    trace("read " + tag + " address=" + hex(start) + " length=" + std::to_string(out.size())
          + " result=" + std::to_string(out.size()) + (selected ? "" : " note=no-chip"));
    return static_cast<int>(out.size());
}

}  // namespace sim
