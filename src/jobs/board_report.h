#pragma once

#include "jobs/job_result.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

// The record of a bench: one JSON Lines record per board per command.

// "ok", "fail" or "interrupted".
QString Board_Result(const JobResult &outcome);
// Why a board failed: the run's own reason, else that `command` failed.
QString Board_FailureReason(const JobResult &outcome, const QString &command);

// One record, ending in a newline: time (ISO 8601 with the offset from UTC), port, command,
// model, boot_version, result, reason (for a failure), seconds, and the images and the flash part
// where the run used them (mcu_image, mcu_crc, mcu_length, flash_id, flash_name, flash_image,
// flash_crc, flash_length). A station's record names the board's place after its port (slot).
QByteArray Board_ReportLine(const JobResult &outcome, const QString &port, const QString &command,
                            const QDateTime &time, const QString &slot = QString());

// The report file: opened for appending once, never truncated; each record is on disk before
// append() returns, so a crash or a power cut loses at most the boards still running.
class BoardReport {
  public:
    bool open(const QString &path);
    bool appendRecord(const QByteArray &line);
    QString errorString() const { return file.errorString(); }
    QString path() const { return file.fileName(); }

  private:
    QFile file;
};
