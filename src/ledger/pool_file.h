#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A pool file as `ledger import` reads it: hex lines (one value a line, blank lines skipped), or
// with `recordSize` > 0 fixed-size binary records. Pure.

// The most a pool file may be.
constexpr qint64 PoolFileMax = qint64(64) * 1024 * 1024;

// False with the reason, which names a bad value by its line or record, never by its content.
bool Parse_PoolFile(const QByteArray &bytes, int recordSize, QList<QByteArray> &values,
                    QString &reason);
