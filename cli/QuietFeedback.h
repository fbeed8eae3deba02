#pragma once

#include "programmer/OperatorFeedback.h"

#include <QString>

// Feedback of an operation that is one step of something larger (a chip of a production run,
// the read-back of verify --all): progress and questions reach the terminal as for any command,
// the completion line and the elapsed time do not, since the larger thing reports for itself.
// Errors are only kept, for the larger thing to report the last one in its own words.
class QuietFeedback final : public OperatorFeedback {
public:
    explicit QuietFeedback(OperatorFeedback& terminal) : m_terminal(terminal) {}

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
    QString m_lastError;
};
