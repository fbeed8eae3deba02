#include "ConvertCommand.h"

#include "CliCommand.h"
#include "InputImage.h"
#include "OutputFile.h"
#include "TerminalFeedback.h"

#include "text/MessageCatalog.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/BufferFile.h"
#include "buffer/ImageBuffer.h"

#include <QCommandLineParser>

#include <cstdio>
#include <optional>
#include <span>

namespace {

int usageError(const QString& message)
{
    const QString names = imageFormatNames(u"|");
    std::fprintf(stderr, "zorvex-cli convert: %s\nUsage: zorvex-cli convert IN OUT [--from %s] [--to %s] [--yes]\n",
                 qPrintable(message), qPrintable(names), qPrintable(names));
    return ExitUsage;
}

// OUT "-": the image goes to standard output, the report to stderr so the data stays clean.
int writeToStandardOutput(BufferFileFormat format, std::span<const std::uint8_t> data, TerminalFeedback& feedback)
{
    if (!writeImageToStandardOutput(format, data, feedback))
        return ExitUsage;
    const QString written = ExtraMessages::text(ExtraText::CliBytesWritten)
                                .arg(data.size())
                                .arg(ExtraMessages::text(ExtraText::CliStandardOutput));
    std::fprintf(stderr, "%s\n", written.toUtf8().constData());
    return ExitSuccess;
}

}  // namespace

int runConvert(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("Input format."), QStringLiteral("format"));
    const QCommandLineOption toOption(QStringLiteral("to"), QStringLiteral("Output format."), QStringLiteral("format"));
    const QCommandLineOption yesOption(QStringLiteral("yes"), QStringLiteral("Overwrite OUT without asking."));
    parser.addOptions({fromOption, toOption, yesOption});
    if (!parser.parse(QStringList{QStringLiteral("convert")} + arguments))
        return usageError(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return usageError(ExtraMessages::text(ExtraText::CliExpectedInAndOut));
    std::optional<BufferFileFormat> from;
    std::optional<BufferFileFormat> to;
    QString error;
    if (parser.isSet(fromOption) && !(from = parseImageFormat(parser.value(fromOption), error)))
        return usageError(error);
    if (parser.isSet(toOption) && !(to = parseImageFormat(parser.value(toOption), error)))
        return usageError(error);

    const QString& in = files[0];
    const QString& out = files[1];
    TerminalFeedback feedback(parser.isSet(yesOption));
    ImageBuffer image;
    QByteArray capsuleHeader;  // a capsule converted to a capsule keeps its header
    const qint32 length = loadInputImage(in, from, image.bytes(), feedback, &capsuleHeader);
    if (feedback.errorCount() > 0)
        return ExitUsage;
    const std::span<const std::uint8_t> data = image.bytes().first(static_cast<std::size_t>(length));
    if (isStandardStream(out))
        return writeToStandardOutput(to.value_or(BufferFileFormat::Binary), data, feedback);

    const BufferSaveTexts texts{MessageCatalog::text(MessageKey::FileExistsOverwrite),
                                MessageCatalog::text(MessageKey::FileWriteError),
                                ExtraMessages::text(ExtraText::FileCannotCreate),
                                ExtraMessages::text(ExtraText::CapsuleWithoutHeader)};
    switch (SaveBufferFileAs(to.value_or(SaveFormatFor(out)), out, image.bytes(), length, feedback, texts, capsuleHeader)) {
    case SaveOutcome::Saved:
        std::printf("%s: %s\n", qPrintable(in),
                    qPrintable(ExtraMessages::text(ExtraText::CliBytesWritten).arg(length).arg(out)));
        return ExitSuccess;
    case SaveOutcome::Declined:
        std::fprintf(stderr, "zorvex-cli: %s\n", qPrintable(ExtraMessages::text(ExtraText::CliLeftAsItWas).arg(out)));
        return ExitUsage;
    case SaveOutcome::Failed:
        break;
    }
    return ExitUsage;
}
