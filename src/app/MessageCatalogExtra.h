#pragma once

#include "app/MessageCatalog.h"
#include "buffer/DifferenceReport.h"

#include <QString>

#include <optional>

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
};

namespace ExtraMessages {

inline constexpr int Count = static_cast<int>(ExtraText::CompareNoChip) + 1;

// A language outside 0..2 reads the Simplified texts, as the catalog does.
[[nodiscard]] QString text(ExtraText key, Language language);
[[nodiscard]] inline QString text(ExtraText key) { return text(key, currentLanguage()); }

// The lines of a difference report (verify --all, the window's compare) in the current language.
[[nodiscard]] DifferenceReport::Wording differenceWording();

}  // namespace ExtraMessages

// The catalog message whose text in some language is text (a text on screen since before a
// language switch); nullopt for a text that is not a catalog message.
[[nodiscard]] std::optional<MessageKey> catalogKeyOf(const QString& text);
