#include "support/station_tiles.h"

#include "station/slot_tile.h"

QString Station_TileText(const QWidget &window, const QString &name) {
    for (const SlotTile *tile : window.findChildren<SlotTile *>())
        if (tile->accessibleName() == name) return tile->accessibleDescription();
    return QString();
}
