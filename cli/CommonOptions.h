#pragma once

#include "text/CliTexts.h"
#include "text/MessageCatalog.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

struct ChipCommandLine;

// An option several commands share. Shared options may stand before the command as well as
// after it ("zorvex-cli --simulate detect"); a command refuses one it does not take, naming
// itself. The table in CommonOptions.cpp is the one place that knows them: the parsing before
// and after the command and the option lines of --help all read it.
struct CommonOption {
    enum class Value {
        None,            // --yes
        Required,        // --db FILE or --db=FILE
        InlineOptional,  // --simulate or --simulate=CONFIG, never the next argument
    };

    const char* name;       // "--speed"
    Value value;
    const char* valueName;  // "SPEED" for the help line; nullptr without a value
    unsigned group;         // the ChipCommandSpec::Options bit of the commands that take it; 0: all
    CliText help;           // the help line's text after the option
    // Stores the value (empty for Value::None and a bare InlineOptional) into the command line;
    // returns what is wrong with it, or an empty text.
    QString (*apply)(ChipCommandLine& line, const QString& value);
};

[[nodiscard]] std::span<const CommonOption> commonOptions();
// The shared option of this name ("--db", without any "=value"), or nullptr.
[[nodiscard]] const CommonOption* findCommonOption(QStringView name);

// "--db FILE", "--simulate[=CONFIG]", "--yes": the option as a help line or synopsis shows it.
[[nodiscard]] QString commonOptionSynopsis(const CommonOption& option);
// Its help line's text in the language in force.
[[nodiscard]] QString commonOptionHelp(const CommonOption& option);

// Arguments before the command, split off: the shared options with their values (moved behind
// the command by the caller, where the command's own parser judges them), --help and
// --version, and the command with the arguments after it.
struct LeadingOptions {
    QStringList options;  // shared options and their values, in the order given
    bool help = false;
    bool version = false;
    QString command;      // empty: no command was given
    QStringList rest;     // the arguments after the command
    QString error;        // not empty: something before the command is not a shared option

    [[nodiscard]] static LeadingOptions split(const QStringList& arguments);
};

// The language the last --lang of the command line names (not past "--"), so that a mistake
// found before that option is read is told in it too; nullopt without one, or for a value that
// names no language (which the command then reports).
[[nodiscard]] std::optional<Language> languageAsked(const QStringList& arguments);
