// Difference marks of the hex view (a compare's result), the moves between them, and where the
// context menu acts.
#include "HexEditor.h"

#include <algorithm>

void HexEditor::SetDifferenceMarks(std::vector<HexRange> ranges)
{
    m_differences = std::move(ranges);
    viewport()->update();
    emit DifferenceMarksChanged();
}

qint64 HexEditor::DifferenceAt(qint64 position) const
{
    const auto found = std::ranges::lower_bound(m_differences, position, {}, &HexRange::end);
    return found != m_differences.end() && found->start <= position ? found - m_differences.begin() : -1;
}

bool HexEditor::IsByteDifferent(qint64 position) const
{
    return !m_differences.empty() && DifferenceAt(position) >= 0;
}

qint64 HexEditor::NextDifference(qint64 position) const
{
    const auto found = std::ranges::upper_bound(m_differences, position, {}, &HexRange::start);
    return found != m_differences.end() ? found - m_differences.begin() : -1;
}

qint64 HexEditor::PreviousDifference(qint64 position) const
{
    const auto found = std::ranges::lower_bound(m_differences, position, {}, &HexRange::start);
    return found != m_differences.begin() ? (found - m_differences.begin()) - 1 : -1;
}

void HexEditor::GotoDifference(qint64 index)
{
    if (index < 0 || index >= static_cast<qint64>(m_differences.size()))
        return;
    const qint64 start = m_differences[static_cast<std::size_t>(index)].start;
    if (start >= m_data.size())
        return;
    ResetSelection();
    MoveCaretTo(start, m_inCharField);
}

void HexEditor::PlaceCaretForMenu(QPoint point)
{
    int col = 0;
    int row = 0;
    const qint64 position = pressPosition(point, col, row);
    if (position < 0 || (HasSelection() && position >= m_selStart && position <= m_selEnd))
        return;
    ResetSelection();
    MoveCaretTo(position, m_layout.isCharCol(col));
}
