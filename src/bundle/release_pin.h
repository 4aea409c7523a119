#pragma once

#include "bundle/bundle_manifest.h"

#include <QList>
#include <QString>
#include <optional>

// What a station takes: one product, from a lowest release on, so that a line never goes back to
// an older release nor takes another product's, whoever signed it.

// A release version as dotted numbers ("2.10"): each part decimal digits, compared as numbers,
// missing parts as 0 (2.4 is 2.4.0). Bounded: at most 8 parts of at most 9 digits.
using DottedVersion = QList<quint32>;
// False, with the reason in words, for anything but dotted numbers.
bool Read_DottedVersion(const QString &text, DottedVersion &version, QString &reason);
// Negative, zero or positive as `a` is older than, the same release as, or newer than `b`.
int Compare_Versions(const DottedVersion &a, const DottedVersion &b);

struct ReleasePin {
    QString product;        // empty: any product
    QString minVersionText; // as given; empty: any version
    std::optional<DottedVersion> minVersion;
    bool isSet() const { return !product.isEmpty() || minVersion.has_value(); }
};

// Reads --min-version; false, with the reason naming the option, when it is not dotted numbers.
bool Read_MinVersion(const QString &text, ReleasePin &pin, QString &reason);

// Why a bundle of `manifest` is not for this station, saying both sides ("bundle is product X
// version 2.3; this station takes product Y from version 2.4"); empty when it is.
QString Release_PinRefusal(const BundleManifest &manifest, const ReleasePin &pin);
// Why images that name no product nor version cannot be written here; empty without a pin.
QString Release_PinRefusesImages(const ReleasePin &pin);
