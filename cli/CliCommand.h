#pragma once

#include <QString>
#include <QStringList>

#include <span>

// Exit codes shared by every subcommand, so scripts can tell a bad command line from a failed
// operation.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitFailure = 1,  // the operation failed; the reason went to stderr
    ExitUsage = 2,    // the command line was not understood
};

// One subcommand of zorvex-cli. `run` gets the arguments after the subcommand's name and returns
// an ExitCode; each subcommand lives in a file of its own and is listed in CliCommands.cpp.
struct CliCommand {
    const char* name;
    const char* usage;    // argument synopsis after "zorvex-cli <name>"
    const char* summary;  // one line for the command list
    int (*run)(const QStringList& arguments);
};

[[nodiscard]] std::span<const CliCommand> cliCommands();
