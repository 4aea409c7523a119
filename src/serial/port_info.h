#pragma once

#include <QList>
#include <QString>
#include <cstdint>

// What the system says about one serial port beyond its name: the USB identity of the device
// behind it, where it has one (Qt's port information, on Linux and Windows alike).
struct PortIdentity {
    QString portName; // ttyACM0, COM3
    QString location; // /dev/ttyACM0, \\.\COM3
    bool hasUsbIds = false;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    // Texts from the device's descriptors; only clean, bounded copies of them are ever shown.
    // `product` is the system's description: the product string on Linux, the driver's on Windows.
    QString serialNumber;
    QString manufacturer;
    QString product;
};

// The serial ports the system knows, with their identities: the seam the port listing and the
// port choice read, so that a test can put a USB board of its own in front of them.
QList<PortIdentity> System_PortIdentities();

// The identity of the port that the serial-port map names `portName` (by name or by location);
// nullptr when the system lists none.
const PortIdentity *Find_PortIdentity(const QList<PortIdentity> &identities,
                                      const QString &portName);

// The USB identity in one line: usb=VVVV:PPPP serial="..." manufacturer="..." product="...",
// missing parts left out; empty when the port has none. Device texts are cut to 64 characters
// and their control characters and quotes replaced, so a device cannot reach the terminal.
QString Describe_UsbIdentity(const PortIdentity &identity);
