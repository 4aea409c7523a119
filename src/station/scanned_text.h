#pragma once

#include <QString>

// Whether a board's serial is scanned at the station: not at all, when the operator likes, or
// before any board runs (a board seated without one waits for it).
enum class ScanPolicy { Off, Optional, Required };

// A board serial, an operator's ID or a lot as a barcode reader types it: at most this long.
constexpr int MaxScannedLength = 64;

// Why `text` cannot be a board serial, an operator's ID or a lot (in the operator's language);
// empty when it can: 1 to MaxScannedLength printable characters, not starting or ending with a
// space.
QString Scanned_TextProblem(const QString &text);

// `serial` as a tile shows it: a long one may wrap (a zero-width space every 4 characters), so
// that it never runs past a narrow tile.
QString Breakable_Serial(const QString &serial);
