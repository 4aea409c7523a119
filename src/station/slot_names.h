#pragma once

#include "serial/port_place.h"
#include "station/slots_conf.h"

#include <QList>
#include <QString>
#include <functional>

// A place of the fixture: what keys its tile (the port's physical path, else the port itself)
// and its name.
struct SlotId {
    QString key;
    QString name;
};

// Names the slot of a port: from slots.conf by its physical path or its device path, else after
// its hub ports ("1.3"), else after the device.
class SlotNames {
  public:
    using PlaceOf = std::function<PortPlace(const QString &port)>;
    explicit SlotNames(QList<SlotEntry> entries = {}, PlaceOf placeOf = Port_Place);

    SlotId slotOf(const QString &port) const;
    // The slots slots.conf names, in its order (shown even without a board).
    QList<SlotId> named() const;

  private:
    QList<SlotEntry> entries;
    PlaceOf placeOf;
};
