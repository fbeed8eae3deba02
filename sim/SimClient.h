#pragma once

// C++ access to the simulator's control functions: binds the library at the given path (the
// same path TUsbBulk binds, so both see one simulator state) and resolves every function of
// SimControl.h. ok() is false when the library or a name is missing.

#include "SimControl.h"

#include <dlfcn.h>

#include <string>
#include <vector>

class SimClient {
    // First, so that the function pointers below are bound from it.
    void* m_library = nullptr;
    bool m_complete = true;

public:
    explicit SimClient(const std::string& path) : m_library(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
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

    zorvex_sim_reset_fn reset = bind<zorvex_sim_reset_fn>("zorvex_sim_reset");
    zorvex_sim_last_error_fn lastError = bind<zorvex_sim_last_error_fn>("zorvex_sim_last_error");
    zorvex_sim_device_count_fn deviceCount = bind<zorvex_sim_device_count_fn>("zorvex_sim_device_count");
    zorvex_sim_trace_size_fn traceSize = bind<zorvex_sim_trace_size_fn>("zorvex_sim_trace_size");
    zorvex_sim_trace_line_fn traceLine = bind<zorvex_sim_trace_line_fn>("zorvex_sim_trace_line");
    zorvex_sim_trace_count_fn traceCount = bind<zorvex_sim_trace_count_fn>("zorvex_sim_trace_count");
    zorvex_sim_trace_clear_fn traceClear = bind<zorvex_sim_trace_clear_fn>("zorvex_sim_trace_clear");
    zorvex_sim_chip_size_fn chipSize = bind<zorvex_sim_chip_size_fn>("zorvex_sim_chip_size");
    zorvex_sim_chip_read_fn chipRead = bind<zorvex_sim_chip_read_fn>("zorvex_sim_chip_read");
    zorvex_sim_chip_write_fn chipWrite = bind<zorvex_sim_chip_write_fn>("zorvex_sim_chip_write");
    zorvex_sim_chip_fill_fn chipFill = bind<zorvex_sim_chip_fill_fn>("zorvex_sim_chip_fill");
    zorvex_sim_counter_fn counter = bind<zorvex_sim_counter_fn>("zorvex_sim_counter");
    zorvex_sim_violations_fn violations = bind<zorvex_sim_violations_fn>("zorvex_sim_violations");
    zorvex_sim_set_fn set = bind<zorvex_sim_set_fn>("zorvex_sim_set");
    zorvex_sim_set_plugged_fn setPlugged = bind<zorvex_sim_set_plugged_fn>("zorvex_sim_set_plugged");

private:
    template <typename Fn>
    Fn bind(const char* name)
    {
        // dlsym with no library would search the whole process.
        const auto function = m_library ? reinterpret_cast<Fn>(dlsym(m_library, name)) : nullptr;
        m_complete = m_complete && function;
        return function;
    }
};
