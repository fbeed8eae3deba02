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
    static constexpr std::array commands{
        CliCommand{&ListSpec, runList},         CliCommand{&ProgrammersSpec, runProgrammers},
        CliCommand{&DetectSpec, runDetect},     CliCommand{&ReadSpec, runRead},
        CliCommand{&WriteSpec, runWrite},       CliCommand{&VerifySpec, runVerify},
        CliCommand{&EraseSpec, runErase},       CliCommand{&BlankSpec, runBlank},
        CliCommand{&AutoSpec, runAuto},         CliCommand{&ProduceSpec, runProduce},
        CliCommand{&ConvertSpec, runConvert},   CliCommand{&ChecksumSpec, runChecksum},
    };
    return commands;
}

void printError(const QString& message)
{
    std::fprintf(stderr, "zorvex-cli: %s\n", message.toUtf8().constData());
}
