#pragma once

#include "buffer/BufferFileFeedback.h"

#include <QString>

// The terminal side of the feedback interfaces: errors go to stderr, prefixed with the file and
// line a reader names; a question is answered Yes by --yes, asked on an interactive terminal,
// and answered No otherwise (a script never hangs on a prompt).
class TerminalFeedback : public BufferFileFeedback {
public:
    explicit TerminalFeedback(bool assumeYes) : m_assumeYes(assumeYes) {}

    void showError(const QString& message) override;
    bool askYesNo(const QString& message) override;
    void errorLocation(const QString& file, qint64 line) override;

    [[nodiscard]] int errorCount() const { return m_errorCount; }

private:
    bool m_assumeYes;
    int m_errorCount = 0;
    QString m_location;  // "file:line: " for the next error, then cleared
};
