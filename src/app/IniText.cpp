#include "IniText.h"

namespace {

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniText::IniText(const QByteArray& bytes)
{
    const qsizetype start = bytes.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    m_bom = bytes.left(start);
    for (qsizetype from = start; from < bytes.size();) {
        const qsizetype newLine = bytes.indexOf('\n', from);
        const qsizetype to = newLine < 0 ? bytes.size() : newLine;
        Line line;
        line.text = bytes.mid(from, to - from);
        if (newLine >= 0) {
            const bool crlf = line.text.endsWith('\r');
            line.text.chop(crlf ? 1 : 0);
            line.end = crlf ? "\r\n" : "\n";
        }
        from = to + 1;
        parse(line);
        m_lines.push_back(std::move(line));
    }
    if (!m_lines.empty() && !m_lines.front().end.isEmpty())
        m_newLine = m_lines.front().end;
}

void IniText::parse(Line& line)
{
    line.kind = Kind::Other;
    line.name.clear();
    const QByteArray trimmed = line.text.trimmed();
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = QString::fromUtf8(trimmed.mid(1, close - 1).trimmed());
        }
        return;
    }
    if (trimmed.startsWith(';') || trimmed.startsWith('#'))
        return;
    const qsizetype equals = line.text.indexOf('=');
    if (equals < 0)
        return;
    const QByteArray key = line.text.left(equals).trimmed();
    if (key.isEmpty())
        return;
    line.kind = Kind::Entry;
    line.name = QString::fromUtf8(key);
    // Only blanks come before the trimmed value's first match; an all-blank value is empty at the end.
    const QByteArray rest = line.text.mid(equals + 1);
    const QByteArray value = rest.trimmed();
    line.valueFrom = equals + 1 + (value.isEmpty() ? rest.size() : rest.indexOf(value));
    line.valueTo = line.valueFrom + value.size();
}

std::size_t IniText::findEntry(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section)
            inSection = sameName(line.name, section);
        else if (inSection && line.kind == Kind::Entry && sameName(line.name, key))
            return i;
    }
    return npos;
}

std::size_t IniText::findSection(const QString& section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && sameName(m_lines[i].name, section))
            return i;
    }
    return npos;
}

std::optional<QString> IniText::value(const QString& section, const QString& key) const
{
    const std::size_t at = findEntry(section, key);
    if (at == npos)
        return std::nullopt;
    const Line& line = m_lines[at];
    return QString::fromUtf8(line.text.mid(line.valueFrom, line.valueTo - line.valueFrom));
}

void IniText::setValue(const QString& section, const QString& key, const QString& value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    if (const std::size_t at = findEntry(section, key); at != npos) {
        Line& line = m_lines[at];
        line.text.replace(line.valueFrom, line.valueTo - line.valueFrom, bytes);
        parse(line);
        return;
    }
    const QByteArray entry = key.toUtf8() + '=' + bytes;
    if (const std::size_t header = findSection(section); header != npos) {
        std::size_t at = header + 1;
        for (std::size_t i = header + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
            if (m_lines[i].kind == Kind::Entry)
                at = i + 1;
        }
        insertLine(at, entry);
        return;
    }
    if (!m_lines.empty() && !m_lines.back().text.trimmed().isEmpty())
        insertLine(m_lines.size(), QByteArray());
    insertLine(m_lines.size(), '[' + section.toUtf8() + ']');
    insertLine(m_lines.size(), entry);
}

void IniText::insertLine(std::size_t at, const QByteArray& text)
{
    // Only the last line can lack its end, and a line after it needs one.
    if (at > 0 && m_lines[at - 1].end.isEmpty())
        m_lines[at - 1].end = m_newLine;
    Line line;
    line.text = text;
    line.end = m_newLine;
    parse(line);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

QByteArray IniText::bytes() const
{
    QByteArray result = m_bom;
    for (const Line& line : m_lines)
        result += line.text + line.end;
    return result;
}
