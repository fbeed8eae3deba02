// zorvex-chipdb: converts the chip database between its text form and the binary file the
// program loads.
//
//   zorvex-chipdb to-dat  INPUT.txt OUTPUT.Dat
//   zorvex-chipdb to-text INPUT.Dat [OUTPUT.txt]      (standard output without OUTPUT)
//
// Exit status: 0 done, 1 the conversion failed (the message names the file), 2 wrong usage.

#include "ChipText.h"

#include "chipdb/ChipDatabaseFile.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <memory>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

void printError(const QString& message)
{
    std::fprintf(stderr, "zorvex-chipdb: %s\n", message.toLocal8Bit().constData());
}

int usage()
{
    std::fputs("usage: zorvex-chipdb to-dat INPUT.txt OUTPUT.Dat\n"
               "       zorvex-chipdb to-text INPUT.Dat [OUTPUT.txt]\n",
               stderr);
    return kUsage;
}

bool readWholeFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        printError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

int textToDat(const QString& input, const QString& output)
{
    QByteArray text;
    if (!readWholeFile(input, text))
        return kFailed;
    // 68 KB: kept off the stack.
    const auto db = std::make_unique<ChipDatabase>();
    const ChipTextReadResult read = readChipText(text, input, *db);
    if (!read.ok()) {
        printError(read.error);
        return kFailed;
    }
    const bool written = WriteChipDatabaseFile(*db, read.count, output, printError);
    return written ? 0 : kFailed;
}

int datToText(const QString& input, const QString& output)
{
    QByteArray bytes;
    if (!readWholeFile(input, bytes))
        return kFailed;
    const auto db = std::make_unique<ChipDatabase>();
    if (loadChipDatabaseBytes(*db, bytes) != ChipDbLoadStatus::Loaded) {
        printError(QStringLiteral("%1: %2 bytes are not a whole number of %3-byte records "
                                  "(at most %4)")
                       .arg(input)
                       .arg(bytes.size())
                       .arg(ChipRecord::Size)
                       .arg(ChipDatabase::SlotCount));
        return kFailed;
    }
    const ChipTextWriteResult written = writeChipText(db->chips());
    if (!written.ok()) {
        printError(QStringLiteral("%1: %2").arg(input, written.error));
        return kFailed;
    }
    if (output.isEmpty()) {
        const auto size = static_cast<std::size_t>(written.text.size());
        return std::fwrite(written.text.constData(), 1, size, stdout) == size ? 0 : kFailed;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(written.text) != written.text.size()
        || !file.commit()) {
        printError(QStringLiteral("cannot write %1: %2").arg(output, file.errorString()));
        return kFailed;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return usage();
    const QString command = QString::fromLocal8Bit(argv[1]);
    const auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    if (command == u"to-dat" && argc == 4)
        return textToDat(arg(2), arg(3));
    if (command == u"to-text" && (argc == 3 || argc == 4))
        return datToText(arg(2), arg(3));
    return usage();
}
