#pragma once

#include <QObject>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Tells the main window when a USB device is attached or removed, as the operating system's
// device-change notification does, so the status bar follows the programmer being plugged in
// or out. Watches the kernel's USB events through libudev. Where no event source can be had
// (no udev in a container, a refused netlink socket) the watcher stays inactive and the program
// works on without it: window activation still runs the connection check.
class DeviceChangeWatcher : public QObject {
    Q_OBJECT
public:
    explicit DeviceChangeWatcher(QObject* parent = nullptr);
    ~DeviceChangeWatcher() override;

signals:
    void deviceChanged();

private:
    void receiveEvents();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
};
