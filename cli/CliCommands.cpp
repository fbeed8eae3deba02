#include "CliCommand.h"

#include "ConvertCommand.h"

#include <array>

std::span<const CliCommand> cliCommands()
{
    static constexpr std::array commands{
        CliCommand{"convert", "IN OUT [--from bin|hex|srec] [--to bin|hex|srec] [--yes]",
                   "convert a buffer file between binary, Intel HEX and S-record", runConvert},
    };
    return commands;
}
