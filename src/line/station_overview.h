#pragma once

#include "jobs/job_result.h"
#include "line/board_identity.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <deque>

// What the line lead's page shows of one station, whenever it is opened: the counters of its
// shift (the boards its report holds of it, then those of this run: recordEnded), the recipe of its
// last board, each slot's state, its last failures and its boards per 10 minutes. Published
// retained (PREFIX/STATION/overview, docs/events.md) after each board's start and end, so that a
// page opened later sees the station whole without having heard a single event. Bounded: it keeps
// at most SlotLimit slots, FailureLimit failures and BucketLimit buckets, and remembers at most
// SerialLimit boards for the first-pass yield.
class StationOverview {
  public:
    static constexpr int SlotLimit = 256;
    static constexpr int FailureLimit = 20;
    static constexpr int BucketLimit = 144; // a day of 10-minute buckets
    static constexpr int SerialLimit = 100000;

    StationOverview(const QString &station, const QString &command, const QDateTime &since);

    void boardStarted(const BoardIdentity &board, const QDateTime &now);
    // `record` is the board's report record, the one its end event carries.
    void boardEnded(const QString &port, const JobResult &result, const QByteArray &record,
                    const QDateTime &now);

    // Counters kept by the front end itself (a station's window counts boards, not runs, since
    // the counters' last reset, rebuilt from the report at its start): they replace those
    // counted here, and `since` says from when they count.
    void setCounters(const QJsonObject &counters, const QDateTime &since);

    // A board's end that the report told before this run's first board: `record` is the board's
    // report record. The first such record starts the shift (`since`). A record that is not a
    // board's end (no result, port or time) is passed over; its kind of failure is not in a
    // record, so a failure told again has none.
    void recordEnded(const QJsonObject &record);

    // The overview as one JSON object, on one line.
    QByteArray json(const QDateTime &now) const;

  private:
    struct Slot {
        QString port, slot, serial, state, model, reason, failure;
        QDateTime time; // when it entered its state
        bool firstPass = true;
    };
    struct Bucket {
        int ok = 0, failed = 0;
    };

    Slot &slotOf(const QString &port);
    void remember(const QString &serial); // a board that ended here, for the first-pass yield
    // The end of the board in `slot`: `state` "ok", "fail" or "interrupted"; `record` its report
    // record's fields.
    void count(Slot &slot, const QString &state, const QString &failure, const QString &reason,
               const QJsonObject &record, const QDateTime &now);

    const QString station, command;
    QDateTime since;
    QJsonObject keptCounters; // empty: those counted here
    QDateTime keptSince;
    bool shiftStarted = false; // by a record of the report
    int boards = 0, ok = 0, failed = 0, interrupted = 0;
    int firstPassBoards = 0, firstPassOk = 0;
    QJsonObject recipe;
    QMap<QString, Slot> slotsByPort;
    std::deque<QJsonObject> failures;
    QMap<qint64, Bucket> buckets; // by the bucket's start, ms since the epoch
    QSet<QString> seenSerials;    // boards run before: their runs are no first pass
    std::deque<QString> serialOrder;
};
