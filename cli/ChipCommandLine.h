#pragma once

#include "text/CliTexts.h"
#include "text/MessageCatalog.h"
#include "buffer/BufferFile.h"
#include "programmer/OperationHost.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// An option of one command only (produce's loop options): its synopsis and help line.
struct OwnOption {
    const char* synopsis;  // "--count N"
    CliText help;
};

// Which of the shared options a command takes, and its file arguments.
struct ChipCommandSpec {
    enum Options : unsigned {
        Programmer = 1u << 0,  // --speed, --simulate[=CONFIG], --usb-library PATH (CommonOptions.cpp)
        Chip = 1u << 1,        // --chip MODEL [--maker MAKER] or --detect (one is required)
        Yes = 1u << 2,         // --yes (CommonOptions.cpp)
        AutoSteps = 1u << 3,   // --no-erase, --no-write, --no-verify
        AllDifferences = 1u << 4,  // --all: every difference, not only the first
        ChipSize = 1u << 5,    // --chip MODEL [--maker MAKER], optional and without --detect
    };
    enum class Operand { None, Input, Output, Filter, InputOutput };

    const char* name;
    CliText summary;           // one line for the command list
    CliText about;             // the paragraph of its --help; %1 stands for the S-record names
    unsigned options;
    Operand operand;
    std::span<const OwnOption> ownOptions = {};
};

// A parsed command line of a chip command. The shared options (CommonOptions.h) it takes are
// stored here too; --db and --lang are accepted by all of them; --help is answered before a
// command runs.
struct ChipCommandLine {
    QString chipModel;
    QString maker;
    bool detect = false;
    int speedIndex = 0;
    QString databasePath;             // empty: the window program's database
    Language language = currentLanguage();  // --lang; the one main chose before without it
    bool simulate = false;
    QString simulatorConfig;
    QString usbLibrary;
    QString programmer;               // --programmer SEL; empty: the first programmer found
    bool assumeYes = false;
    AutoOptions autoOptions;
    bool allDifferences = false;      // --all
    std::optional<BufferFileFormat> inputFormat;  // --from; empty: chosen by IN's name
    std::optional<BufferFileFormat> outputFormat; // --to; empty: chosen by OUT's name
    QString operand;                  // the file (or the list filter); IN of IN OUT
    QString output;                   // OUT of IN OUT
    QString error;                    // not empty: the arguments were not understood

    [[nodiscard]] static ChipCommandLine parse(const ChipCommandSpec& spec, const QStringList& arguments);
    // "(--chip MODEL [--maker MAKER] | --detect)", "[--yes]", ..., "IN": the usage line's parts
    [[nodiscard]] static QStringList synopsis(const ChipCommandSpec& spec);
    [[nodiscard]] static QString help(const ChipCommandSpec& spec);
};
