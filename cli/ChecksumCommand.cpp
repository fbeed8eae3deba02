#include "ChecksumCommand.h"

#include "ChipChoice.h"
#include "ChipCommandLine.h"
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

#include <cstdio>
#include <memory>
#include <optional>

int runChecksum(const ChipCommandLine& line)
{
    std::optional<ChipRecord> chip;
    if (!line.chipModel.isEmpty()) {
        const auto database = std::make_unique<ChipDatabase>();
        if (!loadCliDatabase(*database, line.databasePath, true))
            return ExitUsage;
        const int slot = findChipByModel(*database, line.chipModel, line.maker);
        if (slot < 0)
            return ExitUsage;
        chip = (*database)[slot];
        if (chip->flashSize == 0 || chip->flashSize > ImageBuffer::kSize) {
            printError(ExtraMessages::text(ExtraText::CliChipTooBigForImage).arg(chip->flashSize));
            return ExitUsage;
        }
    }

    TerminalFeedback feedback(false);
    ImageBuffer image;
    const qint32 length = loadInputImage(line.operand, line.inputFormat, image.bytes(), feedback);
    if (feedback.errorCount() > 0)
        return ExitUsage;
    if (length <= 0 && !chip) {
        feedback.showError(MessageCatalog::text(MessageKey::BufferEmpty));
        return ExitUsage;
    }
    // The image buffer is 0xFF past the decoded data, which is the padding a chip gets.
    const qint64 size = chip ? qint64{chip->flashSize} : length;
    const QString whole = imageChecksums(image.bytes().first(static_cast<std::size_t>(size))).line();
    if (!chip) {
        std::printf("%s\n", qPrintable(whole));
        return ExitSuccess;
    }
    // The sum a later read gives, and the one the programming commands print: they differ for an
    // image shorter than the chip.
    std::printf("%s: %s\n", qPrintable(whole), qPrintable(cliText(CliText::ChecksumWholeChip)));
    if (length > 0) {
        std::printf("%s: %s\n", qPrintable(imageChecksums(programmedImage(image.bytes(), length, *chip)).line()),
                    qPrintable(cliText(CliText::ChecksumProgrammedImage)));
    }
    return ExitSuccess;
}
