#include "station/tile_grid.h"

#include "station/slot_tile.h"

#include <QTimer>
#include <algorithm>
#include <tuple>

namespace {

constexpr int Gap = 6;
// The smallest scale leaves the state word at 18 pt (the smaller lines stop at 9 pt); the
// largest is for a big screen with few slots, read from across the bench.
constexpr double MinScale = 0.6, MaxScale = 3.0, ScaleStep = 0.05;
constexpr int ScaleSteps = int((MaxScale - MinScale) / ScaleStep + 0.5);

int cellSize(int space, int count) {
    return std::max(1, (space - Gap * (count + 1)) / count);
}

int rowsOf(int tiles, int columns) {
    return (tiles + columns - 1) / columns;
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
    if (tiles.isEmpty() || view.isEmpty()) return;
    columnCount = bestColumns();
    place();
}

int TileGrid::tallest(int width, double s) const {
    int most = 0;
    for (const SlotTile *tile : tiles)
        most = std::max(most, tile->heightAt(width, s));
    return most;
}

// Ranked: every tile whole without a scroll, then no word wider than its tile, then the
// squarest, largest tile (a tile's lines stack: a wide flat one wastes its width).
int TileGrid::bestColumns() const {
    const int n = int(tiles.size());
    std::tuple<bool, bool, int> best{false, false, -1};
    int chosen = 1;
    for (int c = 1; c <= n; ++c) {
        const int width = cellSize(space.width(), c);
        const int height = cellSize(space.height(), rowsOf(n, c));
        const int needed = tallest(width, MinScale);
        const std::tuple<bool, bool, int> rank{needed <= height, needed < SlotTile::TooNarrow,
                                               std::min(width, height)};
        if (rank > best) {
            best = rank;
            chosen = c;
        }
    }
    return chosen;
}

void TileGrid::place() {
    const int n = int(tiles.size());
    const int rows = rowsOf(n, columnCount);
    const int width = cellSize(space.width(), columnCount);
    int height = cellSize(space.height(), rows);
    // The largest font at which every tile's text fits its tile: the smallest does (else the
    // tiles grow), so the search is between it and the largest that does not.
    const auto scaleAt = [](int step) { return MinScale + step * ScaleStep; };
    int fits = 0, fitsNot = ScaleSteps + 1;
    while (fitsNot - fits > 1) {
        const int step = (fits + fitsNot) / 2;
        (tallest(width, scaleAt(step)) <= height ? fits : fitsNot) = step;
    }
    scale = scaleAt(fits);
    height = std::max(height, tallest(width, scale)); // too little room: taller tiles, and a scroll
    for (int i = 0; i < n; ++i) {
        tiles[i]->setScale(scale);
        tiles[i]->setGeometry(Gap + (i % columnCount) * (width + Gap),
                              Gap + (i / columnCount) * (height + Gap), width, height);
    }
    setMinimumHeight(Gap + rows * (height + Gap));
}
