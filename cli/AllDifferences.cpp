#include "AllDifferences.h"

#include "CliCommand.h"
#include "QuietFeedback.h"

#include "text/MessageCatalogExtra.h"
#include "buffer/DifferenceReport.h"

#include "chipdb/ChipRecord.h"
#include "programmer/ChipSession.h"
#include "programmer/CommandPacket.h"

#include <algorithm>
#include <cstdio>

int reportAllDifferences(TUsbBulk& usb, OperatorFeedback& terminal, OperationHost& reference)
{
    const ChipRecord chip = reference.currentChipRecord();
    // An erased chip is no finding here: the differences say what it holds.
    QuietFeedback feedback(terminal);
    // The chip is read by a session of its own, beside the reference, which stays as the file
    // gave it.
    ChipSession readBack;
    readBack.database()[0] = chip;
    readBack.setSpeedIndex(reference.speedIndex());
    readBack.bind(usb, feedback);
    const CommandOutcome outcome = readBack.operations().runRead();
    if (outcome != CommandOutcome::Completed) {
        const QString reason = feedback.takeLastError();
        printError(ExtraMessages::text(ExtraText::CliFullCompareUnread)
                   + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
        const bool unreachable = outcome == CommandOutcome::Disconnected || outcome == CommandOutcome::NotConnected;
        return unreachable ? ExitNotConnected : ExitFailure;
    }
    // The range the verify compares: the data up to the chip's size, in whole blocks.
    const qint64 block = blockSize(chip.flashPage);
    const qint64 data = std::min<qint64>(reference.dataLength(), chip.flashSize);
    const qint64 length = std::min<qint64>((data + block - 1) / block * block, chip.flashSize);
    const auto range = [length](std::span<quint8> image) {
        return std::span<const quint8>(image.first(static_cast<std::size_t>(length)));
    };
    const DifferenceReport report = DifferenceReport::compare(range(reference.dataBuffer()), range(readBack.dataBuffer()));
    for (const QString& line : report.lines(DifferenceReport::wordingInCurrentLanguage()))
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    return ExitFailure;
}
