#include "AllDifferences.h"

#include "CliCommand.h"
#include "ImageBuffer.h"
#include "QuietFeedback.h"

#include "text/MessageCatalogExtra.h"
#include "buffer/DifferenceReport.h"

#include "chipdb/ChipRecord.h"
#include "programmer/ChipOperations.h"
#include "programmer/CommandPacket.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"

#include <algorithm>
#include <cstdio>

namespace {

// The chip read into an image beside the reference, which stays as the file gave it.
class ReadBackHost final : public OperationHost {
public:
    ReadBackHost(const ChipRecord& chip, int speedIndex) : m_chip(chip), m_speedIndex(speedIndex) {}

    std::span<quint8> dataBuffer() override { return m_image.bytes(); }
    qint32 dataLength() const override { return m_dataLength; }
    void setDataLength(qint32 length) override { m_dataLength = length; }
    const ChipRecord& currentChipRecord() const override { return m_chip; }
    int speedIndex() const override { return m_speedIndex; }
    AutoOptions autoOptions() const override { return {}; }
    void takeViewEdits() override {}
    void loadViewFromBuffer() override {}

private:
    ImageBuffer m_image;
    qint32 m_dataLength = 0;
    ChipRecord m_chip;
    int m_speedIndex;
};

}  // namespace

int reportAllDifferences(TUsbBulk& usb, OperatorFeedback& terminal, OperationHost& reference)
{
    const ChipRecord chip = reference.currentChipRecord();
    ReadBackHost readBack(chip, reference.speedIndex());
    // An erased chip is no finding here: the differences say what it holds.
    QuietFeedback feedback(terminal, QuietFeedback::Errors::KeptOnly);
    ChipOperations operations(usb, feedback, readBack, systemClock());
    const CommandOutcome outcome = operations.runRead();
    if (outcome != CommandOutcome::Completed) {
        const QString reason = feedback.takeLastError();
        std::fprintf(stderr, "zorvex-cli: %s%s%s\n", ExtraMessages::text(ExtraText::CliFullCompareUnread).toUtf8().constData(),
                     reason.isEmpty() ? "" : ": ", reason.toUtf8().constData());
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
