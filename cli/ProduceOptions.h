#pragma once

#include "ChipCommandLine.h"
#include "SerialNumber.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of zorvex-cli produce: the chip command's options (chip, programmer, speed,
// database, language, --from) and those of the production loop.
struct ProduceOptions {
    ChipCommandLine line;
    std::optional<quint64> count;              // --count N
    bool erase = true;                         // --no-erase
    bool verify = true;                        // --no-verify
    std::optional<quint64> serialAt;           // --serial-at ADDR: serial numbers are written
    quint64 serialStart = 0;
    quint64 serialStep = 1;
    std::optional<SerialFormat> serialFormat;  // default le32
    QString serialFile;
    QString logPath;
    int pollMs = 300;
    int busyWaitSeconds = 60;                  // --busy-wait S: how long another program may hold the programmer
    QString error;                             // not empty: the arguments were not understood

    [[nodiscard]] static ProduceOptions parse(const QStringList& arguments);
};

// What produce takes, for its --help and the command list.
extern const ChipCommandSpec ProduceSpec;
