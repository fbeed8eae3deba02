#include "programmer/ChipSession.h"

void ChipSession::bind(TUsbBulk& usb, OperatorFeedback& feedback, View* view, OperationClock& clock)
{
    m_view = view;
    m_operations.emplace(usb, feedback, *this, clock);
}

CommandOutcome ChipSession::readChipInto(std::span<quint8> image)
{
    // The buffer of an operation under way stays its buffer.
    if (isBusy())
        return CommandOutcome::Refused;
    m_readBack = image;
    m_readBackLength = 0;
    const CommandOutcome outcome = m_operations->runRead();
    m_readBack = {};
    return outcome;
}

void ChipSession::takeViewEdits()
{
    if (m_view && m_readBack.empty())
        m_view->takeViewEdits();
}

void ChipSession::loadViewFromBuffer()
{
    if (m_view && m_readBack.empty())
        m_view->loadViewFromBuffer();
}
