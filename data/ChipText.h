#pragma once

#include "chipdb/ChipDatabase.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <span>

// The text form of the chip database: one chip a line, the columns of ChipTextFields separated
// by blanks or tabs, a header line naming the columns before the first chip, "#" comment lines
// and blank lines anywhere. Names are UTF-8 in the text and GBK in the binary file.
//
// A column that is empty, holds a blank, a tab or a double quote, or starts with "#" is written
// in double quotes with "" standing for one quote, so any name the database editor can store
// survives a round trip. Numbers are decimal or, with 0x, hexadecimal; chipId is written in hex.

// The column names of the header line, in column order. Columns 3.. are the numeric fields in
// the order of ChipField.
[[nodiscard]] const QStringList& chipTextFields();

// The most chips a database file can hold: slot 999 is needed for the terminator record.
inline constexpr int MaxChipTextRecords = ChipDatabase::SlotCount - 1;

struct ChipTextReadResult {
    int count = 0;  // chips stored into slots 0..count-1
    QString error;  // "file:line: what is wrong"; empty on success
    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Parses the text into slots 0..count-1 of db. fileName only labels the error messages. On
// failure the first error is reported and db may hold the records read before it.
[[nodiscard]] ChipTextReadResult readChipText(QByteArrayView utf8, const QString& fileName,
                                              ChipDatabase& db);

struct ChipTextWriteResult {
    QByteArray text;  // UTF-8, header line first
    QString error;    // names the slot of the first record that has no text form; empty on success
    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// The canonical text of the chips: reading it back gives the same records, and writing those
// again gives the same text. A record has no text form when its name is not valid GBK, holds a
// control character, has fewer than two "," or fills all 48 bytes (a damaged file).
[[nodiscard]] ChipTextWriteResult writeChipText(std::span<const ChipRecord> chips);
