#pragma once

#include "protocol/chip_identity.h"
#include "protocol/observer.h"
#include "serial/serial_link.h"

#include <cstdint>

// One connected chip as the operations see it: the link, whoever observes them, and the chip as
// the last handshake or device-information request identified it. What one operation needs
// beyond that comes with its request; what it finds goes back in its result.
struct DeviceSession {
    DeviceSession(SerialLink &serialLink, Observer &watcher) : link(serialLink), ui(watcher) {}

    SerialLink &link;
    Observer &ui;

    ChipIdentity identity;
    int packetDelayUs = 125;

    // The chip's row of the chip table.
    const ChipModel &chip() const { return identity.row(); }
    bool stopRequested() const { return ui.stopRequested(); }
};
