#pragma once

#include <QJsonObject>
#include <QString>
#include <functional>

// Tells `take` each record of `station` in the report at `path`, oldest first: the report's board
// records that name the station in their "station" field. Other stations' records, the audit's
// lines ("type") and lines that cannot be read are passed over. Bounded: a report larger than
// 256 MiB is read only that far, and a line longer than 64 KiB is passed over whole. Returns how
// many records were told; 0 when the report cannot be read (a first run has none).
int Read_StationRecords(const QString &path, const QString &station,
                        const std::function<void(const QJsonObject &record)> &take);
