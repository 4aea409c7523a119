#pragma once

#include "ledger/unit_fields.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

// Applying a board's values to a copy of the flash image. Pure.

// What one board got for one field: a counter's number or a pool's value.
struct UnitValue {
    QString field;       // the field's name
    QString source;      // the counter's or the pool's name
    int64_t index = 0;   // the value's place in its pool, or the counter's step number
    uint64_t number = 0; // counter
    QByteArray bytes;    // pool
};
using UnitValues = QList<UnitValue>;

// The counter's number as the field writes it; none when it does not fit the field.
std::optional<QByteArray> Encode_Counter(const UnitField &field, uint64_t number);
// The counter's number as text (the ascii field's prefix and digits, else decimal): what records
// and the EDID's display serial show.
QString Counter_Text(const UnitField &field, uint64_t number);

// Sets an EDID base block's ID serial number (bytes 12-15, little-endian), its display serial
// descriptor (tag 0xFF) where it has one, and its checksum (byte 127). False when `block` is not
// a base block of valid header or `serialText` does not fit a descriptor (13 characters).
bool Patch_EdidSerial(QByteArray &block, uint32_t serialNumber, const QString &serialText);
// Whether `block` is an EDID base block: its header, and its bytes summing to 0 mod 256.
bool Edid_HeaderValid(const QByteArray &block);
bool Edid_ChecksumValid(const QByteArray &block);

// The image with every field set from `values` (one per counter and pool field), or the reason
// it cannot be.
bool Apply_UnitValues(const QByteArray &image, const UnitFields &fields, const UnitValues &values,
                      QByteArray &patched, QString &reason);

// The first 8 hex digits of the SHA-256 of a secret: enough to tell values apart in a record,
// nothing of the value itself.
QString Secret_Tag(const QByteArray &value);
// How records, events and the ledger's listing show a value: a counter's text, a pool value in hex,
// or for a secret "pool hdcp #3 sha256 1a2b3c4d".
QString UnitValue_Text(const UnitField &field, const UnitValue &value);

// The byte ranges the fields cover, as [offset, offset + size) pairs: what a trace masks.
QList<QPair<uint32_t, uint32_t>> UnitField_Ranges(const UnitFields &fields);
