#include "chipdb/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString userFile(QStandardPaths::StandardLocation location, const QString& name, const QString& fileName)
{
    return QDir(QStandardPaths::writableLocation(location)).filePath(name + QLatin1Char('/') + fileName);
}

}  // namespace

QString chipDatabasePath(const QString& executablePath)
{
    const QString suffix = QFileInfo(executablePath).suffix();
    const QString stem =
        suffix.isEmpty() ? executablePath : executablePath.left(executablePath.size() - suffix.size() - 1);
    return stem + QStringLiteral(".Dat");
}

ProgramFiles ProgramFiles::locate(const QString& executablePath)
{
    const QFileInfo executable(executablePath);
    const QDir folder = executable.absoluteDir();
    const QString name = executable.completeBaseName();
    const QString besideDatabase = chipDatabasePath(executable.absoluteFilePath());
    const QString installedDatabase = QDir::cleanPath(
        folder.filePath(QStringLiteral("%1/%2/").arg(QLatin1String(InstalledDataDir), name))
        + QFileInfo(besideDatabase).fileName());

    ProgramFiles files;
    files.portable = QFileInfo(folder.absolutePath()).isWritable() && !QFileInfo::exists(installedDatabase);
    if (files.portable) {
        files.settingsPath = folder.filePath(name + QStringLiteral(".ini"));
        files.databasePath = besideDatabase;
        files.shippedDatabasePath = besideDatabase;
        return files;
    }
    files.settingsPath = userFile(QStandardPaths::GenericConfigLocation, name, name + QStringLiteral(".ini"));
    files.databasePath =
        userFile(QStandardPaths::GenericDataLocation, name, QFileInfo(besideDatabase).fileName());
    // A read-only portable folder (a mounted medium) ships its database beside the program.
    files.shippedDatabasePath = QFileInfo::exists(installedDatabase) ? installedDatabase : besideDatabase;
    return files;
}

QString ProgramFiles::databaseToRead() const
{
    if (!QFileInfo::exists(databasePath) && QFileInfo::exists(shippedDatabasePath))
        return shippedDatabasePath;
    return databasePath;
}
