#include "programmer/OperationClock.h"

#include <QThread>
#include <QTime>

namespace {

class SystemClock final : public OperationClock {
public:
    void sleepMs(int milliseconds) override { QThread::msleep(static_cast<unsigned long>(milliseconds)); }
    qint64 msecsSinceMidnight() const override { return QTime::currentTime().msecsSinceStartOfDay(); }
};

} // namespace

OperationClock& systemClock()
{
    static SystemClock clock;
    return clock;
}
