#pragma once

#include "TerminalFeedback.h"

#include "buffer/BufferFileFeedback.h"
#include "programmer/OperatorFeedback.h"

#include <QString>

#include <cstdio>
#include <optional>

// The chip operations and the buffer files reporting to a terminal: completion lines, detection
// results and the elapsed time go to stdout, errors to stderr, and a progress bar with the
// routine's status to stderr only when stderr is a terminal (a script's log stays clean).
// Questions are answered as TerminalFeedback answers them: Yes with --yes, asked on a terminal,
// No otherwise.
class CliFeedback final : public OperatorFeedback, public BufferFileFeedback {
public:
    CliFeedback(bool assumeYes, std::FILE* out = stdout, std::FILE* err = stderr);

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
    void errorLocation(const QString& file, qint64 line) override;

    // The answer to the next question, given beforehand (a question already asked before the
    // operation started must not be asked again when the same step comes round).
    void answerNextQuestion(bool answer) { m_nextAnswer = answer; }

    [[nodiscard]] int errorCount() const { return m_errorCount; }

private:
    void clearProgress();
    void drawProgress(qint64 position);

    std::FILE* m_out;
    std::FILE* m_err;
    bool m_interactive;
    TerminalFeedback m_questions;
    std::optional<bool> m_nextAnswer;
    QString m_status;
    QString m_location;
    qint64 m_progressMax = 0;
    int m_drawnPermille = -1;
    bool m_progressShown = false;
    int m_errorCount = 0;
};
