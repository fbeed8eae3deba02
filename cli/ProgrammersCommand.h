#pragma once

#include <QString>
#include <QStringList>

// zorvex-cli programmers [--simulate[=CONFIG] | --usb-library PATH]
// Lists the attached programmers, one a line: "N  BUS:DEVICE  SERIAL  PRODUCT".
[[nodiscard]] int runProgrammers(const QStringList& arguments);
extern const struct ChipCommandSpec ProgrammersSpec;
