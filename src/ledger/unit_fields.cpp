#include "ledger/unit_fields.h"

#include "ledger/field_codec.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// A bundle declares a handful of fields; a pool value is a key or a certificate at most.
constexpr int FieldsMax = 64;
constexpr int PoolValueMax = 4096;
constexpr int AsciiDigitsMax = 18;
// An EDID display descriptor's text.
constexpr int EdidTextMax = 13;

const QStringList commonKeys = {"name", "kind", "offset"};
const QStringList counterKeys = {"width", "encoding", "prefix", "digits", "start", "step"};
const QStringList edidKeys = {"from"};
const QStringList poolKeys = {"pool", "length", "secret"};

bool plainName(const QString &name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_.-]{1,32}$"));
    return pattern.match(name).hasMatch();
}

// Each reader returns false after setting the reason.
struct FieldReader {
    QString &reason;
    QString where;

    bool fail(const QString &why) {
        reason = where + QStringLiteral(": ") + why;
        return false;
    }

    // A whole number from 0 to `most`, as JSON number or as "0x.." text.
    bool number(const QJsonObject &o, const char *key, uint64_t most, uint64_t &value) {
        const QJsonValue v = o.value(QLatin1String(key));
        bool ok = false;
        if (v.isString() && v.toString().startsWith(QLatin1String("0x"))) {
            const QString digits = v.toString().mid(2);
            static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,16}$"));
            if (hex.match(digits).hasMatch()) value = digits.toULongLong(&ok, 16);
        } else if (v.isDouble()) {
            const double d = v.toDouble();
            ok = d >= 0 && d <= 9007199254740992.0 && d == double(uint64_t(d));
            if (ok) value = uint64_t(d);
        }
        if (!ok || value > most)
            return fail(QStringLiteral("\"%1\" must be a whole number from 0 to %2")
                            .arg(QLatin1String(key))
                            .arg(most));
        return true;
    }

    bool onlyKeys(const QJsonObject &o, const QStringList &allowed) {
        for (const QString &key : o.keys())
            if (!commonKeys.contains(key) && !allowed.contains(key))
                return fail(QStringLiteral("unknown field \"%1\"").arg(key.left(40)));
        return true;
    }

    bool counter(const QJsonObject &o, UnitField &f) {
        if (!onlyKeys(o, counterKeys)) return false;
        const QString encoding = o.value(QLatin1String("encoding")).toString();
        if (encoding == QLatin1String("u32le"))
            f.encoding = CounterEncoding::U32le;
        else if (encoding == QLatin1String("u32be"))
            f.encoding = CounterEncoding::U32be;
        else if (encoding == QLatin1String("ascii"))
            f.encoding = CounterEncoding::Ascii;
        else
            return fail(QStringLiteral("\"encoding\" must be u32le, u32be or ascii"));
        uint64_t n = 0;
        if (f.encoding == CounterEncoding::Ascii) {
            const QJsonValue prefix = o.value(QLatin1String("prefix"));
            if (!prefix.isUndefined() && !prefix.isString())
                return fail(QStringLiteral("\"prefix\" must be text"));
            f.prefix = prefix.toString();
            for (const QChar c : f.prefix)
                if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                    return fail(QStringLiteral("\"prefix\" must be printable ASCII"));
            if (f.prefix.size() > 32)
                return fail(QStringLiteral("\"prefix\" is over 32 characters"));
            if (!number(o, "digits", AsciiDigitsMax, n)) return false;
            if (n == 0) return fail(QStringLiteral("\"digits\" must be 1 at least"));
            f.digits = int(n);
            f.width = f.prefix.size() + f.digits;
        } else if (o.contains(QLatin1String("prefix")) || o.contains(QLatin1String("digits"))) {
            return fail(QStringLiteral("\"prefix\" and \"digits\" go with the ascii encoding"));
        }
        if (o.contains(QLatin1String("width"))) {
            if (!number(o, "width", 64, n)) return false;
            const bool fits = f.encoding == CounterEncoding::Ascii ? int(n) >= f.width : n == 4;
            if (!fits)
                return fail(f.encoding == CounterEncoding::Ascii
                                ? QStringLiteral("\"width\" is less than the prefix and digits")
                                : QStringLiteral("\"width\" of a 32-bit number must be 4"));
            f.width = int(n);
        }
        if (!number(o, "start", f.counterMax(), f.start)) return false;
        if (o.contains(QLatin1String("step"))) {
            if (!number(o, "step", f.counterMax(), f.step)) return false;
            if (f.step == 0) return fail(QStringLiteral("\"step\" must be 1 at least"));
        }
        return true;
    }

    bool edid(const QJsonObject &o, UnitField &f) {
        if (!onlyKeys(o, edidKeys)) return false;
        f.from = o.value(QLatin1String("from")).toString();
        if (f.from.isEmpty()) return fail(QStringLiteral("\"from\" must name a counter field"));
        return true;
    }

    bool pool(const QJsonObject &o, UnitField &f) {
        if (!onlyKeys(o, poolKeys)) return false;
        f.pool = o.value(QLatin1String("pool")).toString();
        if (!plainName(f.pool))
            return fail(QStringLiteral("\"pool\" must be a name of 1 to 32 letters, digits, "
                                       "'_', '.' or '-'"));
        uint64_t n = 0;
        if (!number(o, "length", PoolValueMax, n)) return false;
        if (n == 0) return fail(QStringLiteral("\"length\" must be 1 byte at least"));
        f.length = int(n);
        const QJsonValue secret = o.value(QLatin1String("secret"));
        if (!secret.isUndefined() && !secret.isBool())
            return fail(QStringLiteral("\"secret\" must be true or false"));
        f.secret = secret.toBool(false);
        return true;
    }

    bool field(const QJsonValue &v, UnitField &f) {
        if (!v.isObject()) return fail(QStringLiteral("each field must be an object"));
        const QJsonObject o = v.toObject();
        f.name = o.value(QLatin1String("name")).toString();
        if (!plainName(f.name))
            return fail(
                QStringLiteral("\"name\" must be 1 to 32 letters, digits, '_', '.' or '-'"));
        where += QStringLiteral(" \"%1\"").arg(f.name);
        uint64_t offset = 0;
        if (!number(o, "offset", 0xFFFFFFFFull, offset)) return false;
        f.offset = uint32_t(offset);
        const QString kind = o.value(QLatin1String("kind")).toString();
        if (kind == QLatin1String("counter")) {
            f.kind = FieldKind::Counter;
            return counter(o, f);
        }
        if (kind == QLatin1String("edid-serial")) {
            f.kind = FieldKind::EdidSerial;
            return edid(o, f);
        }
        if (kind == QLatin1String("pool")) {
            f.kind = FieldKind::Pool;
            return pool(o, f);
        }
        return fail(QStringLiteral("\"kind\" must be counter, edid-serial or pool"));
    }
};

