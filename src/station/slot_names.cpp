#include "station/slot_names.h"

#include <QFileInfo>

SlotNames::SlotNames(QList<SlotEntry> conf, PlaceOf place)
    : entries(std::move(conf)), placeOf(std::move(place)) {}

SlotId SlotNames::slotOf(const QString &port) const {
    const PortPlace place = placeOf(port);
    for (const SlotEntry &e : entries)
        if ((!place.physicalPath.isEmpty() && e.path == place.physicalPath) || e.path == port)
            return {e.path, e.name};
    const QString key = place.physicalPath.isEmpty() ? port : place.physicalPath;
    return {key, place.hubPorts.isEmpty() ? QFileInfo(port).fileName() : place.hubPorts};
}

QList<SlotId> SlotNames::named() const {
    QList<SlotId> places;
    for (const SlotEntry &e : entries)
        places.append({e.path, e.name});
    return places;
}
