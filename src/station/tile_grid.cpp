#include "station/tile_grid.h"

#include "station/slot_tile.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Gap = 8;
// The smallest scale keeps the smallest text at 9 pt; the largest is for a big screen with
// few slots, read from across the bench.
constexpr double MinScale = 0.75, MaxScale = 3.0, ScaleStep = 0.05;

int cellSize(int space, int count) {
    return std::max(1, (space - Gap * (count + 1)) / count);
}

} // namespace

TileGrid::TileGrid(QWidget *parent) : QWidget(parent) {}

void TileGrid::addTile(SlotTile *tile) {
    tile->setParent(this);
    tiles.append(tile);
    connect(tile, &SlotTile::textChanged, this, &TileGrid::refitSoon);
    tile->show();
    refitSoon();
}

void TileGrid::refitSoon() {
    if (refitPending) return;
    refitPending = true;
    QTimer::singleShot(0, this, [this] {
        refitPending = false;
        fitTo(space);
    });
}

void TileGrid::fitTo(const QSize &view) {
    space = view;
    const int n = int(tiles.size());
    if (n == 0 || view.isEmpty()) return;
    // The columns that give the largest tile of a landscape shape (4:3), among those where no
    // word is wider than its tile at the smallest font (else fewer columns and a scroll).
    const auto wordsFit = [&](int width) {
        for (SlotTile *tile : tiles)
            if (tile->heightAt(width, MinScale) >= SlotTile::TooNarrow) return false;
        return true;
    };
    double best = -1;
    bool bestFits = false;
    for (int c = 1; c <= n; ++c) {
        const int rows = (n + c - 1) / c;
        const double w = cellSize(view.width(), c), h = cellSize(view.height(), rows);
        const double size = std::min(w, h * 4.0 / 3.0);
        if (size <= best + 0.5 && bestFits) continue;
        const bool fits = wordsFit(int(w));
        if ((fits && !bestFits) || (fits == bestFits && size > best + 0.5)) {
            best = size;
            bestFits = fits;
            columnCount = c;
        }
    }
    place();
}

void TileGrid::place() {
    const int n = int(tiles.size());
    const int rows = (n + columnCount - 1) / columnCount;
    const int width = cellSize(space.width(), columnCount);
    int height = cellSize(space.height(), rows);
    // The largest font at which every tile's text fits its tile.
    const auto tallest = [&](double s) {
        int most = 0;
        for (SlotTile *tile : tiles)
            most = std::max(most, tile->heightAt(width, s));
        return most;
    };
    scale = MinScale;
    for (double s = MaxScale; s >= MinScale; s -= ScaleStep)
        if (tallest(s) <= height) {
            scale = s;
            break;
        }
    height = std::max(height, tallest(scale)); // too little room: taller tiles, and a scroll
    for (int i = 0; i < n; ++i) {
        tiles[i]->setScale(scale);
        tiles[i]->setGeometry(Gap + (i % columnCount) * (width + Gap),
                              Gap + (i / columnCount) * (height + Gap), width, height);
    }
    setMinimumHeight(Gap + rows * (height + Gap));
}
