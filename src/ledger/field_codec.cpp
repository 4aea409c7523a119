#include "ledger/field_codec.h"

#include <QCryptographicHash>

namespace {

constexpr char EdidHeader[] = "\x00\xFF\xFF\xFF\xFF\xFF\xFF\x00";
constexpr int EdidSerialAt = 12;
constexpr int EdidChecksumAt = 127;
// The four 18-byte descriptors of a base block; a display descriptor starts with three zero
// bytes and its tag.
constexpr int DescriptorsAt[] = {54, 72, 90, 108};
constexpr uint8_t SerialTag = 0xFF;
constexpr int DescriptorTextAt = 5;
constexpr int DescriptorTextSize = 13;

uint8_t byteAt(const QByteArray &b, int i) {
    return uint8_t(b.at(i));
}

const UnitValue *valueFor(const UnitValues &values, const QString &field) {
    for (const UnitValue &v : values)
        if (v.field == field) return &v;
    return nullptr;
}

} // namespace

std::optional<QByteArray> Encode_Counter(const UnitField &f, uint64_t number) {
    if (f.kind != FieldKind::Counter || number > f.counterMax()) return std::nullopt;
    QByteArray bytes(f.width, '\0');
    switch (f.encoding) {
    case CounterEncoding::U32le:
    case CounterEncoding::U32be:
        for (int i = 0; i < 4; ++i) {
            const int at = f.encoding == CounterEncoding::U32le ? i : 3 - i;
            bytes[at] = char((number >> (8 * i)) & 0xFF);
        }
        break;
    case CounterEncoding::Ascii: {
        const QByteArray text = Counter_Text(f, number).toLatin1();
        if (text.size() > f.width) return std::nullopt;
        bytes.replace(0, text.size(), text);
        break;
    }
    }
    return bytes;
}

QString Counter_Text(const UnitField &f, uint64_t number) {
    if (f.encoding != CounterEncoding::Ascii) return QString::number(number);
    return f.prefix + QStringLiteral("%1").arg(number, f.digits, 10, QLatin1Char('0'));
}

bool Edid_HeaderValid(const QByteArray &block) {
    return block.size() == EdidBlockSize && block.startsWith(QByteArray(EdidHeader, 8));
}

bool Edid_ChecksumValid(const QByteArray &block) {
    if (block.size() != EdidBlockSize) return false;
    uint8_t sum = 0;
    for (int i = 0; i < EdidBlockSize; ++i)
        sum = uint8_t(sum + byteAt(block, i));
    return sum == 0;
}

bool Patch_EdidSerial(QByteArray &block, uint32_t serialNumber, const QString &serialText) {
    if (!Edid_HeaderValid(block) || serialText.size() > DescriptorTextSize) return false;
    for (const QChar c : serialText)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
    for (int i = 0; i < 4; ++i)
        block[EdidSerialAt + i] = char((serialNumber >> (8 * i)) & 0xFF);
    for (const int at : DescriptorsAt) {
        const bool serialDescriptor = byteAt(block, at) == 0 && byteAt(block, at + 1) == 0 &&
                                      byteAt(block, at + 2) == 0 &&
                                      byteAt(block, at + 3) == SerialTag;
        if (!serialDescriptor) continue;
        // ASCII ended by a line feed and padded with spaces.
        QByteArray text = serialText.toLatin1();
        if (text.size() < DescriptorTextSize) text.append('\x0A');
        text = text.leftJustified(DescriptorTextSize, ' ');
        block.replace(at + DescriptorTextAt, DescriptorTextSize, text);
    }
    uint8_t sum = 0;
    for (int i = 0; i < EdidChecksumAt; ++i)
        sum = uint8_t(sum + byteAt(block, i));
    block[EdidChecksumAt] = char(uint8_t(0x100 - sum));
    return true;
}

bool Apply_UnitValues(const QByteArray &image, const UnitFields &fields, const UnitValues &values,
                      QByteArray &patched, QString &reason) {
    patched = image;
    const auto fail = [&](const QString &why) {
        patched.clear();
        reason = why;
        return false;
    };
    for (const UnitField &f : fields) {
        if (uint64_t(f.offset) + uint64_t(f.size()) > uint64_t(image.size()))
            return fail(QStringLiteral("\"%1\" lies outside the flash image").arg(f.name));
        const bool fromCounter = f.kind == FieldKind::EdidSerial;
        const UnitField *source = fromCounter ? Find_UnitField(fields, f.from) : &f;
        const UnitValue *value = source ? valueFor(values, source->name) : nullptr;
        if (!value) return fail(QStringLiteral("no value for \"%1\"").arg(f.name));
        QByteArray bytes;
        if (f.kind == FieldKind::Counter) {
            const std::optional<QByteArray> encoded = Encode_Counter(f, value->number);
            if (!encoded)
                return fail(
                    QStringLiteral("%1 does not fit \"%2\"").arg(value->number).arg(f.name));
            bytes = *encoded;
        } else if (f.kind == FieldKind::Pool) {
            if (value->bytes.size() != f.length)
                return fail(QStringLiteral("the value for \"%1\" is %2 bytes, not %3")
                                .arg(f.name)
                                .arg(value->bytes.size())
                                .arg(f.length));
            bytes = value->bytes;
        } else {
            bytes = image.mid(int(f.offset), EdidBlockSize);
            if (value->number > 0xFFFFFFFFull ||
                !Patch_EdidSerial(bytes, uint32_t(value->number),
                                  Counter_Text(*source, value->number)))
                return fail(QStringLiteral("the EDID block of \"%1\" cannot take serial %2")
                                .arg(f.name)
                                .arg(value->number));
        }
        patched.replace(int(f.offset), bytes.size(), bytes);
    }
    return true;
}

QString Secret_Tag(const QByteArray &value) {
    return QString::fromLatin1(
        QCryptographicHash::hash(value, QCryptographicHash::Sha256).toHex().left(8));
}

QString UnitValue_Text(const UnitField &f, const UnitValue &v) {
    if (f.kind != FieldKind::Pool) return Counter_Text(f, v.number);
    if (!f.secret) return QString::fromLatin1(v.bytes.toHex());
    return QStringLiteral("pool %1 #%2 sha256 %3")
        .arg(f.pool)
        .arg(v.index)
        .arg(Secret_Tag(v.bytes));
}

QList<QPair<uint32_t, uint32_t>> UnitField_Ranges(const UnitFields &fields) {
    QList<QPair<uint32_t, uint32_t>> ranges;
    for (const UnitField &f : fields)
        ranges.append({f.offset, uint32_t(f.offset + uint32_t(f.size()))});
    return ranges;
}
