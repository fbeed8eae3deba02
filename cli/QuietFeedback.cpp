#include "QuietFeedback.h"

#include <QStringList>

#include <utility>

void QuietFeedback::showError(const QString& message)
{
    // A box's text may run over several lines; the chip's line carries its first one.
    for (const QString& line : message.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            m_lastError = line.trimmed();
            break;
        }
    }
}

QString QuietFeedback::takeLastError()
{
    return std::exchange(m_lastError, QString());
}
