#include "ChecksumCommand.h"

#include "ChipChoice.h"
#include "CliCommand.h"
#include "CliDatabase.h"
#include "InputImage.h"
#include "ProgrammedImage.h"
#include "TerminalFeedback.h"

#include "text/MessageCatalog.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/ImageBuffer.h"
#include "buffer/ImageChecksum.h"
#include "chipdb/ChipDatabase.h"
#include "chipdb/ChipRecord.h"

#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

QString synopsis()
{
    return QStringLiteral("IN [--from %1] [--chip MODEL [--maker MAKER]] [--db FILE]").arg(imageFormatNames(u"|"));
}

int usageError(const QString& message)
{
    std::fprintf(stderr, "zorvex-cli checksum: %s\nUsage: zorvex-cli checksum %s\n", qPrintable(message),
                 qPrintable(synopsis()));
    return ExitUsage;
}

}  // namespace

QString checksumHelp()
{
    return QStringLiteral(
               "Usage: zorvex-cli checksum %1\n\n"
               "Prints \"CRC32 XXXXXXXX  SHA-256 <64 hex digits>  N bytes\" for IN as it would be programmed:\n"
               "decoded (.hex Intel HEX; %2 S-record; .eep by content;\n"
               ".cap capsule; else binary; unless --from says). With --chip, two labelled lines: the whole chip\n"
               "(IN cut or padded with 0xFF to the chip's size), the sum a later read gives; and the programmed\n"
               "image (IN rounded up to whole pages), the sum the PASS, auto and write lines show. The CRC32 is\n"
               "the common IEEE one.\n\n"
               "Options:\n"
               "  --from FORMAT         read IN as %3 whatever its name\n"
               "  --chip MODEL          cut or pad to this chip's size\n"
               "  --maker MAKER         the manufacturer, where makers share a model name\n"
               "  --db FILE             chip database file (default: the window program's database)\n"
               "  --help                this text\n")
        .arg(synopsis(), imageFormatExtensions(BufferFileFormat::SRecord, u"", u", "), imageFormatNames(u", ", u" or "));
}

int runChecksum(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption fromOption(QStringLiteral("from"), QString(), QStringLiteral("format"));
    const QCommandLineOption chipOption(QStringLiteral("chip"), QString(), QStringLiteral("model"));
    const QCommandLineOption makerOption(QStringLiteral("maker"), QString(), QStringLiteral("maker"));
    const QCommandLineOption dbOption(QStringLiteral("db"), QString(), QStringLiteral("file"));
    parser.addOptions({fromOption, chipOption, makerOption, dbOption});
    if (!parser.parse(QStringList{QStringLiteral("checksum")} + arguments))
        return usageError(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(files.isEmpty() ? ExtraMessages::text(ExtraText::CliOperandMissing).arg(QStringLiteral("IN"))
                                          : ExtraMessages::text(ExtraText::CliUnexpectedArgument).arg(files[1]));
    std::optional<BufferFileFormat> format;
    QString error;
    if (parser.isSet(fromOption) && !(format = parseImageFormat(parser.value(fromOption), error)))
        return usageError(error);
    if (parser.isSet(makerOption) && !parser.isSet(chipOption))
        return usageError(ExtraMessages::text(ExtraText::CliMakerWithChip));

    qint64 chipSize = -1;
    std::optional<ChipRecord> chip;
    if (parser.isSet(chipOption)) {
        const auto database = std::make_unique<ChipDatabase>();
        if (!loadCliDatabase(*database, parser.value(dbOption), true))
            return ExitUsage;
        const ChipChoice choice = ChipChoice::find(*database, parser.value(chipOption), parser.value(makerOption));
        if (choice.slot < 0) {
            std::fprintf(stderr, "zorvex-cli: %s\n", qPrintable(choice.error));
            return ExitUsage;
        }
        chip = (*database)[choice.slot];
        chipSize = chip->flashSize;
        if (chipSize <= 0 || chipSize > static_cast<qint64>(ImageBuffer::kSize)) {
            std::fprintf(stderr, "zorvex-cli: %s\n",
                         qPrintable(ExtraMessages::text(ExtraText::CliChipTooBigForImage).arg(chipSize)));
            return ExitUsage;
        }
    }

    TerminalFeedback feedback(false);
    ImageBuffer image;
    const qint32 length = loadInputImage(files[0], format, image.bytes(), feedback);
    if (feedback.errorCount() > 0)
        return ExitUsage;
    if (length <= 0 && chipSize < 0) {
        feedback.showError(MessageCatalog::text(MessageKey::BufferEmpty));
        return ExitUsage;
    }
    // The image buffer is 0xFF past the decoded data, which is the padding a chip gets.
    const qint64 size = chipSize >= 0 ? chipSize : length;
    const QString whole = imageChecksums(image.bytes().first(static_cast<std::size_t>(size))).line();
    if (!chip) {
        std::printf("%s\n", qPrintable(whole));
        return ExitSuccess;
    }
    // The sum a later read gives, and the one the programming commands print: they differ for an
    // image shorter than the chip.
    std::printf("%s: the whole chip, as a later read gives it (when it was erased first)\n", qPrintable(whole));
    if (length > 0) {
        std::printf("%s: the programmed image, as PASS, auto and write show it\n",
                    qPrintable(imageChecksums(programmedImage(image.bytes(), length, *chip)).line()));
    }
    return ExitSuccess;
}
