#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QQueue>

#include <algorithm>
#include <functional>

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

// "Binary (*.bin)|*.bin|..." as the dialog's list of name filters. Each description names its
// patterns in parentheses, which is what the dialog reads; the pattern half of each pair is
// therefore not needed.
QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    return filters;
}

// name with "." + extension appended when its file name has no extension.
QString withDefaultExtension(const QString& name, const QString& extension)
{
    if (name.isEmpty() || extension.isEmpty() || !QFileInfo(name).suffix().isEmpty()
        || QFileInfo(name).fileName().endsWith(QLatin1Char('.')))
        return name;
    return name + QLatin1Char('.') + extension;
}

// The dialog takes a filter's patterns from its parentheses, and "*.*" there needs a dot in the
// name: a dump called flash_dump would not be listed under "All files (*.*)". The label stays;
// while such a filter is chosen, the file list matches every name.
// The dialog is Qt's own, the same on every desktop, so the file list can be reached.
void matchEveryFileUnderStarDotStar(QFileDialog& dialog)
{
    const auto apply = [&dialog](const QString& filter) {
        if (!filter.endsWith(QLatin1String("(*.*)")))
            return;
        if (auto* model = dialog.findChild<QFileSystemModel*>())
            model->setNameFilters({QStringLiteral("*")});
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, apply);
    apply(dialog.selectedNameFilter());
}

// A path pasted into the name field brings the line end or tab it was copied with, which the
// field keeps unseen: "dump.bin\r" would be saved beside the dump.bin the person sees, and an
// open would find no such file. No key types a control character, so the field drops them.
void dropPastedControlCharacters(QFileDialog& dialog)
{
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name)
        return;
    QObject::connect(name, &QLineEdit::textEdited, name, [name](const QString& text) {
        QString kept = text;
        kept.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        if (kept.size() == text.size())
            return;
        const int removedBefore = name->cursorPosition() - static_cast<int>(text.size() - kept.size());
        name->setText(kept);
        name->setCursorPosition(std::max(0, removedBefore));
    });
}

// Qt's own dialog, set up by setUp (open or save), then given the filters, the folder and the
// rules above; the chosen file, or an empty name when the person cancelled.
QString chosenFile(QWidget* parent, const QStringList& filters, int filterIndex, const QString& folder,
                   const std::function<void(QFileDialog&)>& setUp)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    setUp(dialog);
    dialog.setNameFilters(filters);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    matchEveryFileUnderStarDotStar(dialog);
    dropPastedControlCharacters(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
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

QString FileDialogs::openFileName(QWidget* parent, const QString& filter, int filterIndex, const QString& folder)
{
    offeredFilters(Kind::Open) = nameFilters(filter);
    if (!queuedNames().isEmpty())
        return queuedNames().dequeue();
    return chosenFile(parent, offeredFilters(Kind::Open), filterIndex, folder, [](QFileDialog& dialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    });
}

QString FileDialogs::saveFileName(QWidget* parent, const QString& filter, const QString& defaultExtension,
                                  const QString& folder)
{
    offeredFilters(Kind::Save) = nameFilters(filter);
    if (!queuedNames().isEmpty())
        return withDefaultExtension(queuedNames().dequeue(), defaultExtension);
    const QString chosen = chosenFile(parent, offeredFilters(Kind::Save), 0, folder, [&](QFileDialog& dialog) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultExtension);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    });
    return withDefaultExtension(chosen, defaultExtension);
}
