#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>
#include <memory>

// Handles the next modal dialog of type Dialog from inside its exec(): create one, then do what
// opens the dialog. handle must close the dialog. Polling stops when the object goes out of
// scope, so a dialog that never opened cannot be handled later by a stale handler; the test
// then fails on what it expected instead of hanging.
template <typename Dialog>
class NextDialog {
public:
    explicit NextDialog(std::function<void(Dialog&)> handle)
        : m_over(std::make_shared<bool>(false))
    {
        poll(std::move(handle), m_over, 300);
    }
    ~NextDialog() { *m_over = true; }
    NextDialog(const NextDialog&) = delete;
    NextDialog& operator=(const NextDialog&) = delete;

private:
    static void poll(std::function<void(Dialog&)> handle, std::shared_ptr<bool> over, int attempts)
    {
        QTimer::singleShot(10, [handle, over, attempts] {
            if (*over)
                return;
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                *over = true;
                handle(*dialog);
            } else if (attempts > 0) {
                poll(handle, over, attempts - 1);
            }
        });
    }

    std::shared_ptr<bool> m_over;
};
