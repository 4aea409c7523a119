#pragma once

#include "jobs/job_result.h"
#include "jobs/report_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <mutex>
#include <optional>

// The record of a bench: one JSON Lines record per board per command.

// "ok", "fail" or "interrupted".
QString Board_Result(const JobResult &outcome);
// Why a board failed: the run's own reason, else that `command` failed.
QString Board_FailureReason(const JobResult &outcome, const QString &command);

// A field that a front end adds to every record of its run (the release bundle it wrote): a
// text, or none (null).
struct ReportField {
    QByteArray name;
    std::optional<QString> text;
};

// One record, ending in a newline: time (ISO 8601 with the offset from UTC), port, command,
// model, boot_version, result, reason (for a failure), seconds, and the images and the flash part
// where the run used them (mcu_image, mcu_crc, mcu_length, mcu_sha256, flash_id, flash_name,
// flash_image, flash_crc, flash_length, flash_sha256), how far each memory given an image got
// (mcu_result, flash_result: "ok", "fail", "interrupted", "not started") and, for a flash update,
// flash_blocks_sent of flash_blocks (the last one sent perhaps not written whole); then `more`,
// in order.
QByteArray Board_ReportLine(const JobResult &outcome, const QString &port, const QString &command,
                            const QDateTime &time, const QList<ReportField> &more = {});

// The report file, appended to by this process and perhaps others at once. Each record is one
// whole line, written with one write to the file opened for appending and synced to the disk
// before appendRecord() returns, so that a crash or a power cut loses at most the boards still
// running. A record that cannot be written whole is taken back out (the file is cut back to its
// size before it, or, where it cannot be cut, the line is ended), so that every record before
// and after it, this process's or another's, stays a line of its own. A report removed or
// replaced while a run goes on is opened again by its name. Safe to use from any thread.
class BoardReport {
  public:
    explicit BoardReport(ReportFileCalls calls = ReportFileCalls::system());
    ~BoardReport();
    BoardReport(const BoardReport &) = delete;
    BoardReport &operator=(const BoardReport &) = delete;

    bool open(const QString &path);
    // Appends `line` (one record ending in a newline); false when it is not on the disk.
    bool appendRecord(const QByteArray &line);
    // Whether a record could be appended now, asked before a board is written rather than
    // learnt after: room for more than any record is set aside on the disk beyond the file's
    // end, and synced, the file unchanged. Where that cannot be done, a blank line as large is
    // appended, synced and taken back out (where it cannot be cut back it stays, a blank line
    // that readers pass over). False, with errorString() saying why, when the file or its disk
    // would not take it (a full disk); no record is lost by it.
    bool tryAppend();
    // Why the last open or append failed, in the system's words ("no space left on device").
    QString errorString() const;
    QString path() const;
    // How many records appendRecord() could not write.
    int lostRecords() const;

  private:
    bool openFile();
    // Writes `line` at the file's end and syncs it, holding the file; why it could not, else
    // empty. A line not on the disk whole is taken back out, and so is one not to be `kept`.
    QString appendLine(const QByteArray &line, bool kept);
    // The file's end, or -1 when it has none: after ending a line left torn by a writer that
    // died in the middle of it, so that the record starts a line of its own.
    qint64 endOfWholeLines();
    // Takes back the `written` bytes of a record that failed: cuts the file back to its size
    // `before` it, or ends the line.
    void takeBack(qint64 before, qint64 written, const QByteArray &line);
    bool fail(const QString &why);

    mutable std::mutex mutex;
    ReportFileCalls calls;
    QString fileName;
    int fd = -1;
    QString error;
    int lost = 0;
};
