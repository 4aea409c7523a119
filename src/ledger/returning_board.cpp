#include "ledger/returning_board.h"

#include "protocol/crc32.h"

namespace {

uint32_t crcOf(const QByteArray &bytes) {
    return crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

} // namespace

bool Assign_HeldValues(const UnitFields &fields, const UnitValues &held, UnitValues &values) {
    UnitValues left = held;
    values.clear();
    for (const UnitField &f : fields) {
        if (f.kind == FieldKind::EdidSerial) continue;
        const QString source = f.kind == FieldKind::Pool ? f.pool : f.name;
        int i = 0;
        while (i < left.size() && left.at(i).source != source)
            ++i;
        if (i == left.size()) return false;
        UnitValue v = left.takeAt(i);
        v.field = f.name;
        values.append(v);
    }
    return left.isEmpty();
}

bool Board_HoldsValues(const QByteArray &runImage, const UnitFields &fields,
                       const UnitValues &values, const QList<uint32_t> &onBoard) {
    QByteArray patched;
    QString reason;
    if (onBoard.size() != fields.size() ||
        !Apply_UnitValues(runImage, fields, values, patched, reason))
        return false;
    for (int i = 0; i < fields.size(); ++i) {
        const int at = int(fields.at(i).offset), size = fields.at(i).size();
        const QByteArray mine = patched.mid(at, size);
        // An erased range, or the run image's own bytes, is what a board that never got these
        // values may hold as well.
        if (mine == QByteArray(size, char(0xFF)) || mine == runImage.mid(at, size)) continue;
        if (crcOf(mine) == onBoard.at(i)) return true;
    }
    return false;
}

Result<QString> Find_ReturningLease(const QByteArray &runImage, const UnitFields &fields,
                                    const QList<BoardLease> &held, const BoardFlashCrc &ask) {
    if (held.isEmpty()) return QString();
    QList<uint32_t> onBoard;
    for (const UnitField &f : fields) {
        const Result<uint32_t> crc = ask(f.offset, f.size());
        if (!crc.ok()) return crc.failure();
        onBoard.append(crc.value());
    }
    for (const BoardLease &lease : held) {
        UnitValues values;
        if (Assign_HeldValues(fields, lease.values, values) &&
            Board_HoldsValues(runImage, fields, values, onBoard))
            return lease.id;
    }
    return QString();
}
