#pragma once

#include <QList>
#include <QWidget>

class SlotTile;

// The slots' tiles, as large as the space given lets them be. The columns are those that show
// every tile whole at the smallest readable font without a scroll, with the squarest tiles; the
// font is the largest at which every tile's text fits its tile. Where no column count shows
// them whole, the tiles grow taller than the space and the grid scrolls (it sits in a scroll
// area) instead of cutting text.
class TileGrid : public QWidget {
    Q_OBJECT

  public:
    explicit TileGrid(QWidget *parent = nullptr);

    void addTile(SlotTile *tile);
    // Lays the tiles out for a view of `space` (the scroll area's viewport).
    void fitTo(const QSize &space);
    // Lays them out again for the last space, once control returns to the event loop (a tile's
    // text changed); many calls make one layout.
    void refitSoon();

    int columns() const { return columnCount; }
    double fontScale() const { return scale; }

  private:
    int bestColumns() const;
    // The most any tile needs at `width` and font `scale`.
    int tallest(int width, double scale) const;
    void place();

    QList<SlotTile *> tiles;
    QSize space;
    int columnCount = 1;
    double scale = 1.0;
    bool refitPending = false;
};
