// Compare of the buffer with the chip or with a file: the differences go to the log as verify
// --all prints them, are marked in the hex view, and F8 / Shift+F8 walk through them. The reads
// themselves are in TForm1Operations.cpp (the chip) and TForm1Files.cpp (a file).
#include "TForm1.h"

#include "text/MessageCatalogExtra.h"
#include "buffer/DifferenceReport.h"
#include "hexview/HexEditorEx.h"

#include <QLabel>

#include <algorithm>

std::array<std::span<const quint8>, 2> TForm1::savedImage() const
{
    // As TakeViewEdits leaves DataBuffer: the view's bytes up to the chip's size when it was
    // modified, DataBuffer's beyond them.
    const qint64 chip = std::min<qint64>(currentChipRecord().flashSize, DataBufferSize);
    const qint64 fromView = FlashEditor && FlashEditor->Modified() ? std::min(chip, FlashEditor->DataSize()) : 0;
    return {FlashEditor ? FlashEditor->Data().first(static_cast<std::size_t>(fromView)) : std::span<const quint8>(),
        m_session.image().subspan(static_cast<std::size_t>(fromView), static_cast<std::size_t>(chip - fromView))};
}

void TForm1::showDifferences(std::span<const quint8> other, bool withChip, const QString& against)
{
    const std::size_t size = std::min<std::size_t>(currentChipRecord().flashSize, DataBufferSize);
    TakeViewEdits();
    const DifferenceReport report = DifferenceReport::compare(dataBuffer().first(size), other.first(size));
    std::vector<HexRange> marks;
    marks.reserve(report.ranges.size());
    for (const DifferenceReport::Range& range : report.ranges)
        marks.push_back({range.start, range.end});
    // The marks sit on the bytes as the buffer holds them now, the view's edits taken.
    FlashEditor->SetDifferenceMarks(std::move(marks));
    if (report.ranges.empty()) {
        LogLine(ExtraMessages::text(withChip ? ExtraText::CompareChipEqual : ExtraText::CompareFileEqual)
                    .arg(against)
                    .arg(size));
    } else {
        // One numbered entry, its lines in reading order under the heading.
        const QString heading = ExtraMessages::text(withChip ? ExtraText::CompareChipHeading : ExtraText::CompareFileHeading)
                                    .arg(against)
                                    .arg(size);
        LogLine((QStringList{heading} + report.lines(DifferenceReport::wordingInCurrentLanguage())).join(u'\n'));
        showDifferenceRange(0);
    }
}

void TForm1::showDifferenceRange(qint64 index)
{
    FlashEditor->GotoDifference(index);
    m_shownDifference = index;
    showDifferenceStatus();
}

void TForm1::showDifferenceStatus()
{
    if (FlashEditor->DifferenceMarks().empty())
        return;
    DiffPanel->setText(ExtraMessages::text(ExtraText::DifferenceRangeStatus)
                           .arg(m_shownDifference + 1)
                           .arg(static_cast<qint64>(FlashEditor->DifferenceMarks().size())));
}

// Past the last range the walk goes on from the first, and before the first from the last: the
// keys stay enabled while there are marks, so they always move.
void TForm1::NextDiff1Click()
{
    if (chipOperationRunning() || FlashEditor->DifferenceMarks().empty())
        return;
    const qint64 next = FlashEditor->NextDifference(FlashEditor->GetCursorPosition());
    showDifferenceRange(next >= 0 ? next : 0);
}

void TForm1::PrevDiff1Click()
{
    if (chipOperationRunning() || FlashEditor->DifferenceMarks().empty())
        return;
    const qint64 previous = FlashEditor->PreviousDifference(FlashEditor->GetCursorPosition());
    showDifferenceRange(previous >= 0 ? previous : static_cast<qint64>(FlashEditor->DifferenceMarks().size()) - 1);
}
