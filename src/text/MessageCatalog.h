#pragma once

#include "text/Language.h"

#include <QString>

// The run-time messages, numbered as the catalog stores them.
enum class MessageKey : int {
    UnknownChipId = 0,
    ChooseCompatibleManually = 1,
    NoChipDetected = 2,
    ChipDetected = 3,
    ChipTypeLine = 4,
    ChipTypeDetected = 5,
    SelectTypeManually = 6,
    ChipListDamaged = 7,
    FileExistsOverwrite = 8,
    FileWriteError = 9,
    ProgrammerFound = 10,
    StatusReady = 11,
    StatusNotConnected = 12,
    StatusErasing = 13,
    StatusReading = 14,
    StatusBlankChecking = 15,
    ChipNotBlank = 16,
    StatusVerifying = 17,
    VerifyErrorAddress = 18,
    StatusWriting = 19,
    FileLargerThanChip = 20,
    LogOpen = 21,
    ReadComplete = 22,
    ChipIsBlank = 23,
    EraseComplete = 24,
    WriteComplete = 25,
    BufferEmpty = 26,
    VerifyComplete = 27,
    AutoComplete = 28,
    BlankCheckComplete = 29,
};

// 30 messages in the three table languages, one flat table of 90 texts: message m in language
// l is entry 3 * m + l; the other languages translate the English entry. Nothing is cached:
// every call looks the text up in the language asked for, so a text fetched after a language
// switch is in the new language.
class MessageCatalog {
public:
    static constexpr int MessageCount = 30;
    static constexpr int EntryCount = MessageCount * TableLanguageCount;

    // A language outside the known ones (only an edited settings file produces one) reads the
    // Simplified texts, the language a settings file without the key starts in: a message must
    // never come out empty or from outside the table.
    [[nodiscard]] static QString text(MessageKey key, Language language);
    [[nodiscard]] static QString text(MessageKey key) { return text(key, currentLanguage()); }

    // Entry 3 * m + l of the flat table; an index outside 0..89 gives a null string.
    [[nodiscard]] static QString entry(int index);
};
