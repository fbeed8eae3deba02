#include "CliCommand.h"

#include "ChecksumCommand.h"
#include "ChipCommands.h"
#include "ConvertCommand.h"
#include "ProduceCommand.h"
#include "ProgrammersCommand.h"

#include <array>

std::span<const CliCommand> cliCommands()
{
    static constexpr std::array commands{
        CliCommand{"list", "[FILTER] [--db FILE]", "list the chips of the chip database", runList, listHelp},
        CliCommand{"programmers", "[--simulate[=CONFIG] | --usb-library PATH]", "list the attached programmers",
                   runProgrammers, programmersHelp},
        CliCommand{"detect", "[options]", "identify the chip in the programmer's socket", runDetect, detectHelp},
        CliCommand{"read", "(--chip MODEL | --detect) [options] OUT", "read the chip into a file", runRead, readHelp},
        CliCommand{"write", "(--chip MODEL | --detect) [options] IN", "write a file into the chip", runWrite, writeHelp},
        CliCommand{"verify", "(--chip MODEL | --detect) [options] IN", "compare the chip with a file", runVerify,
                   verifyHelp},
        CliCommand{"erase", "(--chip MODEL | --detect) [options]", "erase the chip", runErase, eraseHelp},
        CliCommand{"blank", "(--chip MODEL | --detect) [options]", "check that the chip is erased", runBlank,
                   blankHelp},
        CliCommand{"auto", "(--chip MODEL | --detect) [--no-erase] [--no-write] [--no-verify] [options] IN",
                   "erase, write and verify in one run", runAuto, autoHelp},
        CliCommand{"produce",
                   "(--chip MODEL | --detect) [--count N] [--serial-at ADDR --serial-start N ...] [--log FILE] [options] IN",
                   "program chip after chip with serial numbers, checksums and a log", runProduce, produceHelp},
        CliCommand{"convert", "IN OUT [--from bin|hex|srec] [--to bin|hex|srec] [--yes]",
                   "convert a buffer file between binary, Intel HEX and S-record (OUT - : standard output)", runConvert},
        CliCommand{"checksum", "IN [--from bin|hex|srec] [--chip MODEL [--maker M]]",
                   "print the CRC32 and SHA-256 of a file as it would be programmed", runChecksum, checksumHelp},
    };
    return commands;
}
