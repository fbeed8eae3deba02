#pragma once

#include <QString>
#include <QtGlobal>

// How the buffer file code talks to the person who asked for the open or save. The main window
// answers with message boxes, the command-line tool with the terminal, tests with recorders.
// The signatures match OperatorFeedback's, so one override in a class implementing both serves
// both interfaces.
class BufferFileFeedback {
public:
    virtual ~BufferFileFeedback() = default;

    // Modal error box titled "Error"; returns when the user has acknowledged it.
    virtual void showError(const QString& message) = 0;
    // Modal Yes/No question titled "Info"; true when the answer is Yes.
    virtual bool askYesNo(const QString& message) = 0;

    // Told just before a reader shows a format error: the file and the 1-based line of the bad
    // record. The message itself stays the fixed text; a terminal can print the place beside it.
    virtual void errorLocation([[maybe_unused]] const QString& file, [[maybe_unused]] qint64 line) {}
};
