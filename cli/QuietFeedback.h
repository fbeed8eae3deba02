#pragma once

#include "programmer/OperatorFeedback.h"

#include <QString>

// Feedback of an operation that is one step of something larger (a chip of a production run,
// the read-back of verify --all): progress and questions reach the terminal as for any command,
// the completion line and the elapsed time do not, since the larger thing reports for itself.
// Errors reach the terminal too unless they are only to be kept; the last one is kept either way.
class QuietFeedback final : public OperatorFeedback {
public:
    enum class Errors { Shown, KeptOnly };
    explicit QuietFeedback(OperatorFeedback& terminal, Errors errors = Errors::Shown)
        : m_terminal(terminal), m_errors(errors) {}

    void setStatus(const QString& text) override { m_terminal.setStatus(text); }
    void setElapsed(const QString&) override {}
    void progressStart(qint64 max) override { m_terminal.progressStart(max); }
    void progressStep(qint64 position) override { m_terminal.progressStep(position); }
    void progressEnd() override { m_terminal.progressEnd(); }
    void logLine(const QString&) override {}
    void showError(const QString& message) override;
    void showInfo(const QString& message) override { m_terminal.showInfo(message); }
    bool askYesNo(const QString& message) override { return m_terminal.askYesNo(message); }
    void setOperationControlsEnabled(bool enabled) override { m_terminal.setOperationControlsEnabled(enabled); }
    void beep() override { m_terminal.beep(); }

    // The first line of the last error since the previous call, then forgotten.
    [[nodiscard]] QString takeLastError();

private:
    OperatorFeedback& m_terminal;
    Errors m_errors;
    QString m_lastError;
};
