#pragma once

#include "ChipCommandRun.h"

#include <QString>
#include <QStringList>

// The chip commands of zorvex-cli: the database list, detection and the six operations of the
// window's tool bar, run by the same operations core the window uses. What each takes, for its
// --help and the command list:
extern const ChipCommandSpec ListSpec;
extern const ChipCommandSpec DetectSpec;
extern const ChipCommandSpec ReadSpec;
extern const ChipCommandSpec WriteSpec;
extern const ChipCommandSpec VerifySpec;
extern const ChipCommandSpec EraseSpec;
extern const ChipCommandSpec BlankSpec;
extern const ChipCommandSpec AutoSpec;

// Runs a chip command on the arguments after its name: they are parsed as its description says,
// then its action runs. Returns an ExitCode.
template <const ChipCommandSpec& spec, ChipCommandRun::Action action>
[[nodiscard]] int runChipCommand(const QStringList& arguments)
{
    ChipCommandLine line = ChipCommandLine::parse(spec, arguments);
    if (!line.error.isEmpty())
        return chipUsageError(spec, line.error);
    return ChipCommandRun(action, std::move(line)).exec();
}

// One line of the chip list: type, maker, model, ID, size and page, in aligned columns.
[[nodiscard]] QString chipListLine(const struct ChipRecord& chip);
