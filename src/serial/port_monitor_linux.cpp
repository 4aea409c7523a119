#include "serial/port_monitor.h"

#include <QSocketNotifier>
#include <libudev.h>

struct PortMonitor::Impl {
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    QSocketNotifier *notifier = nullptr;
};

PortMonitor::PortMonitor(QObject *parent) : QObject(parent), impl(new Impl) {
    impl->context = udev_new();
    if (!impl->context) return;
    impl->monitor = udev_monitor_new_from_netlink(impl->context, "udev");
    if (!impl->monitor) return;
    udev_monitor_filter_add_match_subsystem_devtype(impl->monitor, "tty", nullptr);
    if (udev_monitor_enable_receiving(impl->monitor) < 0) return;
    impl->notifier =
        new QSocketNotifier(udev_monitor_get_fd(impl->monitor), QSocketNotifier::Read, this);
    connect(impl->notifier, &QSocketNotifier::activated, this, [this] {
        udev_device *device = udev_monitor_receive_device(impl->monitor);
        if (!device) return;
        const QString action = QString::fromLatin1(udev_device_get_action(device));
        const char *sysname = udev_device_get_sysname(device);
        const QString name = sysname ? QString::fromLocal8Bit(sysname) : QString();
        udev_device_unref(device);
        if (name.isEmpty()) return;
        if (action == QLatin1String("add"))
            emit portArrived(name);
        else if (action == QLatin1String("remove"))
            emit portRemoved(name);
    });
}

PortMonitor::~PortMonitor() {
    if (impl->monitor) udev_monitor_unref(impl->monitor);
    if (impl->context) udev_unref(impl->context);
    delete impl;
}

PortMonitor::Change PortMonitor::Parse_DeviceChange(void *, QString *) {
    return Change::None;
}
