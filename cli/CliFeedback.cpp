#include "CliFeedback.h"

#include "text/MessageCatalogExtra.h"

#include <QStringList>

#include <algorithm>

#include <unistd.h>

namespace {

constexpr int BarWidth = 40;

QByteArray utf8(const QString& text)
{
    return text.toUtf8();
}

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

CliFeedback::CliFeedback(bool assumeYes, std::FILE* out, std::FILE* err)
    : m_out(out)
    , m_err(err)
    , m_interactive(isatty(fileno(err)) != 0)
    , m_questions(assumeYes)
{
}

void CliFeedback::setElapsed(const QString& hhmmss)
{
    clearProgress();
    std::fprintf(m_out, "%s\n", utf8(ExtraMessages::text(ExtraText::CliElapsedTime).arg(hhmmss)).constData());
    std::fflush(m_out);
}

void CliFeedback::progressStart(qint64 max)
{
    m_progressMax = max;
    m_drawnPermille = -1;
    drawProgress(0);
}

void CliFeedback::progressStep(qint64 position)
{
    drawProgress(position);
}

void CliFeedback::progressEnd()
{
    clearProgress();
    m_progressMax = 0;
}

void CliFeedback::logLine(const QString& message)
{
    clearProgress();
    std::fprintf(m_out, "%s\n", utf8(message.trimmed()).constData());
    std::fflush(m_out);
}

void CliFeedback::showError(const QString& message)
{
    clearProgress();
    ++m_errorCount;
    std::fprintf(m_err, "zorvex-cli: %s%s\n", utf8(m_location).constData(), utf8(asLines(message)).constData());
    m_location.clear();
}

void CliFeedback::errorLocation(const QString& file, qint64 line)
{
    m_location = file.isEmpty() ? QString() : QStringLiteral("%1:%2: ").arg(file).arg(line);
}

void CliFeedback::showInfo(const QString& message)
{
    clearProgress();
    std::fprintf(m_out, "%s\n", utf8(asLines(message)).constData());
    std::fflush(m_out);
}

bool CliFeedback::askYesNo(const QString& message)
{
    clearProgress();
    bool answer = false;
    if (m_nextAnswer) {
        answer = *m_nextAnswer;
        m_nextAnswer.reset();
    } else {
        answer = m_questions.askYesNo(message);
    }
    return answer;
}

void CliFeedback::beep()
{
    // Someone waiting at the bench hears that a long run ended; a script's output gets no bell.
    if (m_interactive) {
        std::fputc('\a', m_err);
        std::fflush(m_err);
    }
}

void CliFeedback::drawProgress(qint64 position)
{
    if (!m_interactive || m_progressMax <= 0)
        return;
    const int permille = static_cast<int>(std::clamp<qint64>(position * 1000 / m_progressMax, 0, 1000));
    if (permille == m_drawnPermille)
        return;
    m_drawnPermille = permille;
    const int filled = permille * BarWidth / 1000;
    std::fprintf(m_err, "\r%s [%s%s] %3d%%", utf8(m_status).constData(), QByteArray(filled, '#').constData(),
                 QByteArray(BarWidth - filled, '.').constData(), permille / 10);
    std::fflush(m_err);
    m_progressShown = true;
}

void CliFeedback::clearProgress()
{
    if (!m_progressShown)
        return;
    std::fputs("\r\033[K", m_err);
    std::fflush(m_err);
    m_progressShown = false;
    m_drawnPermille = -1;
}
