#include "ChipCommandLine.h"
#include "CliCommand.h"
#include "CommonOptions.h"
#include "OutputFile.h"

#include "buffer/AtomicSave.h"
#include "text/CliTexts.h"
#include "text/MessageCatalogExtra.h"
#include "text/SystemLanguage.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

void printUsage()
{
    QString text = QStringLiteral("%1 zorvex-cli [shared options] <command> [arguments]\n"
                                  "       zorvex-cli <command> --help\n"
                                  "       zorvex-cli --version\n\n%2\n")
                       .arg(cliText(CliText::UsageHeading), cliText(CliText::CommandsHeading));
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(command.spec->name), -12).arg(cliText(command.spec->summary));
    text += u'\n' + cliText(CliText::SharedOptionsHeading) + u'\n';
    for (const CommonOption& option : commonOptions())
        text += helpLine(commonOptionSynopsis(option), commonOptionHelp(option));
    std::fputs(text.toUtf8().constData(), stdout);
}

// --help or -h among a command's arguments; after "--" every word is a file name, even one
// spelled like them.
bool asksHelp(const QStringList& arguments)
{
    const auto files = std::find(arguments.begin(), arguments.end(), QStringLiteral("--"));
    return std::any_of(arguments.begin(), files, [](const QString& a) { return a == u"--help" || a == u"-h"; });
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
        printUsage();
        return ExitSuccess;
    }
    if (name.isEmpty())
        return usageError(ExtraMessages::text(ExtraText::CliCommandMissing));
    for (const CliCommand& command : cliCommands()) {
        if (name != QLatin1String(command.spec->name))
            continue;
        if (leading.help || asksHelp(leading.rest)) {
            std::fputs(ChipCommandLine::help(*command.spec).toUtf8().constData(), stdout);
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
    reportWriteFailuresInsteadOfEnding();
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    // Every message in the language --lang asks for, even one about a mistake before it; the
    // locale's without one.
    setCurrentLanguage(languageAsked(arguments).value_or(SystemLanguage::forTerminal()));
    // A word whose bytes are not UTF-8 reads back as other bytes: a file by that name would
    // be missed, or another one written in its place.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (QFile::encodeName(arguments[i]) != argv[i + 1])
            return usageError(ExtraMessages::text(ExtraText::CliArgumentNotUtf8).arg(arguments[i]));
    }
    return checkStandardOutput(run(arguments));
}
