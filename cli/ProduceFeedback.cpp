#include "ProduceFeedback.h"

#include <QStringList>

void ProduceFeedback::showError(const QString& message)
{
    m_terminal.showError(message);
    // A box's text may run over several lines; the chip's line carries its first one.
    for (const QString& line : message.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            m_lastError = line.trimmed();
            break;
        }
    }
}

QString ProduceFeedback::takeLastError()
{
    return std::exchange(m_lastError, QString());
}