QString hexOffset(uint32_t offset) {
    return QStringLiteral("0x") + QString::number(offset, 16);
}

const char *encodingName(CounterEncoding e) {
    switch (e) {
    case CounterEncoding::U32le:
        return "u32le";
    case CounterEncoding::U32be:
        return "u32be";
    case CounterEncoding::Ascii:
        return "ascii";
    }
    return "";
}

// The rules between fields: names unique, no overlap, each edid-serial fed by a counter that fits.
bool crossCheck(const UnitFields &fields, QString &reason) {
    QSet<QString> names;
    for (const UnitField &f : fields) {
        if (names.contains(f.name)) {
            reason = QStringLiteral("unit_data: two fields are named \"%1\"").arg(f.name);
            return false;
        }
        names.insert(f.name);
    }
    QList<const UnitField *> byOffset;
    for (const UnitField &f : fields)
        byOffset.append(&f);
    std::sort(byOffset.begin(), byOffset.end(),
              [](const UnitField *a, const UnitField *b) { return a->offset < b->offset; });
    for (int i = 1; i < byOffset.size(); ++i) {
        const UnitField &a = *byOffset.at(i - 1), &b = *byOffset.at(i);
        if (uint64_t(a.offset) + uint64_t(a.size()) > b.offset) {
            reason = QStringLiteral("unit_data: \"%1\" and \"%2\" overlap").arg(a.name, b.name);
            return false;
        }
    }
    for (const UnitField &f : fields) {
        if (f.kind != FieldKind::EdidSerial) continue;
        const UnitField *source = Find_UnitField(fields, f.from);
        if (!source || source->kind != FieldKind::Counter) {
            reason = QStringLiteral("unit_data \"%1\": \"from\" names no counter field (\"%2\")")
                         .arg(f.name, f.from);
            return false;
        }
        // The EDID's ID serial is 32 bits and its descriptor 13 characters.
        if (source->counterMax() > 0xFFFFFFFFull ||
            Counter_Text(*source, source->counterMax()).size() > EdidTextMax) {
            reason = QStringLiteral("unit_data \"%1\": counter \"%2\" can exceed the EDID's serial "
                                    "(32 bits, 13 characters)")
                         .arg(f.name, f.from);
            return false;
        }
    }
    return true;
}

} // namespace

int UnitField::size() const {
    switch (kind) {
    case FieldKind::Counter:
        return width;
    case FieldKind::EdidSerial:
        return EdidBlockSize;
    case FieldKind::Pool:
        return length;
    }
    return 0;
}

