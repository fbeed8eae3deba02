#pragma once

#include <QApplication>

// The program's application object. An error that escapes an event handler is shown to the
// user with its text, and the program carries on: an exception must never unwind through Qt's
// event loop, which would end the program with the user's unsaved buffer.
class ZorvexApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};
