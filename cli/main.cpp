#include "CliCommand.h"
#include "CommonOptions.h"
#include "OutputFile.h"

#include "text/MessageCatalogExtra.h"

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

// What is wrong, and where to read more, instead of the whole usage.
int usageError(const QString& message)
{
    std::fprintf(stderr, "zorvex-cli: %s\n%s\n", qPrintable(message), qPrintable(ExtraMessages::text(ExtraText::UsageTryHelp)));
    return ExitUsage;
}

int run(const QStringList& arguments)
{
    const LeadingOptions leading = LeadingOptions::split(arguments);
    if (!leading.error.isEmpty())
        return usageError(leading.error);
    if (leading.version) {
        std::printf("zorvex-cli %s\n"
                    "Copyright (C) 2026 Zorvex developers\n"
                    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                    "This is free software: you are free to change and redistribute it.\n"
                    "There is NO WARRANTY, to the extent permitted by law.\n",
                    ZORVEX_VERSION);
        return ExitSuccess;
    }
    const QString& name = leading.command;
    if (name == QLatin1String("help") || (name.isEmpty() && leading.help)) {
        printUsage(stdout);
        return ExitSuccess;
    }
    if (name.isEmpty())
        return usageError(ExtraMessages::text(ExtraText::CliCommandMissing));
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
    return usageError(ExtraMessages::text(ExtraText::CliUnknownCommand).arg(name));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    // Every message in the language --lang asks for, even one about a mistake before it;
    // English without one.
    setCurrentLanguage(languageAsked(arguments).value_or(Language::English));
    return checkStandardOutput(run(arguments));
}
