#include "usb/SimulatorLibrary.h"

#include <filesystem>
#include <system_error>

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
