#include "CliCommand.h"

#include "ChecksumCommand.h"
#include "ChipCommandRun.h"
#include "ConvertCommand.h"
#include "ProduceCommand.h"
#include "ProduceOptions.h"
#include "ProgrammersCommand.h"

#include "text/MessageCatalogExtra.h"

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

constexpr Spec ProgrammersSpec{"programmers", CliText::ProgrammersSummary, CliText::ProgrammersAbout, Spec::Programmer,
                               Spec::Operand::None};
constexpr Spec ConvertSpec{"convert", CliText::ConvertSummary, CliText::ConvertAbout, Spec::Yes, Spec::Operand::InputOutput};
constexpr Spec ChecksumSpec{"checksum", CliText::ChecksumSummary, CliText::ChecksumAbout, Spec::ChipSize,
                            Spec::Operand::Input};

template <Action action>
int runChipCommand(ChipCommandLine line)
{
    return ChipCommandRun(action, std::move(line)).exec();
}

// A command whose arguments are all parsed as its command description says, which gets them so.
template <const ChipCommandSpec& spec, auto command>
int parsed(const QStringList& arguments)
{
    ChipCommandLine line = ChipCommandLine::parse(spec, arguments);
    if (!line.error.isEmpty())
        return usageError(line.error, spec.name);
    return command(std::move(line));
}

}  // namespace

std::span<const CliCommand> cliCommands()
{
    static constexpr std::array commands{
        CliCommand{&ListSpec, parsed<ListSpec, runChipCommand<Action::List>>},
        CliCommand{&ProgrammersSpec, parsed<ProgrammersSpec, runProgrammers>},
        CliCommand{&DetectSpec, parsed<DetectSpec, runChipCommand<Action::Detect>>},
        CliCommand{&ReadSpec, parsed<ReadSpec, runChipCommand<Action::Read>>},
        CliCommand{&WriteSpec, parsed<WriteSpec, runChipCommand<Action::Write>>},
        CliCommand{&VerifySpec, parsed<VerifySpec, runChipCommand<Action::Verify>>},
        CliCommand{&EraseSpec, parsed<EraseSpec, runChipCommand<Action::Erase>>},
        CliCommand{&BlankSpec, parsed<BlankSpec, runChipCommand<Action::Blank>>},
        CliCommand{&AutoSpec, parsed<AutoSpec, runChipCommand<Action::Auto>>},
        CliCommand{&ProduceSpec, runProduce},
        CliCommand{&ConvertSpec, parsed<ConvertSpec, runConvert>},
        CliCommand{&ChecksumSpec, parsed<ChecksumSpec, runChecksum>},
    };
    return commands;
}

void printError(const QString& message)
{
    std::fprintf(stderr, "zorvex-cli: %s\n", message.toUtf8().constData());
}

int usageError(const QString& message, const char* command)
{
    const QByteArray tool = command ? QByteArray("zorvex-cli ") + command : QByteArray("zorvex-cli");
    std::fprintf(stderr, "%s: %s\n%s\n", tool.constData(), message.toUtf8().constData(),
                 ExtraMessages::text(ExtraText::UsageTryHelp).toUtf8().constData());
    return ExitUsage;
}
