#pragma once

#include "serial/port_info.h"
#include "serial/port_map.h"

#include <QString>

// The port a run opens, and how it was found.
struct PortChoice {
    QString portName; // empty when no port could be chosen; `error` says why
    QString origin;   // how it was found, for the log; empty when it was named as it is
    QString error;
    bool notConnected = false; // no port answers to the value: the board is not plugged in
};

// What a --port value names:
// - "" the chip's port of the serial-port map (on Linux, unless TESSARA_SERIALCOMM gives the map,
//   that is a guess: the first ttyACM device);
// - "serial:NUMBER" the one port whose USB serial number is NUMBER (none, or several, is an
//   error), so that a bench names a board that gets a new ttyACM number on every re-plug;
// - anything else the port of that name or path.
// Resolved when a run starts, and again on every arrival of a watched board.
PortChoice Resolve_Port(const QString &portArgument, const SerialCommMap &map,
                        const QList<PortIdentity> &identities);
