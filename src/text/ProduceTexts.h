#pragma once

#include "text/LanguageTexts.h"

#include <QString>

#include <span>

// The messages of zorvex-cli produce about its programmer, serial numbers and records, in the
// language in force, like the catalog's. The lines a script reads ("Insert a chip", "#K PASS ...")
// stay as they are in every language.
enum class ProduceText : int {
    ProgrammerBusyWaiting,   // %1: the programmer, %2: the seconds waited at most
    TwinProgrammers,         // %1: the selection, %2: how many match, %3: their BUS:DEVICE
    WrongChip,               // %1: the ID found (or "none"), %2: the ID expected
    StoppedWhileHeld,
    OutputLost,              // %1: the reason
    PassedUnrecorded,        // %1: the chip's number in the run
    PassedUnrecordedSerial,  // %1: the chip's number in the run, %2: its serial number
    SerialsUsedUp,           // %1: the next number
    SerialsUsedUpInSocket,   // %1: the next number
    SerialRunDoesNotFit,     // %1: the first number, %2: the chips of the run
    ChipNotWritten,          // %1: why the number could not be taken
    SerialFolder,            // %1: the folder
    SerialFolderRefuses,     // %1: the serial file, %2: the reason
    SerialLockFile,          // %1: the lock file, %2: the reason
    LogNotWritten,           // %1: the log, %2: the reason
    LogRecordCut,
    LogPartLeft,
    NumberOutOfRange,        // %1: the option, %2: its value, %3, %4: the lowest and highest
    SerialAtWithStart,
    SerialOptionsNeedAt,
    SerialDoesNotFit,        // %1: the serial number
    ImageLargerThanChip,     // %1: the file, %2: its bytes, %3: the chip's
    SerialOutsideChip,       // %1: the address, hex, %2: the serial's bytes, %3: the chip's
    NoChipId,
    UnknownChipId,           // %1: the ID
    NotThisRunsChip,         // %1: the ID
    OperationIncomplete,
    SerialFileUnreadable,    // %1: the serial file, %2: the reason
    SerialFileNoNumber,      // %1: the serial file
    SerialFileUnwritable,    // %1: the serial file, %2: the reason
    LogUnopenable,           // %1: the log, %2: the reason
    WriteError,
    SerialFileSetBack,       // %1: the serial file, %2: the number this run left in it
    UnknownSerialFormat,     // %1: the format given
};

[[nodiscard]] QString produceText(ProduceText key);

// Every text above, for the translation files.
[[nodiscard]] std::span<const LanguageTexts> produceTextTable();
