#pragma once

#include <string>

// Where the programmer simulator is found for a program in executableDir: beside the program
// (the build tree, a portable folder) or in the private library folder of an installed program
// (<prefix>/lib/zorvex beside <prefix>/bin). When neither holds it, the path beside the program,
// so that the failure names the place a person would look first.
inline constexpr const char* SimulatorLibraryName = "libzorvex-sim.so";
inline constexpr const char* InstalledSimulatorDir = "../lib/zorvex";

[[nodiscard]] std::string simulatorLibraryPath(const std::string& executableDir);

// Why the programmer simulator at libraryPath refused its configuration file (it then has no
// programmer); empty when it took the file, or when the library is not the simulator. The
// simulator reads its configuration when it is first used, so this asks it to.
[[nodiscard]] std::string refusedSimulatorConfiguration(const std::string& libraryPath);
