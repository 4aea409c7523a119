#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// Zip archives held in memory, through libarchive.

struct ZipEntry {
    QString name;
    QByteArray data;
    bool read = false;      // false: skipped, `data` is empty
    qint64 headerSize = -1; // the size the archive's own record declares; -1: none
};

// How much of an entry to read: at most that many bytes, or a negative number to skip it.
using ZipLimit = std::function<qint64(const QString &name)>;

// A name an archive entry may have: relative, '/'-separated, of printable ASCII without
// backslashes, colons or empty, "." or ".." parts.
bool Zip_SafeName(const QString &name);

// Reads every entry of a zip archive. Refused, with the reason in words: an archive that is not
// a whole zip archive (nothing before or after it: zip_layout.h), more than `maxEntries` entries,
// an entry that is not a regular file or whose name is not safe, a name twice, an entry that cannot
// be read (damaged, encrypted, CRC), and an entry that holds more than its limit (a zip bomb, or
// not what it was said to hold): its bytes are read only up to the limit.
bool Read_Zip(const QByteArray &archive, int maxEntries, const ZipLimit &limit,
              QList<ZipEntry> &entries, QString &reason);

// A zip archive of `entries` (their names and data), deflated.
bool Write_Zip(const QList<ZipEntry> &entries, QByteArray &archive, QString &reason);
