#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the built zorvex-cli as a script does (stdin closed, output captured), against a
// simulated programmer whose chip lives in an image file of the test's own folder.
struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

class CliRunner {
public:
    CliRunner();

    // A programmer with this chip in its socket from now on; the image file starts erased.
    // A chip_id of 0 leaves the simulator's own choice for the family.
    void setChip(const QString& family, const QString& size, quint32 chipId = 0, const QString& extra = {});

    // Standard input and output may come from and go to files (stdout then is not captured).
    [[nodiscard]] CliResult run(const QStringList& arguments, const QString& inputFile = {},
                                const QString& outputFile = {}) const;
    // The same on a pseudo terminal, input typed; both output streams arrive together.
    [[nodiscard]] CliResult runOnTerminal(const QStringList& arguments, const QByteArray& typed) const;

    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }
    // The LANG the commands run under; C.UTF-8 (English) unless set.
    void setLocale(const QString& locale) { m_locale = locale; }
    // The largest file the commands may write (the shell's ulimit -f); 0 for no limit.
    void setFileSizeLimit(qint64 bytes) { m_fileSizeLimit = bytes; }
    // The folder the commands run in; the test's own folder unless set.
    void setWorkingFolder(const QString& folder) { m_workingFolder = folder; }
    // Standard output a pipe whose reader is gone (a `| head` that has had its lines).
    void setOutputReaderGone(bool gone) { m_outputReaderGone = gone; }
    QString put(const QString& name, const QByteArray& content) const;
    [[nodiscard]] QByteArray contentOf(const QString& name) const;
    [[nodiscard]] QByteArray chipImage() const { return contentOf(QStringLiteral("chip.img")); }
    [[nodiscard]] QString trace() const { return QString::fromUtf8(contentOf(QStringLiteral("trace.txt"))); }
    // A chip database file made from text rows "type manufacturer model chipId size page family".
    [[nodiscard]] QString makeDatabase(const QString& name, const QStringList& rows) const;

private:
    // The simulator traces the program's protocol mistakes; any of them fails the test.
    void expectNoProtocolViolation() const;
    QString m_locale = QStringLiteral("C.UTF-8");
    qint64 m_fileSizeLimit = 0;
    bool m_outputReaderGone = false;
    QString m_workingFolder;
    [[nodiscard]] QProcessEnvironment environment() const;

    QTemporaryDir m_dir;
};

// Bytes that no erased or patterned chip holds by chance.
[[nodiscard]] QByteArray randomBytes(qsizetype size, quint32 seed);
