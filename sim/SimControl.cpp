// The simulator's own control functions for tests (declared in SimControl.h).
#include "SimControl.h"

#include "SimWorld.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

using sim::World;

namespace {

using Locked = sim::LockedWorld;

// Why the last zorvex_sim_set failed, "" when it worked; none after a reset, whose own reason
// the world keeps.
std::optional<std::string> g_setError;

sim::Chip* chipOf(World& w, int device)
{
    sim::Device* d = w.device(device);
    return d ? d->chip.get() : nullptr;
}

bool inRange(const sim::Chip& chip, unsigned long offset, unsigned long length)
{
    return offset <= chip.size() && length <= chip.size() - offset;
}

}  // namespace

SIM_EXPORT int zorvex_sim_reset(const char* config_text)
{
    Locked l;
    g_setError.reset();
    return l.world.reset(config_text);
}

SIM_EXPORT const char* zorvex_sim_last_error(void)
{
    Locked l;
    return (g_setError ? *g_setError : l.world.lastError()).c_str();
}

SIM_EXPORT int zorvex_sim_device_count(void)
{
    return sim::locked<&World::deviceCount>();
}

SIM_EXPORT int zorvex_sim_trace_size(void)
{
    Locked l;
    return static_cast<int>(l.world.traceLines().size());
}

SIM_EXPORT int zorvex_sim_trace_line(int index, char* buf, int buflen)
{
    Locked l;
    const auto& lines = l.world.traceLines();
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size())
        return -1;
    const std::string& line = lines[static_cast<std::size_t>(index)];
    if (buf && buflen > 0) {
        const std::size_t n = std::min(line.size(), static_cast<std::size_t>(buflen - 1));
        std::memcpy(buf, line.data(), n);
        buf[n] = '\0';
    }
    return static_cast<int>(line.size());
}

SIM_EXPORT int zorvex_sim_trace_count(const char* prefix)
{
    Locked l;
    const std::string_view p = prefix ? prefix : "";
    return static_cast<int>(std::count_if(l.world.traceLines().begin(), l.world.traceLines().end(),
                                          [&](const std::string& s) { return s.starts_with(p); }));
}

SIM_EXPORT void zorvex_sim_trace_clear(void)
{
    sim::locked<&World::clearTrace>();
}

SIM_EXPORT long zorvex_sim_chip_size(int device)
{
    Locked l;
    const sim::Chip* chip = chipOf(l.world, device);
    return chip ? static_cast<long>(chip->size()) : -1;
}

SIM_EXPORT int zorvex_sim_chip_read(int device, unsigned long offset, unsigned char* out,
                                    unsigned long length)
{
    Locked l;
    const sim::Chip* chip = chipOf(l.world, device);
    if (!chip || !inRange(*chip, offset, length) || (length && !out))
        return -1;
    std::copy_n(chip->bytes().begin() + static_cast<std::ptrdiff_t>(offset), length, out);
    return 0;
}

SIM_EXPORT int zorvex_sim_chip_write(int device, unsigned long offset, const unsigned char* data,
                                     unsigned long length)
{
    Locked l;
    sim::Chip* chip = chipOf(l.world, device);
    if (!chip || !inRange(*chip, offset, length) || (length && !data))
        return -1;
    std::copy_n(data, length, chip->bytes().begin() + static_cast<std::ptrdiff_t>(offset));
    return 0;
}

SIM_EXPORT int zorvex_sim_chip_fill(int device, unsigned char value)
{
    Locked l;
    sim::Chip* chip = chipOf(l.world, device);
    if (!chip)
        return -1;
    std::fill(chip->bytes().begin(), chip->bytes().end(), value);
    return 0;
}

SIM_EXPORT long zorvex_sim_counter(int device, const char* name)
{
    Locked l;
    const sim::Device* d = l.world.device(device);
    if (!d || !name)
        return -1;
    const std::string_view n = name;
    if (n == "transfers") return d->transfers;
    if (n == "commands") return d->commands;
    if (n == "opens") return d->opens;
    if (n == "closes") return d->closes;
    if (n == "claims") return d->claims;
    if (n == "releases") return d->releases;
    if (n == "open_handles") return d->opens - d->closes;  // a reset starts both again
    return -1;
}

SIM_EXPORT long zorvex_sim_violations(void)
{
    return sim::locked<&World::violations>();
}

SIM_EXPORT int zorvex_sim_set(int device, const char* key, const char* value)
{
    Locked l;
    g_setError = l.world.set(device, key ? key : "", value ? value : "");
    return g_setError->empty() ? 0 : -1;
}

SIM_EXPORT int zorvex_sim_set_plugged(int device, int plugged)
{
    return sim::locked<&World::setPlugged>(device, plugged != 0);
}
