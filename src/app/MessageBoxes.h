#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// Every modal message box of the program goes through here, so that tests can drive the real
// window without a box blocking them: answers queued with setNextAnswer() are taken one per box,
// in order, and the box is then recorded instead of shown. With an empty queue the box is shown
// and waits for the user as usual.
class MessageBoxes {
public:
    struct Shown {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    static void setNextAnswer(QMessageBox::StandardButton answer);
    [[nodiscard]] static int pendingAnswers();
    // Boxes answered from the queue since the last clearHistory(), oldest first.
    [[nodiscard]] static const QList<Shown>& history();
    static void clearHistory();
    // Drops queued answers and the history; for tests that start from a clean slate.
    static void reset();

    // The program's three kinds of box, with their fixed titles.
    static void error(QWidget* parent, const QString& text);          // "Error", stop icon, OK
    static void information(QWidget* parent, const QString& text);    // "Information", OK
    [[nodiscard]] static bool yesNo(QWidget* parent, const QString& text);  // "Info"; true = Yes
};
