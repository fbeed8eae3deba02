#pragma once

#include "text/LanguageTexts.h"

#include <QString>

#include <span>

// The help of zorvex-cli and zorvex (usage lines, command summaries and descriptions, one line
// per option) and the few result labels the command line prints, in the language in force.
// Option names, metavariables (MODEL, IN, FILE ...) and the lines scripts read stay as they are.
enum class CliText : int {
    UsageHeading,          // "Usage:"
    OptionsHeading,
    CommandsHeading,
    SharedOptionsHeading,
    HelpOption,
    VersionOption,
    // One line per command for the command list.
    ListSummary,
    ProgrammersSummary,
    DetectSummary,
    ReadSummary,
    WriteSummary,
    VerifySummary,
    EraseSummary,
    BlankSummary,
    AutoSummary,
    ProduceSummary,
    ConvertSummary,
    ChecksumSummary,
    // The paragraph of each command's --help; %1 where given: the S-record extensions.
    ListAbout,
    ProgrammersAbout,
    DetectAbout,
    ReadAbout,             // %1
    WriteAbout,            // %1
    VerifyAbout,
    EraseAbout,
    BlankAbout,
    AutoAbout,
    ProduceAbout,
    ConvertAbout,          // %1
    ChecksumAbout,         // %1
    // One line per option.
    ChipOption,
    MakerOption,
    DetectOption,
    NoEraseOption,
    NoWriteOption,
    NoVerifyOption,
    AllOption,
    FromOption,            // %1: the format names
    ToOption,              // %1: the format names
    ChecksumChipOption,
    SpeedOption,
    SimulateOption,
    UsbLibraryOption,
    DatabaseOption,
    LanguageOption,        // %1: the language codes
    YesOption,
    ProgrammerOption,
    CountOption,
    SerialAtOption,
    SerialStartOption,
    SerialStepOption,
    SerialFormatOption,
    SerialFileOption,
    LogOption,
    PollOption,
    BusyWaitOption,
    WindowFileOperand,
    WindowSimulateOption,
    // checksum --chip labels its two lines.
    ChecksumWholeChip,
    ChecksumProgrammedImage,
    // The window program's command-line mistakes.
    WindowOneFileOnly,     // %1: the second file
    WindowUnknownOption,   // %1: the option
    WindowTryHelp,
};

[[nodiscard]] QString cliText(CliText key);

// "  --db FILE             chip database file ...": one option line of a --help text.
[[nodiscard]] QString helpLine(const QString& synopsis, const QString& help);

// Every text above, for the translation files.
[[nodiscard]] std::span<const LanguageTexts> cliTextTable();
