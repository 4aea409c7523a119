#include "serial/port_place.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <libudev.h>
#include <memory>

namespace {

// "1-1.3:1.0" (a USB interface) or "pci-0000:00:14.0-usb-0:1.3:1.0" (an ID_PATH): "1.3".
QString hubPortsOf(const QString &path) {
    static const QRegularExpression ports(
        QStringLiteral("[-:]([0-9]+(?:\\.[0-9]+)*):[0-9]+\\.[0-9]+$"));
    const QRegularExpressionMatch m = ports.match(path);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

PortPlace Port_Place(const QString &port) {
    // A link (the fixture's names) stands for the device it points to.
    const QString device = QFileInfo(port).canonicalFilePath();
    const QString sysname = QFileInfo(device.isEmpty() ? port : device).fileName();
    if (sysname.isEmpty()) return {};
    std::unique_ptr<udev, decltype(&udev_unref)> context(udev_new(), udev_unref);
    if (!context) return {};
    std::unique_ptr<udev_device, decltype(&udev_device_unref)> tty(
        udev_device_new_from_subsystem_sysname(context.get(), "tty",
                                               sysname.toLocal8Bit().constData()),
        udev_device_unref);
    if (!tty) return {};
    // The interface is the tty's parent; it belongs to the device, not to `tty`: no unref.
    udev_device *usb =
        udev_device_get_parent_with_subsystem_devtype(tty.get(), "usb", "usb_interface");
    if (!usb) return {};
    const char *idPath = udev_device_get_property_value(tty.get(), "ID_PATH");
    PortPlace place;
    place.physicalPath = QString::fromLocal8Bit(idPath ? idPath : udev_device_get_syspath(usb));
    place.hubPorts = hubPortsOf(QString::fromLocal8Bit(udev_device_get_sysname(usb)));
    return place;
}