uint64_t UnitField::counterMax() const {
    if (encoding != CounterEncoding::Ascii) return 0xFFFFFFFFull;
    uint64_t most = 1;
    for (int i = 0; i < digits; ++i)
        most *= 10;
    return most - 1;
}

bool Parse_UnitFields(const QJsonValue &json, UnitFields &fields, QString &reason) {
    fields.clear();
    if (!json.isArray()) {
        reason = QStringLiteral("unit_data must be an array of fields");
        return false;
    }
    const QJsonArray array = json.toArray();
    if (array.size() > FieldsMax) {
        reason = QStringLiteral("unit_data holds more than %1 fields").arg(FieldsMax);
        return false;
    }
    for (int i = 0; i < array.size(); ++i) {
        UnitField f;
        FieldReader read{reason, QStringLiteral("unit_data field %1").arg(i + 1)};
        if (!read.field(array.at(i), f)) {
            fields.clear();
            return false;
        }
        fields.append(f);
    }
    if (!crossCheck(fields, reason)) {
        fields.clear();
        return false;
    }
    return true;
}

QJsonArray Write_UnitFields(const UnitFields &fields) {
    QJsonArray array;
    for (const UnitField &f : fields) {
        QJsonObject o{{"name", f.name}, {"offset", hexOffset(f.offset)}};
        switch (f.kind) {
        case FieldKind::Counter:
            o.insert(QStringLiteral("kind"), QStringLiteral("counter"));
            o.insert(QStringLiteral("encoding"), QLatin1String(encodingName(f.encoding)));
            o.insert(QStringLiteral("width"), f.width);
            if (f.encoding == CounterEncoding::Ascii) {
                o.insert(QStringLiteral("prefix"), f.prefix);
                o.insert(QStringLiteral("digits"), f.digits);
            }
            o.insert(QStringLiteral("start"), double(f.start));
            o.insert(QStringLiteral("step"), double(f.step));
            break;
        case FieldKind::EdidSerial:
            o.insert(QStringLiteral("kind"), QStringLiteral("edid-serial"));
            o.insert(QStringLiteral("from"), f.from);
            break;
        case FieldKind::Pool:
            o.insert(QStringLiteral("kind"), QStringLiteral("pool"));
            o.insert(QStringLiteral("pool"), f.pool);
            o.insert(QStringLiteral("length"), f.length);
            o.insert(QStringLiteral("secret"), f.secret);
            break;
        }
        array.append(o);
    }
    return array;
}

QString UnitFields_ImageRefusal(const UnitFields &fields, const QByteArray &image) {
    for (const UnitField &f : fields) {
        if (uint64_t(f.offset) + uint64_t(f.size()) > uint64_t(image.size()))
            return QStringLiteral("unit_data \"%1\" (%2 bytes at %3) lies outside the flash image "
                                  "of %4 bytes")
                .arg(f.name)
                .arg(f.size())
                .arg(hexOffset(f.offset))
                .arg(image.size());
        if (f.kind != FieldKind::EdidSerial) continue;
        const QByteArray block = image.mid(int(f.offset), EdidBlockSize);
        if (!Edid_HeaderValid(block))
            return QStringLiteral("unit_data \"%1\": no EDID header at %2")
                .arg(f.name, hexOffset(f.offset));
        if (!Edid_ChecksumValid(block))
            return QStringLiteral("unit_data \"%1\": the EDID block at %2 has a bad checksum")
                .arg(f.name, hexOffset(f.offset));
    }
    return QString();
}

const UnitField *Find_UnitField(const UnitFields &fields, const QString &name) {
    for (const UnitField &f : fields)
        if (f.name == name) return &f;
    return nullptr;
}

QString UnitField_Text(const UnitField &f) {
    const QString at = QStringLiteral("at %1, %2 bytes").arg(hexOffset(f.offset)).arg(f.size());
    switch (f.kind) {
    case FieldKind::Counter:
        return QStringLiteral("%1: counter %2 %3, from %4 step %5")
            .arg(f.name,
                 f.encoding == CounterEncoding::Ascii
                     ? QStringLiteral("ascii \"%1\" + %2 digits").arg(f.prefix).arg(f.digits)
                     : QLatin1String(encodingName(f.encoding)),
                 at)
            .arg(f.start)
            .arg(f.step);
    case FieldKind::EdidSerial:
        return QStringLiteral("%1: EDID serial %2, from \"%3\"").arg(f.name, at, f.from);
    case FieldKind::Pool:
        return QStringLiteral("%1: pool \"%2\" %3%4")
            .arg(f.name, f.pool, at, f.secret ? QStringLiteral(", secret") : QString());
    }
    return QString();
}
