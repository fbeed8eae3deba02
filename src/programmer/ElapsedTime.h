#pragma once

#include <QString>
#include <QtGlobal>

// "hh:mm:ss" of the time between two times of day (milliseconds since midnight). An operation
// that runs across midnight ends at a smaller time of day than it started; it is counted as
// running into the next day rather than shown as a negative time.
[[nodiscard]] QString formatElapsed(qint64 startMsecs, qint64 endMsecs);
