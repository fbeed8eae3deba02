#include "SimulatorCheck.h"

#include <QFile>

#include <dlfcn.h>

QString refusedSimulatorConfiguration(const QString& libraryPath)
{
    // The same path the transport binds: both reach one simulator, whichever loads it first.
    void* library = dlopen(QFile::encodeName(libraryPath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return {};
    using LastError = const char* (*)();
    using DeviceCount = int (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(library, "zorvex_sim_last_error"));
    const auto deviceCount = reinterpret_cast<DeviceCount>(dlsym(library, "zorvex_sim_device_count"));
    QString reason;
    // A refused file leaves no programmer; a file without one is refused by nobody.
    if (lastError && deviceCount && deviceCount() == 0)
        reason = QString::fromUtf8(lastError());
    dlclose(library);
    return reason;
}
