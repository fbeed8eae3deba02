#pragma once

#include <QString>

// Why the programmer simulator at libraryPath refused its configuration file (it then has no
// programmer); empty when it took the file, or when the library is not the simulator. The
// simulator reads its configuration when it is first used, so this asks it to.
[[nodiscard]] QString refusedSimulatorConfiguration(const QString& libraryPath);
