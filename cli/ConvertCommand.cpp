#include "ConvertCommand.h"

#include "ChipCommandLine.h"
#include "CliCommand.h"
#include "InputImage.h"
#include "OutputFile.h"
#include "TerminalFeedback.h"

#include "text/MessageCatalog.h"
#include "text/MessageCatalogExtra.h"
#include "buffer/BufferFile.h"
#include "buffer/ImageBuffer.h"

#include <cstdio>
#include <optional>
#include <span>

int runConvert(const ChipCommandLine& line)
{
    const QString& in = line.operand;
    const QString& out = line.output;
    const std::optional<BufferFileFormat>& to = line.outputFormat;
    TerminalFeedback feedback(line.assumeYes);
    ImageBuffer image;
    QByteArray capsuleHeader;  // a capsule converted to a capsule keeps its header
    const qint32 length = loadInputImage(in, line.inputFormat, image.bytes(), feedback, &capsuleHeader);
    if (feedback.errorCount() > 0)
        return ExitUsage;
    const std::span<const std::uint8_t> data = image.bytes().first(static_cast<std::size_t>(length));
    if (isStandardStream(out))
        return writeImageToStandardOutput(to.value_or(BufferFileFormat::Binary), data, feedback);

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
        printError(ExtraMessages::text(ExtraText::CliLeftAsItWas).arg(out));
        return ExitUsage;
    case SaveOutcome::Failed:
        break;
    }
    return ExitUsage;
}
