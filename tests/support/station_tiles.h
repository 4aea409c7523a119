#pragma once

#include <QString>
#include <QWidget>

// The tile of slot `name` in a station's window as a screen reader reads it: "STATE: reason;
// hint"; empty when there is none.
QString Station_TileText(const QWidget &window, const QString &name);
