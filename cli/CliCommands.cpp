#include "CliCommand.h"

#include "ChecksumCommand.h"
#include "ChipCommandRun.h"
#include "ConvertCommand.h"
#include "ProduceCommand.h"
#include "ProduceOptions.h"
#include "ProgrammersCommand.h"

#include <array>
#include <cstdio>

namespace {

using Spec = ChipCommandSpec;
using Action = ChipCommandRun::Action;
constexpr unsigned Operation = Spec::Programmer | Spec::Chip;

// The chip commands: the database list, detection and the six operations of the window's tool
// bar, run by the same operations core the window uses.
constexpr Spec ListSpec{"list", CliText::ListSummary, CliText::ListAbout, 0, Spec::Operand::Filter};
constexpr Spec DetectSpec{"detect", CliText::DetectSummary, CliText::DetectAbout, Spec::Programmer, Spec::Operand::None};
constexpr Spec ReadSpec{"read", CliText::ReadSummary, CliText::ReadAbout, Operation | Spec::Yes, Spec::Operand::Output};
constexpr Spec WriteSpec{"write", CliText::WriteSummary, CliText::WriteAbout, Operation | Spec::Yes, Spec::Operand::Input};
constexpr Spec VerifySpec{"verify", CliText::VerifySummary, CliText::VerifyAbout, Operation | Spec::AllDifferences,
                          Spec::Operand::Input};
constexpr Spec EraseSpec{"erase", CliText::EraseSummary, CliText::EraseAbout, Operation, Spec::Operand::None};
constexpr Spec BlankSpec{"blank", CliText::BlankSummary, CliText::BlankAbout, Operation, Spec::Operand::None};
constexpr Spec AutoSpec{"auto", CliText::AutoSummary, CliText::AutoAbout, Operation | Spec::Yes | Spec::AutoSteps,
                        Spec::Operand::Input};

// A chip command: its arguments parsed as its spec says, then its action run.
template <const ChipCommandSpec& spec, Action action>
int runChipCommand(const QStringList& arguments)
{
    ChipCommandLine line = ChipCommandLine::parse(spec, arguments);
    if (!line.error.isEmpty())
        return chipUsageError(spec, line.error);
    return ChipCommandRun(action, std::move(line)).exec();
}

}  // namespace

std::span<const CliCommand> cliCommands()
{
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
