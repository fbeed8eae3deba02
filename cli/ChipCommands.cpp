#include "ChipCommands.h"

#include "ChipCommandRun.h"
#include "CliCommand.h"

#include "chipdb/ChipName.h"
#include "chipdb/ChipRecord.h"

namespace {

using Spec = ChipCommandSpec;
using Action = ChipCommandRun::Action;
constexpr unsigned Operation = Spec::Programmer | Spec::Chip;

constexpr Spec ListSpec{"list", "list the chips of the database, those whose name contains FILTER",
                        "Lists the chips of the chip database, one a line: type, maker, model, ID, size and page\n"
                        "size in bytes. With FILTER only the chips whose name (type,maker,model) contains it,\n"
                        "letter case ignored.",
                        0, Spec::Operand::Filter};
constexpr Spec DetectSpec{"detect", "identify the chip in the programmer's socket",
                          "Asks the programmer which chip is in the socket and prints what it found, followed by\n"
                          "the chip's list line when the database knows its ID.",
                          Spec::Programmer, Spec::Operand::None};
constexpr Spec ReadSpec{"read", "read the whole chip into a file (format by extension)",
                        "Reads the chip and saves its whole capacity to OUT: .hex Intel HEX;\n"
                        "{srec} S-record; any other name binary. OUT must be\n"
                        "writable before the chip is read. An existing OUT is replaced only with --yes or after a yes\n"
                        "on a terminal.",
                        Operation | Spec::Yes, Spec::Operand::Output};
constexpr Spec WriteSpec{"write", "write a file into the chip",
                         "Loads IN (.hex Intel HEX; {srec} S-record; .eep by\n"
                         "content; .cap capsule; else binary; --from forces a format) and writes it into the chip,\n"
                         "rounded up to whole pages. A file larger than the chip is refused unless --yes (or a yes\n"
                         "on a terminal) allows writing its first chip-size bytes.",
                         Operation | Spec::Yes, Spec::Operand::Input};
constexpr Spec VerifySpec{"verify", "compare the chip with a file",
                                "Loads IN as write does and compares the chip with it; of a file longer than the chip\n"
                                "only the chip's size is compared, and a warning says so. With --all a difference\n"
                                "is followed by a read of the whole chip and a list of every differing range.",
                                Operation | Spec::AllDifferences, Spec::Operand::Input};
constexpr Spec EraseSpec{"erase", "erase the chip", "Erases the whole chip.", Operation, Spec::Operand::None};
constexpr Spec BlankSpec{"blank", "check that the chip is erased",
                         "Checks that every byte of the chip reads 0xFF.", Operation, Spec::Operand::None};
constexpr Spec AutoSpec{"auto", "erase, write and verify in one run",
                        "Loads IN as write does, then erases the chip, writes IN and verifies it; the --no-...\n"
                        "options leave steps out. A step that fails ends the run.",
                        Operation | Spec::Yes | Spec::AutoSteps, Spec::Operand::Input};

int run(const Spec& spec, Action action, const QStringList& arguments)
{
    ChipCommandLine line = ChipCommandLine::parse(spec, arguments);
    if (!line.error.isEmpty())
        return chipUsageError(spec, line.error);
    return ChipCommandRun(spec, action, std::move(line)).exec();
}

}  // namespace

int runList(const QStringList& arguments) { return run(ListSpec, Action::List, arguments); }
int runDetect(const QStringList& arguments) { return run(DetectSpec, Action::Detect, arguments); }
int runRead(const QStringList& arguments) { return run(ReadSpec, Action::Read, arguments); }
int runWrite(const QStringList& arguments) { return run(WriteSpec, Action::Write, arguments); }
int runVerify(const QStringList& arguments) { return run(VerifySpec, Action::Verify, arguments); }
int runErase(const QStringList& arguments) { return run(EraseSpec, Action::Erase, arguments); }
int runBlank(const QStringList& arguments) { return run(BlankSpec, Action::Blank, arguments); }
int runAuto(const QStringList& arguments) { return run(AutoSpec, Action::Auto, arguments); }

QString listHelp() { return ChipCommandLine::help(ListSpec); }
QString detectHelp() { return ChipCommandLine::help(DetectSpec); }
QString readHelp() { return ChipCommandLine::help(ReadSpec); }
QString writeHelp() { return ChipCommandLine::help(WriteSpec); }
QString verifyHelp() { return ChipCommandLine::help(VerifySpec); }
QString eraseHelp() { return ChipCommandLine::help(EraseSpec); }
QString blankHelp() { return ChipCommandLine::help(BlankSpec); }
QString autoHelp() { return ChipCommandLine::help(AutoSpec); }

QString chipListLine(const ChipRecord& chip)
{
    const ChipNameParts parts = chipNamePartsForLists(chip.nameText());
    return QStringLiteral("%1 %2 %3 0x%4 %5 %6")
        .arg(parts.type, -10)
        .arg(parts.manufacturer, -12)
        .arg(parts.model, -16)
        .arg(QString::number(chip.chipId, 16).toUpper().rightJustified(6, QLatin1Char('0')))
        .arg(chip.flashSize, 9)
        .arg(chip.flashPage);
}
