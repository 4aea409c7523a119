#include "bundle/zip_layout.h"

namespace {

constexpr int EndRecordSize = 22;      // without its comment
constexpr int DirectoryEntrySize = 46; // without its name, extra field and comment
constexpr int Zip64LocatorSize = 20;
constexpr int CommentMax = 0xFFFF;

const QByteArray LocalHeader("PK\x03\x04", 4);
const QByteArray DirectoryEntry("PK\x01\x02", 4);
const QByteArray EndRecord("PK\x05\x06", 4);
const QByteArray Zip64Locator("PK\x06\x07", 4);

quint32 le(const QByteArray &bytes, qint64 at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[int(at + i)]);
    return value;
}

bool signatureAt(const QByteArray &bytes, qint64 at, const QByteArray &signature) {
    return at >= 0 && at + 4 <= bytes.size() && bytes.mid(int(at), 4) == signature;
}

// The last end record, or -1; `after` gets the bytes that follow it and its comment.
qint64 findEndRecord(const QByteArray &bytes, qint64 &after) {
    const qint64 lowest = qMax<qint64>(0, bytes.size() - EndRecordSize - CommentMax);
    for (qint64 at = bytes.size() - EndRecordSize; at >= lowest; --at) {
        if (!signatureAt(bytes, at, EndRecord)) continue;
        const qint64 end = at + EndRecordSize + le(bytes, at + 20, 2);
        if (end > bytes.size()) continue; // a comment that runs past the file: not the record
        after = bytes.size() - end;
        return at;
    }
    return -1;
}

QString notWhole(const QString &why) {
    return QStringLiteral("not a whole zip archive: ") + why;
}

} // namespace

QString Zip_LayoutRefusal(const QByteArray &bytes) {
    qint64 after = 0;
    const qint64 end = findEndRecord(bytes, after);
    if (end < 0) return QStringLiteral("not a zip archive (no end-of-central-directory record)");
    if (after > 0) return notWhole(QStringLiteral("%1 bytes follow its end").arg(after));
    if (signatureAt(bytes, end - Zip64LocatorSize, Zip64Locator) ||
        le(bytes, end + 16, 4) == 0xFFFFFFFFu || le(bytes, end + 10, 2) == 0xFFFF)
        return QStringLiteral("a zip64 archive, which a bundle never needs to be");
    const quint32 entries = le(bytes, end + 10, 2);
    if (le(bytes, end + 4, 2) != 0 || le(bytes, end + 6, 2) != 0 ||
        le(bytes, end + 8, 2) != entries)
        return notWhole(QStringLiteral("it says it spans several disks"));
    const qint64 size = le(bytes, end + 12, 4), start = le(bytes, end + 16, 4);
    if (start + size != end)
        return notWhole(start + size < end
                            ? QStringLiteral("%1 bytes before its directory that its offsets do "
                                             "not account for (data before it)")
                                  .arg(end - start - size)
                            : QStringLiteral("its directory's offsets lie past its end"));
    if (!signatureAt(bytes, 0, LocalHeader))
        return notWhole(QStringLiteral("it does not start with an entry (data before it)"));
    qint64 at = start;
    for (quint32 i = 0; i < entries; ++i) {
        if (at + DirectoryEntrySize > end || !signatureAt(bytes, at, DirectoryEntry))
            return notWhole(QStringLiteral("its directory holds fewer entries than it says"));
        const qint64 local = le(bytes, at + 42, 4);
        if (local >= start || !signatureAt(bytes, local, LocalHeader))
            return notWhole(QStringLiteral("a directory entry points to no entry"));
        at += DirectoryEntrySize + le(bytes, at + 28, 2) + le(bytes, at + 30, 2) +
              le(bytes, at + 32, 2);
    }
    if (at != end) return notWhole(QStringLiteral("its directory holds more than its entries"));
    return QString();
}
