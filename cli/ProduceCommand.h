#pragma once

#include <QString>
#include <QStringList>

// zorvex-cli produce: programs chip after chip from one image, each with its own serial number,
// and reports and logs every chip.
// What it takes, ProduceSpec, is declared in ProduceOptions.h.
[[nodiscard]] int runProduce(const QStringList& arguments);
