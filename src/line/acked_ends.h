#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <limits>
#include <mutex>
#include <optional>

// Which board ends of a report the line's broker has acknowledged, kept in a file beside the
// report (REPORT.mqtt-acked) across runs of the station: the report is the record of truth, and
// every record it holds from the day the station first published on is owed to the broker as an
// `end` until the broker acknowledges it. The file holds the report's size up to which every
// record is acknowledged (its first line) and the records acknowledged beyond it, one SHA-256 a
// line; it is replaced whole, never left half written. Safe to use from any thread.
class AckedEnds {
  public:
    // Opens the file beside `reportPath`, made at the report's present end when there is none
    // (what was recorded before the station published is not owed). False with `error` when it
    // cannot be read or made.
    bool open(const QString &reportPath, QString &error);
    bool isOpen() const { return !reportName.isEmpty(); }
    QString path() const { return fileName; }

    // The records of the report not acknowledged yet, in order: the ends owed from runs before
    // this one (read once, before this run adds any). At most `maxBytes` of the report are read
    // past the cursor; a line too long to be a record is not one.
    QList<QByteArray> owed(qint64 maxBytes = std::numeric_limits<qint64>::max());
    // The broker acknowledged the end that carries `record` (a report line, with or without its
    // newline). False, with `error`, when that could not be kept.
    bool acknowledged(const QByteArray &record, QString &error);

    // The cursor kept in the acknowledgements file `ackedPath` (its first line): every record of
    // the report before it is acknowledged. None when the file cannot be read or is not one.
    static std::optional<qint64> cursorOf(const QString &ackedPath);
    static QString ackedPathOf(const QString &reportPath) {
        return reportPath + QStringLiteral(".mqtt-acked");
    }

  private:
    static QByteArray keyOf(const QByteArray &record);
    bool save(QString &error);
    void moveCursor();

    std::mutex mutex;
    QString reportName;
    QString fileName;
    qint64 cursor = 0;     // every whole line of the report before it is acknowledged
    QSet<QByteArray> keys; // acknowledged records after the cursor
};
