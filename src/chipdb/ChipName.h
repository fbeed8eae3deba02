#pragma once

#include <QString>
#include <QStringList>

// A chip name "type,manufacturer,model" and the two ways it is taken apart.

// The list rule used by the chip lists, the search dialog and detection: parts end at "," or at
// any character with code 32 or below; blanks around parts are skipped; a part may be quoted
// ("..." with "" standing for one quote); a final "," adds one empty part. Part 0 is the type,
// 1 the manufacturer, 2 the model; further parts are extra. The text ends at a NUL character.
[[nodiscard]] QStringList SplitChipName(const QString& name);

// The three texts of a name, as the editor shows them.
struct ChipNameParts {
    QString type;
    QString manufacturer;
    QString model;
    friend bool operator==(const ChipNameParts&, const ChipNameParts&) = default;
};

// The editor rule: split at the first two "," only, nothing trimmed. Where a "," is missing the
// part before it is empty and the part after it is the whole remainder, so "A" gives ("", "",
// "A") and "A,B" gives ("A", "", "B").
[[nodiscard]] ChipNameParts splitChipNameForEditor(const QString& name);

// Removes leading and trailing characters with codes 32 or below.
[[nodiscard]] QString trimChipText(const QString& text);

// The list rule's first three parts, each trimmed; missing parts are empty.
[[nodiscard]] ChipNameParts chipNamePartsForLists(const QString& name);

// The stored form: the three texts trimmed and joined by ",".
[[nodiscard]] QString joinChipName(const QString& type, const QString& manufacturer,
                                   const QString& model);
