#pragma once

// C++ access to the simulator's control functions: binds the library at the given path (the
// same path TUsbBulk binds, so both see one simulator state) and resolves every function of
// SimControl.h. ok() is false when the library or a name is missing.

#include "SimControl.h"

#include <dlfcn.h>

#include <string>
#include <vector>

class SimClient {
public:
    explicit SimClient(const std::string& path)
        : m_library(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
    {
        if (!m_library)
            return;
        bind(reset, "zorvex_sim_reset");
        bind(lastError, "zorvex_sim_last_error");
        bind(deviceCount, "zorvex_sim_device_count");
        bind(traceSize, "zorvex_sim_trace_size");
        bind(traceLine, "zorvex_sim_trace_line");
        bind(traceCount, "zorvex_sim_trace_count");
        bind(traceClear, "zorvex_sim_trace_clear");
        bind(chipSize, "zorvex_sim_chip_size");
        bind(chipRead, "zorvex_sim_chip_read");
        bind(chipWrite, "zorvex_sim_chip_write");
        bind(chipFill, "zorvex_sim_chip_fill");
        bind(counter, "zorvex_sim_counter");
        bind(violations, "zorvex_sim_violations");
        bind(set, "zorvex_sim_set");
        bind(setPlugged, "zorvex_sim_set_plugged");
    }
    ~SimClient()
    {
        if (m_library)
            dlclose(m_library);
    }
    SimClient(const SimClient&) = delete;
    SimClient& operator=(const SimClient&) = delete;

    [[nodiscard]] bool ok() const { return m_library && m_complete; }

    // The whole trace, one string per line.
    [[nodiscard]] std::vector<std::string> trace() const
    {
        std::vector<std::string> lines;
        const int n = traceSize();
        for (int i = 0; i < n; ++i) {
            const int length = traceLine(i, nullptr, 0);
            std::string line(static_cast<std::size_t>(length < 0 ? 0 : length), '\0');
            traceLine(i, line.data(), length + 1);
            lines.push_back(line);
        }
        return lines;
    }

    // The chip image of a device (empty for an empty socket).
    [[nodiscard]] std::vector<unsigned char> chip(int device = 0) const
    {
        const long size = chipSize(device);
        std::vector<unsigned char> bytes(static_cast<std::size_t>(size < 0 ? 0 : size));
        if (!bytes.empty())
            chipRead(device, 0, bytes.data(), bytes.size());
        return bytes;
    }

    zorvex_sim_reset_fn reset = nullptr;
    zorvex_sim_last_error_fn lastError = nullptr;
    zorvex_sim_device_count_fn deviceCount = nullptr;
    zorvex_sim_trace_size_fn traceSize = nullptr;
    zorvex_sim_trace_line_fn traceLine = nullptr;
    zorvex_sim_trace_count_fn traceCount = nullptr;
    zorvex_sim_trace_clear_fn traceClear = nullptr;
    zorvex_sim_chip_size_fn chipSize = nullptr;
    zorvex_sim_chip_read_fn chipRead = nullptr;
    zorvex_sim_chip_write_fn chipWrite = nullptr;
    zorvex_sim_chip_fill_fn chipFill = nullptr;
    zorvex_sim_counter_fn counter = nullptr;
    zorvex_sim_violations_fn violations = nullptr;
    zorvex_sim_set_fn set = nullptr;
    zorvex_sim_set_plugged_fn setPlugged = nullptr;

private:
    template <typename Fn>
    void bind(Fn& target, const char* name)
    {
        target = reinterpret_cast<Fn>(dlsym(m_library, name));
        m_complete = m_complete && target;
    }

    void* m_library = nullptr;
    bool m_complete = true;
};
