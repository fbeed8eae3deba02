#pragma once

#include <QtGlobal>

// The pauses and time stamps of the chip operations. The product waits for real (the firmware
// needs the 50 ms reply pause, the 350 ms pause before an automatic verify, the 100 ms settle
// after a 24-series write and the erase poll interval); tests hand in a clock that records the
// waits and advances its own time instead, so the same code runs without sleeping.
class OperationClock {
public:
    virtual ~OperationClock() = default;

    virtual void sleepMs(int milliseconds) = 0;
    // Time of day in milliseconds since midnight: the elapsed-time display is the difference of
    // two times of day.
    [[nodiscard]] virtual qint64 msecsSinceMidnight() const = 0;
};

// The wall clock and a real sleep; one instance serves the whole program.
[[nodiscard]] OperationClock& systemClock();
