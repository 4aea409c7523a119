#pragma once

#include "serial/port_info.h"
#include "serial/port_map.h"

#include <QStringList>

// The serial-port map as a table, one line per entry in the map's order: "*" on the chip's port,
// the kernel name, the port name, and the USB identity the system gives the port, if any.
QStringList Port_Listing(const SerialCommMap &map, const QList<PortIdentity> &identities);
