#pragma once

#include "chipdb/ChipDatabaseFile.h"

#include <QString>

#include <functional>
#include <span>
#include <vector>

struct ProgramFiles;

// Once a person has saved their own chip database, the program reads only that copy, and the
// chips a newer package ships would never reach them. At start the program offers those chips:
// the shipped records whose type, maker and model the person's copy lacks, appended after the
// person's own records, which are never changed or reordered.

// Where the settings file keeps the fingerprint of the shipped database last offered (or found
// to offer nothing): the question comes back only when the shipped database changes.
inline constexpr const char* ShippedDatabaseSection = "CHIP";
inline constexpr const char* ShippedDatabaseKey = "ShippedDatabase";

// The chips of shipped, in its order, whose type, maker and model (compared as the chip lists
// compare them: trimmed, ignoring letter case) no chip of own has; each such name once.
[[nodiscard]] std::vector<ChipRecord> chipsMissingFrom(const ChipDatabase& own, const ChipDatabase& shipped);

// Appends chips after the list of db as far as the usable slots allow (one stays free for the
// terminator) and returns how many were appended. The slots of the list are not touched.
int appendChips(ChipDatabase& db, std::span<const ChipRecord> chips);

enum class ShippedChipOffer {
    NotApplicable,  // no own copy beside a shipped one, or one of them could not be read
    AlreadyAsked,   // the settings hold this shipped database's fingerprint
    NothingMissing, // the own copy has every shipped chip (fingerprint to remember)
    NoRoom,         // chips are missing but no slot is free: nothing asked
    Declined,       // asked; No: the copy is kept as it is (fingerprint to remember)
    Added,          // asked; Yes: chips appended and the copy saved (fingerprint to remember)
    SaveFailed,     // asked; Yes, but the save failed: table and file as before, asked again next time
};

struct ShippedChipOfferResult {
    ShippedChipOffer outcome = ShippedChipOffer::NotApplicable;
    // The fingerprint the settings file is to keep from now on; empty: keep what it holds.
    QString fingerprintToRemember;
};

struct ShippedChipPrompt {
    // Asks the question; true for Yes.
    std::function<bool(const QString& question)> askYesNo;
    ChipDbErrorReporter report;
};

// The start-up step. db holds the own copy as the program loaded it from files.databasePath;
// rememberedFingerprint is what the settings file holds. On Yes the missing chips that fit are
// appended to the own copy's list as the file holds it at the answer (another window may have
// saved it while the question waited), the copy is saved atomically and db takes the result (a
// failed save leaves table and file as they were).
ShippedChipOfferResult offerShippedChips(ChipDatabase& db, const ProgramFiles& files,
                                         const QString& rememberedFingerprint, const ShippedChipPrompt& prompt);
