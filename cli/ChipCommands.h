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
[[nodiscard]] const struct ChipCommandSpec& listSpec();
[[nodiscard]] const struct ChipCommandSpec& detectSpec();
[[nodiscard]] const struct ChipCommandSpec& readSpec();
[[nodiscard]] const struct ChipCommandSpec& writeSpec();
[[nodiscard]] const struct ChipCommandSpec& verifySpec();
[[nodiscard]] const struct ChipCommandSpec& eraseSpec();
[[nodiscard]] const struct ChipCommandSpec& blankSpec();
[[nodiscard]] const struct ChipCommandSpec& autoSpec();

// One line of the chip list: type, maker, model, ID, size and page, in aligned columns.
[[nodiscard]] QString chipListLine(const struct ChipRecord& chip);
