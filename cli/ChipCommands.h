#pragma once

#include <QString>
#include <QStringList>

// The chip commands of zorvex-cli: the database list, detection and the six operations of the
// window's tool bar, run by the same operations core the window uses. Each returns an ExitCode.
[[nodiscard]] int runList(const QStringList& arguments);
[[nodiscard]] int runDetect(const QStringList& arguments);
[[nodiscard]] int runRead(const QStringList& arguments);
[[nodiscard]] int runWrite(const QStringList& arguments);
[[nodiscard]] int runVerify(const QStringList& arguments);
[[nodiscard]] int runErase(const QStringList& arguments);
[[nodiscard]] int runBlank(const QStringList& arguments);
[[nodiscard]] int runAuto(const QStringList& arguments);

// What each takes, for its --help and the command list.
extern const struct ChipCommandSpec ListSpec;
extern const struct ChipCommandSpec DetectSpec;
extern const struct ChipCommandSpec ReadSpec;
extern const struct ChipCommandSpec WriteSpec;
extern const struct ChipCommandSpec VerifySpec;
extern const struct ChipCommandSpec EraseSpec;
extern const struct ChipCommandSpec BlankSpec;
extern const struct ChipCommandSpec AutoSpec;

// One line of the chip list: type, maker, model, ID, size and page, in aligned columns.
[[nodiscard]] QString chipListLine(const struct ChipRecord& chip);
