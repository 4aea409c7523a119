#pragma once

#include "jobs/board_report.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

// What was done at the station and by whom, beside its board records: one JSON object a line
// with "type":"audit", the time, the station, who ("supervisor" or the operator's ID), the event
// (start, stop, recipe, counters reset, acknowledge, forced clear, shift start, close) and its
// details. Written whole and flushed as the report's records are.
class StationAudit {
  public:
    // The audit log beside `reportPath`: station-2026-12-11.jsonl ->
    // station-2026-12-11.audit.jsonl.
    static QString pathBeside(const QString &reportPath);

    bool open(const QString &path);
    void setStation(const QString &name) { station = name; }
    // false when the line could not be written (errorString() says why).
    bool record(const QString &event, const QString &who, QJsonObject details = {},
                const QDateTime &time = QDateTime::currentDateTime());
    QString errorString() const { return file.errorString(); }
    QString path() const { return file.path(); }

  private:
    BoardReport file;
    QString station;
};
