#pragma once

#include "jobs/board_report.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

// Who a board is, as far as it is known when the line hears of it.
struct BoardIdentity {
    QString port;
    // Its place on the station: in tessara-cli the place of its port among those run ("1" for
    // the first), in the station window the slot's name. Empty: none.
    QString slot;
    QString usbSerial; // its port's USB serial number; empty: none or not known
    QString model;     // empty before the chip is identified
    std::optional<uint32_t> bootVersion;
    QString bundleSha256;  // the release bundle written to it; empty: plain images
    QString bundleVersion; // that bundle's version
};

// "0x1a", as the report writes boot versions; empty when not known.
QString Boot_VersionText(const BoardIdentity &board);

// The release bundle written to `board`, as the fields of its records name it (bundle_sha256,
// version).
void Take_BundleFields(BoardIdentity &board, const QList<ReportField> &recordFields);

// What its records tell of who `board` is: usb_serial, its port's USB serial number (null when
// the port has none), so that a board that comes back is known by it.
QList<ReportField> Board_IdentityFields(const BoardIdentity &board);
