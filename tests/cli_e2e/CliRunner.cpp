#include "CliRunner.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

CliRunner::CliRunner()
{
    setChip(QStringLiteral("25flash"), QStringLiteral("64K"), 0xEF3010);
}

void CliRunner::setChip(const QString& family, const QString& size, quint32 chipId, const QString& extra)
{
    QFile::remove(path(QStringLiteral("chip.img")));
    QString config = QStringLiteral("trace_file = %1\n[device]\nchip = %2\nchip_size = %3\nchip_content = blank\n"
                                    "chip_image = %4\n")
                         .arg(path(QStringLiteral("trace.txt")), family, size, path(QStringLiteral("chip.img")));
    if (chipId != 0)
        config += QStringLiteral("chip_id = 0x%1\n").arg(chipId, 0, 16);
    config += extra;
    put(QStringLiteral("sim.conf"), config.toUtf8());
}

QProcessEnvironment CliRunner::environment() const
{
    // English messages, whatever locale the tests run in, unless a test names a language.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("LANG"), m_locale);
    environment.insert(QStringLiteral("ZORVEX_SIM_CONFIG"), path(QStringLiteral("sim.conf")));
    // Files the commands keep in the temporary folder (a read image whose save failed) go with
    // the test's own folder.
    environment.insert(QStringLiteral("TMPDIR"), m_dir.path());
    return environment;
}

CliResult CliRunner::run(const QStringList& arguments, const QString& inputFile, const QString& outputFile) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(m_workingFolder.isEmpty() ? m_dir.path() : m_workingFolder);
    process.setStandardInputFile(inputFile.isEmpty() ? QProcess::nullDevice() : inputFile);
    process.setChildProcessModifier([limit = static_cast<rlim_t>(m_fileSizeLimit), readerGone = m_outputReaderGone] {
        if (limit > 0) {
            const rlimit fileSize{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &fileSize);
        }
        int ends[2];
        if (readerGone && ::pipe(ends) == 0) {
            ::close(ends[0]);
            ::dup2(ends[1], STDOUT_FILENO);
        }
    });
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(ZORVEX_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(u' ').toStdString();
    expectNoProtocolViolation();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void CliRunner::expectNoProtocolViolation() const
{
    const QStringList violations =
        trace().split(u'\n').filter(QRegularExpression(QStringLiteral("^violation ")));
    EXPECT_TRUE(violations.isEmpty()) << violations.join(u'\n').toStdString();
}

CliResult CliRunner::runOnTerminal(const QStringList& arguments, const QByteArray& typed) const
{
    QStringList quoted{QStringLiteral(ZORVEX_CLI)};
    for (const QString& argument : arguments)
        quoted << QStringLiteral("'%1'").arg(argument);
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(m_dir.path());
    // script gives the command a pseudo terminal and passes our input on to it.
    process.start(QStringLiteral("script"), {QStringLiteral("-qec"), quoted.join(u' '), QStringLiteral("/dev/null")});
    process.write(typed);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(120000));
    expectNoProtocolViolation();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString CliRunner::put(const QString& name, const QByteArray& content) const
{
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return file.fileName();
}

QByteArray CliRunner::contentOf(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString CliRunner::makeDatabase(const QString& name, const QStringList& rows) const
{
    QString text = QStringLiteral(
        "type manufacturer model chipId flashSize flashPage family subType delay xmlLink eepromSize eepromPage voltage\n");
    for (const QString& row : rows)
        text += row + QStringLiteral(" 0 100 0 0 0 0\n");
    const QString source = put(name + QStringLiteral(".txt"), text.toUtf8());
    QProcess tool;
    tool.start(QStringLiteral(ZORVEX_CHIPDB_TOOL), {QStringLiteral("to-dat"), source, path(name)});
    EXPECT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return path(name);
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}
