#include "programmer/ElapsedTime.h"

namespace {
constexpr qint64 MsecsPerDay = 24LL * 60 * 60 * 1000;
}

QString formatElapsed(qint64 startMsecs, qint64 endMsecs)
{
    qint64 elapsed = endMsecs - startMsecs;
    if (elapsed < 0)
        elapsed += MsecsPerDay;
    // Whole seconds, cut like a time-of-day display: 1.9 s shows as 00:00:01.
    const qint64 seconds = elapsed / 1000;
    return QString::asprintf("%02lld:%02lld:%02lld", seconds / 3600, (seconds / 60) % 60, seconds % 60);
}
