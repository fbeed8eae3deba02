#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class HexEditor;
struct ParsedFindPattern;

// What the find dialog looks for, in the form the hex view's own search takes.
struct FindPattern {
    QByteArray bytes;         // hex: the bytes, ?? as `wildcard`; text: its characters as bytes
    bool isText = false;
    bool ignoreCase = false;  // text only
    int wildcard = -1;        // byte value that stands for ??; -1 when the pattern has none
    QString typed;            // as the person typed it, for the messages

    // Hex bytes, two digits each or ?? for any byte; blanks and commas separate, and a byte
    // may carry a 0x prefix: "DE AD ?? EF", "DEAD??EF", "0xDE,0xAD".
    [[nodiscard]] static ParsedFindPattern fromHex(const QString& text);
    // Text as the character column shows it: Latin-1 characters only; control characters at
    // its ends (the line end a pasted text brings) are left out.
    [[nodiscard]] static ParsedFindPattern fromText(const QString& field, bool ignoreCase);

    // Position of the first match starting at from or later, or -1.
    [[nodiscard]] qint64 findIn(HexEditor& view, qint64 from) const;
};

// A pattern, or the message (current language) that says what is wrong with the input.
struct ParsedFindPattern {
    std::optional<FindPattern> pattern;
    QString error;
};
