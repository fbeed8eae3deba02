#include "CliFeedback.h"

#include "text/MessageCatalogExtra.h"

#include <QStringList>

#include <algorithm>

#include <unistd.h>

namespace {

constexpr int BarWidth = 40;

// The window's boxes separate paragraphs with blank lines and indent some with a blank; a
// terminal shows the same text line by line.
QString asLines(const QString& message)
{
    QStringList lines;
    for (const QString& line : message.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

CliFeedback::CliFeedback(bool assumeYes, std::FILE* out)
    : TerminalFeedback(assumeYes)
    , m_out(out)
    , m_interactive(isatty(STDERR_FILENO) != 0)
{
}

void CliFeedback::setElapsed(const QString& hhmmss)
{
    clearProgress();
    std::fprintf(m_out, "%s\n", ExtraMessages::text(ExtraText::CliElapsedTime).arg(hhmmss).toUtf8().constData());
    std::fflush(m_out);
}

void CliFeedback::progressStart(qint64 max)
{
    m_progressMax = max;
    m_drawnPermille = -1;
    progressStep(0);
}

void CliFeedback::progressEnd()
{
    clearProgress();
    m_progressMax = 0;
}

void CliFeedback::logLine(const QString& message)
{
    clearProgress();
    std::fprintf(m_out, "%s\n", message.trimmed().toUtf8().constData());
    std::fflush(m_out);
}

void CliFeedback::showError(const QString& message)
{
    clearProgress();
    TerminalFeedback::showError(asLines(message));
}

void CliFeedback::showInfo(const QString& message)
{
    clearProgress();
    std::fprintf(m_out, "%s\n", asLines(message).toUtf8().constData());
    std::fflush(m_out);
}

bool CliFeedback::askYesNo(const QString& message)
{
    clearProgress();
    if (!m_nextAnswer)
        return TerminalFeedback::askYesNo(message);
    const bool answer = *m_nextAnswer;
    m_nextAnswer.reset();
    return answer;
}

void CliFeedback::beep()
{
    // Someone waiting at the bench hears that a long run ended; a script's output gets no bell.
    if (m_interactive) {
        std::fputc('\a', stderr);
        std::fflush(stderr);
    }
}

void CliFeedback::progressStep(qint64 position)
{
    if (!m_interactive || m_progressMax <= 0)
        return;
    const int permille = static_cast<int>(std::clamp<qint64>(position * 1000 / m_progressMax, 0, 1000));
    if (permille == m_drawnPermille)
        return;
    m_drawnPermille = permille;
    const int filled = permille * BarWidth / 1000;
    std::fprintf(stderr, "\r%s [%s%s] %3d%%", m_status.toUtf8().constData(), QByteArray(filled, '#').constData(),
                 QByteArray(BarWidth - filled, '.').constData(), permille / 10);
    std::fflush(stderr);
    m_progressShown = true;
}

void CliFeedback::clearProgress()
{
    if (!m_progressShown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_progressShown = false;
    m_drawnPermille = -1;
}
