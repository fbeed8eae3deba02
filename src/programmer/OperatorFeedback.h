#pragma once

#include <QString>
#include <QtGlobal>

// How the chip operations talk to the person at the programmer. The main window implements it
// with its status bar, progress bar, log pane and message boxes; the command-line tool with a
// terminal; tests with recorders that can answer questions. The operations never touch a widget.
class OperatorFeedback {
public:
    virtual ~OperatorFeedback() = default;

    virtual void setStatus(const QString& text) = 0;        // status panel 1
    virtual void setElapsed(const QString& hhmmss) = 0;     // status panel 3
    virtual void progressStart(qint64 max) = 0;             // shown, Max set, Position 0
    // Position set, then pending events processed: this is where a long routine lets the
    // window repaint and where re-entrant commands could arrive (they must be refused).
    virtual void progressStep(qint64 position) = 0;
    virtual void progressEnd() = 0;                         // Position 0, hidden
    virtual void logLine(const QString& message) = 0;       // numbered "%03d:" line, newest on top
    virtual void showError(const QString& message) = 0;     // modal, titled "Error"
    virtual void showInfo(const QString& message) = 0;      // modal, titled "Information"
    virtual bool askYesNo(const QString& message) = 0;      // modal, titled "Info"
    virtual void setOperationControlsEnabled(bool enabled) = 0;  // ToolBar1 and Panel1
    virtual void beep() = 0;
};
