#pragma once

#include <QString>
#include <QStringList>

#include <span>

// Exit codes shared by every subcommand, so scripts can tell a bad command line from a failed
// operation.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitFailure = 1,       // the operation failed (for a chip: verify mismatch, not blank, no chip)
    ExitUsage = 2,         // the command line was not understood, or a file it names cannot be used
    ExitNotConnected = 3,  // the programmer could not be reached, or went away during the command
    ExitRecordLost = 4,    // produce: chips were programmed, but a record of them could not be written
};

// One subcommand of zorvex-cli. `run` gets the arguments after the subcommand's name and returns
// an ExitCode; its command description tells its name, options and help. Each subcommand lives in
// a file of its own (the chip commands share ChipCommandRun) and is listed in CliCommands.cpp,
// which also holds the description of each one that has no parser of its own.
struct CliCommand {
    const struct ChipCommandSpec* spec;
    int (*run)(const QStringList& arguments);
};

[[nodiscard]] std::span<const CliCommand> cliCommands();

// Prints "zorvex-cli: message" on stderr, the form of every error line of the tool.
void printError(const QString& message);
// A command line not understood: "zorvex-cli: message", or "zorvex-cli COMMAND: message" when
// it is a command's, and where to read the usage. Returns ExitUsage.
[[nodiscard]] int usageError(const QString& message, const char* command = nullptr);
