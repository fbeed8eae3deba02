#include "QuietFeedback.h"

#include <utility>

void QuietFeedback::showError(const QString& message)
{
    // A box's text may run over several lines; the chip's line carries its first one.
    if (const QString first = message.trimmed().section(u'\n', 0, 0).trimmed(); !first.isEmpty())
        m_lastError = first;
}

QString QuietFeedback::takeLastError()
{
    return std::exchange(m_lastError, QString());
}
