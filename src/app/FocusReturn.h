#pragma once

#include <QPointer>
#include <QWidget>

// Gives the focus back, when it goes out of scope, to the control of window that had it when it
// was made. A chip operation disables the panels around the hex view, and a dialog takes the
// focus to its own window; without this the keys of the view (and the shortcuts shown enabled
// for it) would do nothing afterwards until the person clicked into it again.
class FocusReturn {
public:
    explicit FocusReturn(QWidget* window) : m_window(window), m_control(window ? window->focusWidget() : nullptr) {}
    ~FocusReturn()
    {
        if (!m_window || !m_control || m_window->focusWidget() == m_control)
            return;
        // A control hidden or disabled meanwhile cannot take it; the window's own rule holds then.
        if (m_control->isVisible() && m_control->isEnabled())
            m_control->setFocus(Qt::OtherFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_control;
};
