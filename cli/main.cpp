#include "CliCommand.h"
#include "CommonOptions.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void printUsage(std::FILE* out)
{
    std::fputs("Usage: zorvex-cli [shared options] <command> [arguments]\n"
               "       zorvex-cli <command> --help\n"
               "       zorvex-cli --version\n\nCommands:\n", out);
    for (const CliCommand& command : cliCommands())
        std::fprintf(out, "  %-10s %s\n  %-10s   %s %s\n", command.name, command.summary, "", command.name, command.usage);
    std::fputs("\nShared options, before or after the command (each command's --help lists those it takes):\n", out);
    for (const CommonOption& option : commonOptions())
        std::fprintf(out, "  %-20s %s\n", qPrintable(commonOptionSynopsis(option)), option.help);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const LeadingOptions leading = LeadingOptions::split(arguments);
    if (!leading.error.isEmpty()) {
        std::fprintf(stderr, "zorvex-cli: %s\n\n", qPrintable(leading.error));
        printUsage(stderr);
        return ExitUsage;
    }
    if (leading.version) {
        std::printf("zorvex-cli %s\n", ZORVEX_VERSION);
        return ExitSuccess;
    }
    const QString& name = leading.command;
    if (name == QLatin1String("help") || (name.isEmpty() && leading.help)) {
        printUsage(stdout);
        return ExitSuccess;
    }
    if (name.isEmpty()) {
        if (!leading.options.isEmpty())
            std::fputs("zorvex-cli: the command is missing\n\n", stderr);
        printUsage(stderr);
        return ExitUsage;
    }
    for (const CliCommand& command : cliCommands()) {
        if (name != QLatin1String(command.name))
            continue;
        if (leading.help || leading.rest.contains(QLatin1String("--help")) || leading.rest.contains(QLatin1String("-h"))) {
            if (command.help)
                std::fputs(command.help().toUtf8().constData(), stdout);
            else
                std::printf("Usage: zorvex-cli %s %s\n\n%s\n", command.name, command.usage, command.summary);
            return ExitSuccess;
        }
        // Shared options given before the command are the command's as if given after it.
        return command.run(leading.options + leading.rest);
    }
    std::fprintf(stderr, "zorvex-cli: unknown command '%s'\n\n", qPrintable(name));
    printUsage(stderr);
    return ExitUsage;
}
