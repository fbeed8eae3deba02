#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The text of an INI file as a person keeps it, edited one value at a time: every byte not
// changed on purpose stays as it was (comments, blank lines, other programs' sections, lines in
// any encoding, line ends, a byte order mark, lines that are no INI at all).
//
// A line is a section header ("[name]", anything after the "]" ignored), a comment (";" or "#"
// first), or an entry "key=value", split at the first "="; names are trimmed and match without
// regard to letter case, values are trimmed and otherwise literal (a backslash or ";" is part of
// the value). Any other line is left alone and read as nothing. When a name is in the file more
// than once, in one section or in two sections of the same name, the first one in the file
// counts, for reading and for changing.
class IniText {
public:
    explicit IniText(const QByteArray& bytes = {});

    [[nodiscard]] std::optional<QString> value(const QString& section, const QString& key) const;
    // Changes the value of the entry that counts, or adds the entry at the end of the section
    // that counts, or the section at the end of the file. A line break in value becomes a space.
    void setValue(const QString& section, const QString& key, const QString& value);

    [[nodiscard]] QByteArray bytes() const;

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        QByteArray text;  // without its line end
        QByteArray end;   // "\n", "\r\n", or empty on a last line without one
        Kind kind = Kind::Other;
        QString name;     // section or key, trimmed
        qsizetype valueFrom = 0;  // the trimmed value's bytes in text
        qsizetype valueTo = 0;
    };

    static void parse(Line& line);
    // The entry that counts, or npos.
    [[nodiscard]] std::size_t findEntry(const QString& section, const QString& key) const;
    [[nodiscard]] std::size_t findSection(const QString& section) const;
    void insertLine(std::size_t at, const QByteArray& text);

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    QByteArray m_bom;
    std::vector<Line> m_lines;
    QByteArray m_newLine = "\n";  // for lines added: the file's own line end
};
