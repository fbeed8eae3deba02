#include "CliCommand.h"

#include "ChecksumCommand.h"
#include "ChipCommands.h"
#include "ConvertCommand.h"
#include "ProduceCommand.h"
#include "ProgrammersCommand.h"

#include <array>
#include <cstdio>

std::span<const CliCommand> cliCommands()
{
    static constexpr std::array commands{
        CliCommand{listSpec, runList},         CliCommand{programmersSpec, runProgrammers},
        CliCommand{detectSpec, runDetect},     CliCommand{readSpec, runRead},
        CliCommand{writeSpec, runWrite},       CliCommand{verifySpec, runVerify},
        CliCommand{eraseSpec, runErase},       CliCommand{blankSpec, runBlank},
        CliCommand{autoSpec, runAuto},         CliCommand{produceSpec, runProduce},
        CliCommand{convertSpec, runConvert},   CliCommand{checksumSpec, runChecksum},
    };
    return commands;
}

void printError(const QString& message)
{
    std::fprintf(stderr, "zorvex-cli: %s\n", message.toUtf8().constData());
}
