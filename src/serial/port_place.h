#pragma once

#include <QString>

// Where a serial port sits on the USB tree, so that a place on a hub keeps its name whichever
// board is plugged into it.
struct PortPlace {
    // The system's name of the physical path (udev's ID_PATH, else the sysfs path of the port's
    // USB interface); empty for a port that is on no USB bus (a pseudo-terminal).
    QString physicalPath;
    // The hub port numbers from the root hub down ("1.3"); empty when not known.
    QString hubPorts;
};

// The place of `port` (a device name or path); empty when the system knows none.
PortPlace Port_Place(const QString &port);
