#include "app/DeviceChangeWatcher.h"

#include <QSocketNotifier>

#include <cstring>
#include <libudev.h>

DeviceChangeWatcher::DeviceChangeWatcher(QObject* parent)
    : QObject(parent)
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device") < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        return;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0)
        return;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DeviceChangeWatcher::receiveEvents);
}

DeviceChangeWatcher::~DeviceChangeWatcher()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void DeviceChangeWatcher::receiveEvents()
{
    // Drain every queued event but signal once: a programmer plugged in arrives as a burst, and
    // one connection check answers all of it.
    bool changed = false;
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        const char* action = udev_device_get_action(device);
        if (action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0))
            changed = true;
        udev_device_unref(device);
    }
    if (changed)
        emit deviceChanged();
}
