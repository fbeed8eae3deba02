#include "usb/SimulatorLibrary.h"

#include <filesystem>
#include <system_error>

#include <dlfcn.h>

std::string simulatorLibraryPath(const std::string& executableDir)
{
    namespace fs = std::filesystem;
    const fs::path dir(executableDir);
    const fs::path beside = dir / SimulatorLibraryName;
    const fs::path installed = (dir / InstalledSimulatorDir / SimulatorLibraryName).lexically_normal();
    std::error_code error;
    if (!fs::exists(beside, error) && fs::exists(installed, error))
        return installed.string();
    return beside.string();
}

std::string refusedSimulatorConfiguration(const std::string& libraryPath)
{
    // The same path the transport binds: both reach one simulator, whichever loads it first.
    void* library = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return {};
    using LastError = const char* (*)();
    using DeviceCount = int (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(library, "zorvex_sim_last_error"));
    const auto deviceCount = reinterpret_cast<DeviceCount>(dlsym(library, "zorvex_sim_device_count"));
    std::string reason;
    // A refused file leaves no programmer; a file without one is refused by nobody.
    if (lastError && deviceCount && deviceCount() == 0)
        reason = lastError();
    dlclose(library);
    return reason;
}
