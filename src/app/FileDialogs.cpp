#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace {

QQueue<QString>& queuedNames()
{
    static QQueue<QString> queue;
    return queue;
}

QStringList& offeredFilters(FileDialogs::Kind kind)
{
    static QStringList open;
    static QStringList save;
    return kind == FileDialogs::Kind::Open ? open : save;
}

}  // namespace

void FileDialogs::setNextFileName(const QString& name)
{
    queuedNames().enqueue(name);
}

int FileDialogs::pendingFileNames()
{
    return static_cast<int>(queuedNames().size());
}

void FileDialogs::reset()
{
    queuedNames().clear();
    offeredFilters(Kind::Open).clear();
    offeredFilters(Kind::Save).clear();
}

QStringList FileDialogs::lastNameFilters(Kind kind)
{
    return offeredFilters(kind);
}

QStringList FileDialogs::nameFilters(const QString& filter)
{
    // Each description names its patterns in parentheses, which is what the dialog reads; the
    // pattern half of each pair is therefore not needed.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    return filters;
}

QString FileDialogs::withDefaultExtension(const QString& name, const QString& extension)
{
    if (name.isEmpty() || extension.isEmpty() || !QFileInfo(name).suffix().isEmpty()
        || QFileInfo(name).fileName().endsWith(QLatin1Char('.')))
        return name;
    return name + QLatin1Char('.') + extension;
}

QString FileDialogs::openFileName(QWidget* parent, const QString& filter, int filterIndex)
{
    const QStringList filters = nameFilters(filter);
    offeredFilters(Kind::Open) = filters;
    if (!queuedNames().isEmpty())
        return queuedNames().dequeue();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QString FileDialogs::saveFileName(QWidget* parent, const QString& filter, const QString& defaultExtension)
{
    offeredFilters(Kind::Save) = nameFilters(filter);
    if (!queuedNames().isEmpty())
        return withDefaultExtension(queuedNames().dequeue(), defaultExtension);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(offeredFilters(Kind::Save));
    dialog.setDefaultSuffix(defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return withDefaultExtension(dialog.selectedFiles().front(), defaultExtension);
}
