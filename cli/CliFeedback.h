#pragma once

#include "TerminalFeedback.h"

#include "programmer/OperatorFeedback.h"

#include <QString>

#include <cstdio>
#include <optional>

// The chip operations and the buffer files reporting to a terminal: completion lines, detection
// results and the elapsed time go to stdout, errors to stderr, and a progress bar with the
// routine's status to stderr only when stderr is a terminal (a script's log stays clean).
// Errors and questions are TerminalFeedback's: a question is answered Yes with --yes, asked on a
// terminal, No otherwise.
class CliFeedback final : public OperatorFeedback, public TerminalFeedback {
public:
    CliFeedback(bool assumeYes, std::FILE* out = stdout);

    void setStatus(const QString& text) override { m_status = text; }
    void setElapsed(const QString& hhmmss) override;
    void progressStart(qint64 max) override;
    void progressStep(qint64 position) override;
    void progressEnd() override;
    void logLine(const QString& message) override;
    void showError(const QString& message) override;
    void showInfo(const QString& message) override;
    bool askYesNo(const QString& message) override;
    void setOperationControlsEnabled(bool) override {}
    void beep() override;

    // The answer to the next question, given beforehand (a question already asked before the
    // operation started must not be asked again when the same step comes round).
    void answerNextQuestion(bool answer) { m_nextAnswer = answer; }

private:
    void clearProgress();

    std::FILE* m_out;
    bool m_interactive;
    std::optional<bool> m_nextAnswer;
    QString m_status;
    qint64 m_progressMax = 0;
    int m_drawnPermille = -1;
    bool m_progressShown = false;
};
