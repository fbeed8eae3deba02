#pragma once

#include "text/LanguageTexts.h"
#include "text/MessageCatalog.h"

#include <QString>

#include <optional>
#include <span>

// Texts of the find and go-to dialogs, of the hints when no programmer answers, and of the
// simulator check, beside the 30 messages of the catalog proper. Each exists in the three
// languages and is looked up in the language in force at that moment, like the catalog's own.
enum class ExtraText : int {
    FindTitle,
    FindWhat,
    FindHexBytes,
    FindText,
    FindIgnoreCase,
    FindFromCaret,
    FindFromStart,
    FindButton,
    CloseButton,
    FindEmpty,
    FindBadHexByte,      // %1: the token that is not a hex byte
    FindOnlyWildcards,
    FindTooManyValues,
    FindTextNotShown,    // %1: the character the character column cannot show
    NotFoundInImage,     // %1: what was searched for
    NotFoundAfterCaret,  // %1: what was searched for
    GoToTitle,
    GoToAddress,
    GoToButton,
    CancelButton,
    GoToEmpty,
    GoToBadHex,          // %1: the text typed
    GoToOutside,         // %1: the address, %2: the last valid address, both hex
    NotConnectedCauses,
    SimulatorRefused,    // %1: the simulator's reason
    FileErrorLine,       // %1: a file, %2: a line number in it
    FileCannotCreate,
    EditorDiscardChanges,
    ChipNameNotGbk,      // %1: the grid row, %2: the name, %3: the character GBK cannot hold
    ShippedChipsOffer,   // %1: how many shipped chips the person's database lacks, %2: its path
    ShippedChipsNoRoom,  // %1: how many of them do not fit
    EditorListNotChosen,
    EditorTooManyRows,   // %1: the most chips the table holds, %2: the grid's rows
    ChipNameTooLong,     // %1: the grid row, %2: the name
    ProgrammerMenu,
    ProgrammerAutomatic,
    ProgrammerNotAttached,  // %1: the chosen programmer
    SettingsNotSaved,       // %1: the settings file, %2: the reason
    ProgrammerBusy,         // %1: the chosen programmer
    CapsuleWithoutHeader,   // %1: the file
    SaveCutsImage,          // %1: the image's length, %2: the chip's size, both in bytes
    NoRoomForImage,         // %1: the output file, %2: bytes needed, %3: bytes free
    ReadImageKept,          // %1: the file the image read went to
    ProgrammerNoMatch,      // %1: the --programmer selection
    ProgrammerClaimRefused, // %1: the chosen programmer, %2: the USB library's error code
    NoProgrammerAttached,
    UsbLibraryNotLoaded,    // %1: the library's path
    StandardInputNeedsFormat,
    StandardOutputFailed,   // %1: the reason
    // zorvex-cli's own messages
    CliLeftAsItWas,         // %1: the file a command did not replace
    CliNothingChanged,
    CliOnlyChipType,
    CliDetectedNotInLists,
    CliComparesChipSizeOnly,// %1: the file, %2: its bytes, %3: the chip's
    CliReadAsBinary,        // %1: the file, %2: Intel HEX or S-record, %3: hex or srec
    CliNoDatabase,          // %1: the path looked at
    CliDatabaseEmpty,       // %1: the database file
    CliNoChipNamed,         // %1: the model asked for
    CliClosestChips,        // %1: the models nearest to it
    CliNoChipByMaker,       // %1: model, %2: maker, %3: the chips of the model
    CliSeveralMakers,       // %1: the model, %2: the chips of the model
    CliBytesWritten,        // %1: a count, %2: the file
    CliStandardOutput,
    CliAnsweredNo,          // %1: the question
    CliFullCompareUnread,
    CliElapsedTime,         // %1: hh:mm:ss
    UsageTryHelp,
    CliCommandMissing,
    CliUnknownCommand,      // %1: the word given
    CliNotLeadingOption,    // %1: the option
    CliUnknownSpeed,        // %1: the value, %2: the speeds
    CliUnknownLanguage,     // %1: the value, %2: the language codes
    CliNeedsValue,          // %1: the option
    CliTakesNoValue,        // %1: the option
    CliNeedsInlineValue,    // %1: the option, %2: its value
    CliUnknownFormat,       // %1: the value, %2: the formats
    CliNoSuchOption,        // %1: the command, %2: the option
    CliUnexpectedArgument,  // %1: the argument
    CliOperandMissing,      // %1: IN or OUT
    CliChipOrDetect,
    CliChooseChip,
    CliMakerWithChip,
    CliSimulateOrLibrary,
    CliExpectedInAndOut,
    CliChipTooBigForImage,  // %1: the chip's size in bytes
    PasteHexNotHex,         // %1: the first character that is no hex, %2: its place in the text (from 1)
    PasteHexEmpty,
    CloseAfterOperation,
    DifferenceSummary,      // %1: differing bytes, %2: ranges
    DifferenceRange,        // %1, %2: first and last byte in hex, %3: bytes
    DifferencesNotListed,   // %1: ranges left out
    CompareChipHeading,     // %1: the chip, %2: bytes compared
    CompareFileHeading,     // %1: the file, %2: bytes compared
    CompareChipEqual,       // %1: the chip, %2: bytes compared
    CompareFileEqual,       // %1: the file, %2: bytes compared
    DifferenceRangeStatus,  // %1: the range's number (from 1), %2: ranges
    CompareNoChip,
    FillRangeInvalid,       // %1: the highest address, hex
    EditorFileChanged,      // %1: the chip database file
    PasteTextNotShown,      // %1: the character, %2: its position (from 1)
    ChipNameHasComma,       // %1: the grid row, %2: the cell's text
    CliArgumentNotUtf8,     // %1: the argument as decoded
    FlashInSocketNotChosen, // %1: the flash's ID bytes, %2: the chosen chip's model
    OtherClassInSocket,     // %1: the chosen 25-series flash's model
    ChipValueBeyondField,   // %1: the grid row, %2: the column, %3: the cell's text, %4: the field's largest value
    ChipNameUnreachable,    // %1: the grid row, %2: its name, %3: the earlier row, %4: that row's name
    PipeWithoutPeer,        // the reason a pipe nobody holds at its other end is not opened
    YesButton,              // the buttons of a question where Qt has no translation of its own
    NoButton,
};

namespace ExtraMessages {

inline constexpr int Count = static_cast<int>(ExtraText::NoButton) + 1;

// A language outside 0..2 reads the Simplified texts, as the catalog does.
[[nodiscard]] QString text(ExtraText key, Language language);
[[nodiscard]] inline QString text(ExtraText key) { return text(key, currentLanguage()); }

// Every text above, for the translation files.
[[nodiscard]] std::span<const LanguageTexts> table();

}  // namespace ExtraMessages

// The catalog message whose text in some language is text (a text on screen since before a
// language switch); nullopt for a text that is not a catalog message.
[[nodiscard]] std::optional<MessageKey> catalogKeyOf(const QString& text);
