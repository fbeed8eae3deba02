#pragma once

#include <string>

// Where the programmer simulator is found for a program in executableDir: beside the program
// (the build tree, a portable folder) or in the private library folder of an installed program
// (<prefix>/lib/zorvex beside <prefix>/bin). When neither holds it, the path beside the program,
// so that the failure names the place a person would look first.
inline constexpr const char* SimulatorLibraryName = "libzorvex-sim.so";
inline constexpr const char* InstalledSimulatorDir = "../lib/zorvex";

[[nodiscard]] std::string simulatorLibraryPath(const std::string& executableDir);
