#include "TerminalFeedback.h"

#include "CliCommand.h"

#include "text/MessageCatalogExtra.h"

#include <cstdio>
#include <unistd.h>

void TerminalFeedback::showError(const QString& message)
{
    ++m_errorCount;
    printError(m_location + message);
    m_location.clear();
}

void TerminalFeedback::errorLocation(const QString& file, qint64 line)
{
    m_location = file.isEmpty() ? QString() : QStringLiteral("%1:%2: ").arg(file, QString::number(line));
}

bool TerminalFeedback::askYesNo(const QString& message)
{
    if (m_assumeYes)
        return true;
    if (!isatty(STDIN_FILENO)) {
        printError(ExtraMessages::text(ExtraText::CliAnsweredNo).arg(message.trimmed()));
        return false;
    }
    std::fprintf(stderr, "%s [y/N] ", message.trimmed().toUtf8().constData());
    std::fflush(stderr);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return false;
    return answer[0] == 'y' || answer[0] == 'Y';
}
