#include "SettingsFile.h"

#include "buffer/AtomicSave.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include <unistd.h>

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

// When the settings could not even be rendered, a probe file of their size beside the real one
// tells whether there is room for them. The probe is never committed: the file stays as it is.
QString whyNotWritable(const QString& path, qint64 size)
{
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return probe.errorString();
    // Straight to the system, whose error number names the reason, not Qt's wording of it.
    const QByteArray block(size, ' ');
    int error = EIO;  // all of it fits: the system has no more to say than that the write failed
    for (qint64 done = 0; done < size;) {
        const ssize_t written = ::write(probe.handle(), block.constData() + done, static_cast<size_t>(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            error = errno;
            break;
        }
        done += written;
    }
    probe.cancelWriting();
    return QString::fromLocal8Bit(std::strerror(error));
}

// Puts the bytes into a new file; the system's reason when they did not all arrive.
QString copyInto(const QByteArray& bytes, const QString& path)
{
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return copy.errorString();
    if (copy.write(bytes) != bytes.size())
        return copy.errorString();
    return QString();
}

}  // namespace

SettingsFile::SettingsFile(const QString& path)
    : m_path(path)
{
    // QSettings writes its file on its own whenever it likes (at the latest when destroyed), and
    // its write buffer can let a cut-short file pass for a written one. So it works on a private
    // copy, and sync() saves that copy to the real file when it is whole.
    const QString copy = m_scratch.filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    if (file.exists() && !file.open(QIODevice::ReadOnly))
        m_readFailure = file.errorString();
    else if (file.isOpen())
        m_readFailure = copyInto(file.readAll(), copy);
    // A file that could not be read reads as empty, and sync() does not write over it.
    m_ini = std::make_unique<QSettings>(copy, QSettings::IniFormat);
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
    m_failureReason = m_readFailure;
    if (!m_failureReason.isEmpty())
        return false;
    // The values are rendered into the private copy, read back whole, and only then saved.
    m_ini->sync();
    QFile rendered(m_ini->fileName());
    const QByteArray bytes = rendered.open(QIODevice::ReadOnly) ? rendered.readAll() : QByteArray();
    if (m_ini->status() != QSettings::NoError || !renderedCompletely(bytes)) {
        m_failureReason = whyNotWritable(m_path, contentSize());
        return false;
    }
    const FileSaveResult saved = saveFile(m_path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    m_failureReason = saved.reason;
    return saved.status == FileSaveStatus::Saved;
}

qint64 SettingsFile::contentSize() const
{
    qint64 size = 0;
    for (const QString& key : m_ini->allKeys())
        size += key.toUtf8().size() + m_ini->value(key).toString().toUtf8().size() + 2;  // "=", newline
    return size;
}

bool SettingsFile::renderedCompletely(const QByteArray& bytes)
{
    // Qt keeps what it read of a file for the next reader of that name: a fresh name each time.
    const QString path = m_scratch.filePath(QStringLiteral("check%1.ini").arg(++m_checks));
    bool whole = copyInto(bytes, path).isEmpty();
    if (whole) {
        const QSettings written(path, QSettings::IniFormat);
        const QStringList keys = m_ini->allKeys();
        whole = written.status() == QSettings::NoError && written.allKeys() == keys
            && std::ranges::all_of(keys, [&](const QString& key) {
                   return written.value(key).toString() == m_ini->value(key).toString();
               });
    }
    QFile::remove(path);
    return whole;
}
