#pragma once

// zorvex-cli programmers [--simulate[=CONFIG] | --usb-library PATH]
// Lists the attached programmers, one a line: "N  BUS:DEVICE  SERIAL  PRODUCT".
[[nodiscard]] int runProgrammers(const struct ChipCommandLine& line);
