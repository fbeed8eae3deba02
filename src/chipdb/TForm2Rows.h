#pragma once

#include "chipdb/ChipRecord.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The chip editor's grid rows and fields, without widgets: how a record becomes a row of cell
// texts, how a row is loaded into the editor fields and encoded back, and how rows are turned
// into records on save.

inline constexpr int ChipGridColumns = 13;
using ChipGridRow = std::array<QString, ChipGridColumns>;

// Header captions (the same in every language) and column widths in pixels.
[[nodiscard]] QStringList chipGridHeaders();
[[nodiscard]] std::array<int, ChipGridColumns> chipGridColumnWidths();

// Items of the size lists: FLASH 64B..64MB, EEPROM 0B, 2B..64MB, pages 1..256.
[[nodiscard]] QStringList flashSizeItems();
[[nodiscard]] QStringList eepromSizeItems();
[[nodiscard]] QStringList pageSizeItems();
[[nodiscard]] QStringList voltageItems();

// A cell's integer: optional leading blanks, an optional sign, then decimal digits within the
// signed 32-bit range, or up to 8 significant hexadecimal digits after "0x", "0X", "x", "X" or
// "$" (wrapping into the signed range). Nothing may follow; an empty text is no number.
[[nodiscard]] std::optional<qint32> parseCellInteger(const QString& text);
[[nodiscard]] QString notAnIntegerMessage(const QString& text);

// How often v can be halved while it is above 1: L(64) = 6, L(4096) = 12, L(1) = L(0) = 0.
[[nodiscard]] int halvings(qint64 v);

// The editor's fields: texts as typed, and the chosen position of each list (-1: none).
struct ChipEditorFields {
    QString type;          // ComboBox1
    QString manufacturer;  // ComboBox2
    QString model;         // ComboBox3
    QString chipId;        // ComboBox9, passed to the grid as typed
    QString delay;         // Edit1
    QString link;          // ComboBox12
    int family = -1;       // ComboBox4
    int flashSize = -1;    // ComboBox5
    int flashPage = -1;    // ComboBox6
    int voltage = -1;      // ComboBox7
    int subType = -1;      // ComboBox8, a position in the family's sub-type list
    int eepromSize = -1;   // ComboBox10
    int eepromPage = -1;   // ComboBox11

    [[nodiscard]] bool allListsChosen() const;
    friend bool operator==(const ChipEditorFields&, const ChipEditorFields&) = default;
};

[[nodiscard]] ChipGridRow rowFromRecord(const ChipRecord& record);

// The row the fields describe; every list must have a position (allListsChosen()).
[[nodiscard]] ChipGridRow encodeRow(const ChipEditorFields& fields);

// Loading a row into the fields. A position that falls outside its list becomes -1; the
// sub-type of families 1, 3 and 4 is proposed from the capacity, not read from the row.
struct RowDecodeResult {
    std::optional<ChipEditorFields> fields;
    QString badText;  // the first cell text that is not an integer, when fields is empty
    int badColumn = -1;  // and its column
};
[[nodiscard]] RowDecodeResult decodeRow(const ChipGridRow& row);

// The first numeric cell of a row whose integer its field cannot store (a negative number, or
// one beyond the field's 8 or 16 bits, which would keep only its low bits and so another value
// than typed): the message naming it, at gridRow (from 1), and its column. Cells that are no
// integer are not looked at here.
struct CellProblem {
    QString message;
    int column = -1;
};
[[nodiscard]] std::optional<CellProblem> valueBeyondItsField(const ChipGridRow& row, int gridRow);

// All rows as records, checked before anything is stored: every numeric cell must be an
// integer its field stores (valueBeyondItsField), neither the type nor the manufacturer may hold a "," (which separates the parts), and
// the packed name must fit the record (47 bytes of GBK, every character one GBK holds), and the
// window's chip lists must be able to choose every chip (no name they cannot tell apart from an
// earlier one).
struct RowsToRecordsResult {
    std::vector<ChipRecord> records;
    QString error;  // empty on success
    // The cell the error is about (row from 0), so the editor can show it: a name's row at
    // its model cell, a cell that is no integer itself.
    int badRow = -1;
    int badColumn = -1;
};
[[nodiscard]] RowsToRecordsResult recordsFromRows(const std::vector<ChipGridRow>& rows);

// The chip table has one slot fewer than this for chips: the terminator needs the last one.
inline constexpr int MaxEditorChips = 999;
