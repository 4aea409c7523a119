#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QList>
#include <QString>
#include <cstdint>

// The per-board fields of a release bundle (the manifest's "unit_data"): where in the external
// flash image each board gets data of its own, and where that data comes from. Pure: no files,
// no database.

enum class FieldKind { Counter, EdidSerial, Pool };
enum class CounterEncoding { U32le, U32be, Ascii };

struct UnitField {
    QString name;
    FieldKind kind = FieldKind::Counter;
    uint32_t offset = 0; // in the flash image

    // counter: the numbers start, start + step, ... written in `width` bytes.
    CounterEncoding encoding = CounterEncoding::U32le;
    int width = 4;  // u32le/u32be: 4; ascii: prefix and digits, padded with zero bytes
    QString prefix; // ascii: printable ASCII before the digits
    int digits = 0; // ascii: the number in exactly this many decimal digits
    uint64_t start = 0;
    uint64_t step = 1;

    // edid-serial: the counter field whose number the EDID block at `offset` gets.
    QString from;

    // pool: a value of `length` bytes from the pool named `pool`.
    QString pool;
    int length = 0;
    bool secret = false;

    // The bytes of the image the field covers.
    int size() const;
    // The largest number a counter can write.
    uint64_t counterMax() const;
};

using UnitFields = QList<UnitField>;

// An EDID base block.
constexpr int EdidBlockSize = 128;

// Reads the manifest's "unit_data" array: every field known, complete and in range, names unique,
// no two fields overlapping, an edid-serial's counter declared. False with the reason.
bool Parse_UnitFields(const QJsonValue &json, UnitFields &fields, QString &reason);
// The fields as the manifest holds them.
QJsonArray Write_UnitFields(const UnitFields &fields);

// Checks the fields against the flash image they are to be written into: each inside it, and each
// edid-serial's block with a valid header and checksum. Empty when the image takes them.
QString UnitFields_ImageRefusal(const UnitFields &fields, const QByteArray &flashImage);

// The field named `name`, or null.
const UnitField *Find_UnitField(const UnitFields &fields, const QString &name);

// "serial: counter u32le at 0x7f000, 4 bytes, from 1000 step 1", for bundle show.
QString UnitField_Text(const UnitField &field);
