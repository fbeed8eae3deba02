#include "CliCommand.h"

#include "ChecksumCommand.h"
#include "ChipCommands.h"
#include "ConvertCommand.h"
#include "ProduceCommand.h"
#include "ProduceOptions.h"
#include "ProgrammersCommand.h"

#include <array>
#include <cstdio>

std::span<const CliCommand> cliCommands()
{
    using Action = ChipCommandRun::Action;
    static constexpr std::array commands{
        CliCommand{&ListSpec, runChipCommand<ListSpec, Action::List>},
        CliCommand{&ProgrammersSpec, runProgrammers},
        CliCommand{&DetectSpec, runChipCommand<DetectSpec, Action::Detect>},
        CliCommand{&ReadSpec, runChipCommand<ReadSpec, Action::Read>},
        CliCommand{&WriteSpec, runChipCommand<WriteSpec, Action::Write>},
        CliCommand{&VerifySpec, runChipCommand<VerifySpec, Action::Verify>},
        CliCommand{&EraseSpec, runChipCommand<EraseSpec, Action::Erase>},
        CliCommand{&BlankSpec, runChipCommand<BlankSpec, Action::Blank>},
        CliCommand{&AutoSpec, runChipCommand<AutoSpec, Action::Auto>},
        CliCommand{&ProduceSpec, runProduce},
        CliCommand{&ConvertSpec, runConvert},
        CliCommand{&ChecksumSpec, runChecksum},
    };
    return commands;
}

void printError(const QString& message)
{
    std::fprintf(stderr, "zorvex-cli: %s\n", message.toUtf8().constData());
}
