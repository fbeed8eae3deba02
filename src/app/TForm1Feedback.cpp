// The presentation services every operation uses: log pane, message boxes, status bar and
// progress bar, and the two copies between DataBuffer and the hex view.
#include "TForm1.h"

#include "MessageBoxes.h"
#include "PanelStatusBar.h"
#include "hexview/HexEditorEx.h"

#include <QApplication>
#include <QMenu>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>

void TForm1::LogLine(const QString& text)
{
    // The newest line on top, numbered with at least three digits; a larger number is never cut.
    QTextDocument* document = RichEdit1->document();
    const bool empty = document->isEmpty();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(QString::asprintf("%03d:", m_logCounter++) + text);
    if (!empty)
        cursor.insertBlock();
}

QString TForm1::firstLogLine() const
{
    return RichEdit1->document()->isEmpty() ? QString()
                                            : RichEdit1->document()->firstBlock().text();
}

void TForm1::ShowError(const QString& text)
{
    MessageBoxes::error(this, text);
}

void TForm1::showInfo(const QString& message)
{
    MessageBoxes::information(this, message);
}

bool TForm1::askYesNo(const QString& message)
{
    return MessageBoxes::yesNo(this, message);
}

QString TForm1::statusText() const
{
    return StatusBar1->panelText(1);
}

void TForm1::setStatus(const QString& text)
{
    StatusBar1->setPanelText(1, text);
}

void TForm1::setElapsed(const QString& hhmmss)
{
    StatusBar1->setPanelText(3, hhmmss);
}

void TForm1::progressStart(qint64 max)
{
    Progress->setMaximum(static_cast<int>(std::clamp<qint64>(max, 0, DataBufferSize)));
    Progress->setValue(0);
    Progress->show();
}

void TForm1::progressStep(qint64 position)
{
    Progress->setValue(static_cast<int>(std::clamp<qint64>(position, 0, Progress->maximum())));
    QCoreApplication::processEvents();
}

void TForm1::progressEnd()
{
    Progress->setValue(0);
    Progress->hide();
}

void TForm1::setOperationControlsEnabled(bool enabled)
{
    ToolBar1->setEnabled(enabled);
    Panel1->setEnabled(enabled);
    // A programmer chosen now would only take effect under the running operation's feet.
    ProgrammerMenu->menuAction()->setEnabled(enabled);
    // The menus' commands follow; runOperation updates them again once the operation has ended.
    updateEditCommands();
}

void TForm1::beep()
{
    QApplication::beep();
}
