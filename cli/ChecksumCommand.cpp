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
    qint64 chipSize = -1;
    std::optional<ChipRecord> chip;
    if (!line.chipModel.isEmpty()) {
        const auto database = std::make_unique<ChipDatabase>();
        if (!loadCliDatabase(*database, line.databasePath, true))
            return ExitUsage;
        const int slot = findChipByModel(*database, line.chipModel, line.maker);
        if (slot < 0)
            return ExitUsage;
        chip = (*database)[slot];
        chipSize = chip->flashSize;
        if (chipSize <= 0 || chipSize > static_cast<qint64>(ImageBuffer::kSize)) {
            printError(ExtraMessages::text(ExtraText::CliChipTooBigForImage).arg(chipSize));
            return ExitUsage;
        }
    }

    TerminalFeedback feedback(false);
    ImageBuffer image;
    const qint32 length = loadInputImage(line.operand, line.inputFormat, image.bytes(), feedback);
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
    std::printf("%s: %s\n", qPrintable(whole), qPrintable(cliText(CliText::ChecksumWholeChip)));
    if (length > 0) {
        std::printf("%s: %s\n", qPrintable(imageChecksums(programmedImage(image.bytes(), length, *chip)).line()),
                    qPrintable(cliText(CliText::ChecksumProgrammedImage)));
    }
    return ExitSuccess;
}
