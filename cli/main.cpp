#include "CliCommand.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

void printUsage(std::FILE* out)
{
    std::fputs("Usage: zorvex-cli <command> [arguments]\n"
               "       zorvex-cli <command> --help\n\nCommands:\n", out);
    for (const CliCommand& command : cliCommands())
        std::fprintf(out, "  %-10s %s\n  %-10s   %s %s\n", command.name, command.summary, "", command.name, command.usage);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        printUsage(stderr);
        return ExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage(stdout);
        return ExitSuccess;
    }
    for (const CliCommand& command : cliCommands()) {
        if (name != QLatin1String(command.name))
            continue;
        if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
            if (command.help)
                std::fputs(command.help().toUtf8().constData(), stdout);
            else
                std::printf("Usage: zorvex-cli %s %s\n\n%s\n", command.name, command.usage, command.summary);
            return ExitSuccess;
        }
        return command.run(arguments);
    }
    std::fprintf(stderr, "zorvex-cli: unknown command '%s'\n\n", qPrintable(name));
    printUsage(stderr);
    return ExitUsage;
}
