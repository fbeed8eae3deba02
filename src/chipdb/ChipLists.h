#pragma once

#include <QStringList>

#include <array>

class ChipDatabase;

// The three chip lists a person chooses the current chip from (type, manufacturer, model), and
// the one pass over the database that fills them and picks a chip. The window shows them in its
// drop-down lists; detection and the command-line tool choose through the same pass, so a chip
// is found at the same positions everywhere.
//
// The rules of the pass, for every record in database order: the record's type is added to the
// type list when no item matches it, letter case ignored (that list only grows); only records
// whose type equals the item at the chosen type position, exactly, go on; their manufacturer is
// added likewise when it is not empty; only those of the chosen manufacturer go on; their model
// is added when it is not empty and not listed yet, and the model added at the chosen model
// position is the chosen chip. The lists grow during the pass: a position that holds no item
// yet reads as an empty text, which no record's part equals unless that part is empty.
class ChipLists {
public:
    enum List { Type = 0, Manufacturer = 1, Model = 2 };

    explicit ChipLists(const ChipDatabase& database) : m_database(database) {}

    // Refills the manufacturer and model lists for these positions and returns the slot of the
    // chip chosen; -1 when none was, the lists filled all the same.
    int select(int type, int manufacturer, int model);

    [[nodiscard]] const QStringList& items(List list) const { return m_items[list]; }
    // The position of the item equal to text, letter case ignored; -1 when there is none.
    [[nodiscard]] int find(List list, const QString& text) const;

private:
    const ChipDatabase& m_database;
    std::array<QStringList, 3> m_items;
};
