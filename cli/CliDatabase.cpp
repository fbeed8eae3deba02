#include "CliDatabase.h"

#include "CliCommand.h"

#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipDatabaseFile.h"
#include "chipdb/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>

bool loadCliDatabase(ChipDatabase& database, const QString& databasePath, bool requireChips)
{
    QString path = databasePath;
    if (path.isEmpty()) {
        // The window program beside this tool.
        const QString window = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zorvex"));
        path = ProgramFiles::locate(window).databaseToRead();
    }
    const QString shownPath = QDir::toNativeSeparators(path);
    QString message;
    switch (LoadChipDatabase(database, path, [&message](const QString& text) { message = text; })) {
    case ChipDbLoadStatus::Loaded:
        break;
    case ChipDbLoadStatus::Missing:
        printError(ExtraMessages::text(ExtraText::CliNoDatabase).arg(shownPath));
        return false;
    case ChipDbLoadStatus::WrongSize:
        // One line on the terminal: the message names the file on a line of its own.
        printError(message.replace(u'\n', u' '));
        return false;
    case ChipDbLoadStatus::Unreadable:
        printError(message);
        return false;
    }
    if (requireChips && database.count() == 0) {
        printError(ExtraMessages::text(ExtraText::CliDatabaseEmpty).arg(shownPath));
        return false;
    }
    return true;
}
