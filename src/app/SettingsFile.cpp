#include "SettingsFile.h"

#include <QFile>
#include <QSettings>

#include <algorithm>
#include <limits>

namespace {

// Qt's INI reader keeps names as written but forgets where in the file they stood, which
// decides between two spellings of one name. The file's own lines tell.
struct FileOrder {
    QStringList sections;  // section names in the order their headers appear
    QStringList entries;   // "section/key" in the order the keys appear
};

FileOrder scanFileOrder(const QString& path)
{
    FileOrder order;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return order;
    QString section;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            order.sections << section;
        } else if (const qsizetype equals = line.indexOf(u'='); equals > 0 && !line.startsWith(u';')) {
            order.entries << section + u'/' + line.left(equals).trimmed();
        }
    }
    return order;
}

// Names the file does not hold yet (written since it was read) come after all it holds.
void sortByFileOrder(QStringList& names, const QStringList& order)
{
    const auto rank = [&order](const QString& name) {
        const qsizetype at = order.indexOf(name);
        return at < 0 ? std::numeric_limits<qsizetype>::max() : at;
    };
    std::stable_sort(names.begin(), names.end(),
        [&rank](const QString& a, const QString& b) { return rank(a) < rank(b); });
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "section/key" split at its first slash; keys outside any section have no slash and no match.
bool splitName(const QString& name, QStringView& section, QStringView& key)
{
    const qsizetype slash = name.indexOf(u'/');
    if (slash < 0)
        return false;
    section = QStringView(name).left(slash);
    key = QStringView(name).mid(slash + 1);
    return true;
}

}  // namespace

SettingsFile::SettingsFile(const QString& path)
    : m_path(path)
    , m_ini(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
}

SettingsFile::~SettingsFile() = default;

QStringList SettingsFile::spellingsOf(const QString& section, const QString& key) const
{
    QStringList names;
    for (const QString& name : m_ini->allKeys()) {
        QStringView nameSection, nameKey;
        if (splitName(name, nameSection, nameKey) && sameName(nameSection, section) && sameName(nameKey, key))
            names << name;
    }
    sortByFileOrder(names, scanFileOrder(m_path).entries);
    return names;
}

std::optional<QString> SettingsFile::stringValue(const QString& section, const QString& key) const
{
    const QStringList names = spellingsOf(section, key);
    if (names.isEmpty())
        return std::nullopt;
    return m_ini->value(names.front()).toString();
}

std::optional<int> SettingsFile::intValue(const QString& section, const QString& key) const
{
    bool ok = false;
    const int value = stringValue(section, key).value_or(QString()).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString SettingsFile::foldSection(const QString& section)
{
    QStringList spellings;
    const QStringList allNames = m_ini->allKeys();
    for (const QString& name : allNames) {
        QStringView nameSection, nameKey;
        if (splitName(name, nameSection, nameKey) && sameName(nameSection, section)
            && !spellings.contains(nameSection))
            spellings << nameSection.toString();
    }
    if (spellings.isEmpty())
        return section;
    sortByFileOrder(spellings, scanFileOrder(m_path).sections);
    const QString kept = spellings.front();
    for (const QString& name : allNames) {
        QStringView nameSection, nameKey;
        if (!splitName(name, nameSection, nameKey) || nameSection == kept || !sameName(nameSection, section))
            continue;
        // A key the kept section already has keeps its value there: that one comes first.
        const QString key = nameKey.toString();
        if (std::ranges::none_of(spellingsOf(kept, key),
                [&kept](const QString& found) { return found.startsWith(kept + u'/'); }))
            m_ini->setValue(kept + u'/' + key, m_ini->value(name));
        m_ini->remove(name);
    }
    return kept;
}

void SettingsFile::writeInt(const QString& section, const QString& key, int value)
{
    write(section, key, value);
}

void SettingsFile::writeString(const QString& section, const QString& key, const QString& value)
{
    write(section, key, value);
}

void SettingsFile::write(const QString& section, const QString& key, const QVariant& value)
{
    const QString spelledSection = foldSection(section);
    const QStringList names = spellingsOf(spelledSection, key);
    for (qsizetype i = 1; i < names.size(); ++i)
        m_ini->remove(names[i]);
    m_ini->setValue(names.isEmpty() ? spelledSection + u'/' + key : names.front(), value);
}

bool SettingsFile::sync()
{
    m_ini->sync();
    return m_ini->status() == QSettings::NoError;
}
