// Runs the converter the build uses, the way the build and a maintainer run it.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ToolRun runTool(const QStringList& args)
{
    QProcess tool;
    tool.start(QStringLiteral(ZORVEX_CHIPDB_TOOL), args);
    ToolRun run;
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = tool.exitCode();
    run.out = tool.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(tool.readAllStandardError());
    return run;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped text with its comment and blank lines left out: what to-text must give back.
QByteArray withoutComments(const QByteArray& text)
{
    QByteArray out;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('#'))
            out += line + '\n';
    }
    return out;
}

TEST(ChipDbTool, ShippedTextRoundTripsExactly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString source = QStringLiteral(ZORVEX_CHIP_DATABASE_SOURCE);
    const QString dat = dir.filePath(QStringLiteral("first.Dat"));
    const QString text = dir.filePath(QStringLiteral("back.txt"));
    const QString again = dir.filePath(QStringLiteral("again.Dat"));

    ASSERT_EQ(runTool({QStringLiteral("to-dat"), source, dat}).exitCode, 0);
    EXPECT_EQ(readFile(dat), readFile(QStringLiteral(ZORVEX_CHIP_DATABASE_FILE)));
    ASSERT_EQ(runTool({QStringLiteral("to-text"), dat, text}).exitCode, 0);
    // The shipped text is kept in the canonical layout, so only its comments are lost.
    EXPECT_EQ(readFile(text), withoutComments(readFile(source)));
    ASSERT_EQ(runTool({QStringLiteral("to-dat"), text, again}).exitCode, 0);
    EXPECT_EQ(readFile(again), readFile(dat));

    const ToolRun toStdout = runTool({QStringLiteral("to-text"), dat});
    EXPECT_EQ(toStdout.exitCode, 0);
    EXPECT_EQ(toStdout.out, readFile(text));
}

TEST(ChipDbTool, BadInputFailsWithTheFileNamedAndLeavesTheOutputAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    const QString dat = dir.filePath(QStringLiteral("out.Dat"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("type manufacturer model chipId flashSize flashPage family subType delay xmlLink "
               "eepromSize eepromPage voltage\nSPI_FLASH W W25Q80 0xEF4014 1048576 256 0 0\n");
    file.close();
    QFile existing(dat);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();

    const ToolRun run = runTool({QStringLiteral("to-dat"), bad, dat});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(bad + QStringLiteral(":2: expected 13 columns, found 8")))
        << run.err.toStdString();
    EXPECT_EQ(readFile(dat), QByteArray("old"));

    // Records the programs refuse to work with: a capacity no chip has, a family no routine knows.
    const struct {
        const char* row;
        const char* names;
    } refused[] = {
        {"SPI_FLASH W W25Q80 0xEF4014 0 256 0 0 0 0 0 0 0", "flashSize 0 is no power of two from 64"},
        {"SPI_FLASH W W25Q80 0xEF4014 1000000 256 0 0 0 0 0 0 0", "flashSize 1000000"},
        {"SPI_FLASH W W25Q80 0xEF4014 32 16 0 0 0 0 0 0 0", "flashSize 32"},
        {"SPI_FLASH W W25Q80 0xEF4014 1048576 256 9 0 0 0 0 0 0", "family 9 is none of 0 to 4"},
    };
    for (const auto& [row, names] : refused) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("type manufacturer model chipId flashSize flashPage family subType delay xmlLink "
                              "eepromSize eepromPage voltage\n") + row + "\n");
        file.close();
        const ToolRun damaged = runTool({QStringLiteral("to-dat"), bad, dat});
        EXPECT_EQ(damaged.exitCode, 1) << row;
        EXPECT_TRUE(damaged.err.contains(bad + QStringLiteral(":2: ") + QString::fromLatin1(names))) << damaged.err.toStdString();
        EXPECT_EQ(readFile(dat), QByteArray("old")) << row;
    }

    // 69 bytes are no whole number of records.
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write(QByteArray(69, 'x'));
    existing.close();
    const ToolRun damaged = runTool({QStringLiteral("to-text"), dat});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains(dat + QStringLiteral(": 69 bytes")))
        << damaged.err.toStdString();

    EXPECT_EQ(runTool({QStringLiteral("to-dat"), bad}).exitCode, 2);
    EXPECT_EQ(runTool({QStringLiteral("convert"), bad, dat}).exitCode, 2);
}

} // namespace
