#pragma once

#include <QString>
#include <QtGlobal>

#include "text/LanguageTexts.h"

#include <span>

// Texts of the failures the message catalog has no entry for: a transfer that failed in the
// middle of a routine, and a chip record that cannot be operated on safely. Three languages
// like the catalog, chosen by the current language at the moment of the call.

enum class OperationStage { SetUp, Read, BlankCheck, Verify, Erase, Write };

struct TransferFailure {
    enum class Kind {
        Error,      // the transfer returned a negative libusb result (value = that result)
        Short,      // fewer bytes moved than asked (value = bytes moved, expected = asked)
        StillBusy,  // the chip erase did not finish within its status polls (value = polls)
        Disconnected,  // the programmer is gone (value = the libusb result that said so)
    };
    OperationStage stage = OperationStage::Read;
    qint64 address = 0;  // offset of the block, page or command at which the routine stopped
    Kind kind = Kind::Error;
    int value = 0;
    int expected = 0;
};

// "Read stopped at address 1F40h: transfer failed (error -110)."
[[nodiscard]] QString transferFailureText(const TransferFailure& failure);

// The programmer went away where no address was reached yet (the chip query, the open of the
// operation's frame after the query had found it).
[[nodiscard]] QString programmerDisconnectedText();

// Appended when a read stopped after blocks had arrived: the buffer kept what it held.
[[nodiscard]] QString failedReadBufferKeptText();

enum class RecordDefect { TooLarge, PageZero, PageTooLarge, UnknownFamily, BadCapacity };

// "The chip record is damaged: its page size is 0. Choose the chip again or repair the chip
// database." size is the offending capacity, page size or family code, limit the buffer it
// must fit, the highest family code or the smallest capacity.
[[nodiscard]] QString damagedRecordText(RecordDefect defect, qint64 size, qint64 limit);

// Every text above, for the translation files.
[[nodiscard]] std::span<const LanguageTexts> operationTextTable();
