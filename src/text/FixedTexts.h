#pragma once

#include <QString>

#include <span>

// Texts the program shows alike in its three table languages: the English words of some dialogs,
// messages and file filters, and the Chinese labels of the chip editor. The added languages
// translate them from what they mean in English.
enum class FixedText : int {
    AboutTitle,
    AboutComment,
    FilterBinary,
    FilterAllFiles,
    ErrorTitle,
    InformationTitle,
    QuestionTitle,
    UnknownError,
    FileTooBig,
    CapsuleTooShort,
    ErrorReadingFile,
    DataLengthExceeds,
    PasteFormatTitle,
    PasteFormatHexText,
    CantOpenFile,
    NotValidInteger,         // %1: the text typed
    // The chip editor's families, sub types and grid headers.
    Family25Flash,
    Family24Eeprom,
    Family93Eeprom,
    Family25Eeprom,
    Family95Eeprom,
    SubTypeNotSst,
    SubTypeUnder4K,
    SubType4KOrMore,
    SubTypeUnder512,
    SubType512OrMore,
    SubTypeOver64K,
    GridChipType,
    GridMaker,
    GridModel,
    GridChipId,
    GridFlashPage,
    GridFamily,
    GridSubType,
    GridDelay,
    GridVoltage,
    GridEepromPage,
    GridLink,
};

struct FixedEntry {
    const char16_t* shown;    // in the three table languages
    const char16_t* english;  // what it means, which the added languages translate
};

[[nodiscard]] QString fixedText(FixedText key);
// Every entry, for the translation files.
[[nodiscard]] std::span<const FixedEntry> fixedTextTable();
