#pragma once

#include <functional>
#include <utility>

// The one place that keeps a second operation or a connection check from starting while an
// operation runs. Operations process pending GUI events between blocks, and neither the main
// menu nor the device-change notification is disabled with the tool bar, so a command can
// arrive from inside a running one. Such commands are refused; a connection check is held back
// and run once when the operation has ended, so the status bar still catches an unplug.
class OperationGuard {
public:
    class Scope {
    public:
        explicit Scope(OperationGuard& guard) : m_guard(guard), m_entered(!guard.m_busy) { m_guard.m_busy = true; }
        ~Scope()
        {
            if (!m_entered)
                return;
            m_guard.m_busy = false;
            // A check asked for while the operation ran is run once, now.
            if (std::exchange(m_guard.m_probePending, false))
                m_guard.requestProbe();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        // False when another operation was already running: the caller must return at once.
        [[nodiscard]] explicit operator bool() const { return m_entered; }

    private:
        OperationGuard& m_guard;
        bool m_entered;
    };

    explicit OperationGuard(std::function<void()> probe) : m_probe(std::move(probe)) {}

    [[nodiscard]] bool busy() const { return m_busy; }

    // Runs the connection check now, or once after the running operation.
    void requestProbe()
    {
        if (m_busy) {
            m_probePending = true;
            return;
        }
        Scope scope(*this);
        m_probe();
    }

private:
    std::function<void()> m_probe;
    bool m_busy = false;
    bool m_probePending = false;
};
