#pragma once

#include "serial/port_info.h"
#include "serial/port_map.h"

#include <QMap>
#include <QStringList>

// The serial-port map as a table, one line per entry in the map's order: "*" on the chip's port,
// the kernel name, the port name, the port's note if any are given (what was found on it, by
// port name; a column as wide as the widest note up to 40 characters, blank for a port without
// one), and the USB identity the system gives the port, if any.
QStringList Port_Listing(const SerialCommMap &map, const QList<PortIdentity> &identities,
                         const QMap<QString, QString> &notes = {});
