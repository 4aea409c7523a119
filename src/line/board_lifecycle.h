#pragma once

#include "jobs/board_report.h"
#include "jobs/board_thread.h"
#include "jobs/job_result.h"
#include "jobs/owed_records.h"
#include "line/line_station.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>

// A board's run from the line's and the report's side, the same for every front end that runs
// boards (tessara-cli's single board, gang and watch; a station's window): the line follows what
// the board shows and hears of its start, should the program end at once while the run goes on
// its record says it was interrupted, and once the run is over its record is written once, for
// the report and for the line (its end event, the hook after it). A board that was named but is
// not there has its record and its end all the same, so that the run's summary counts what the
// report holds. Used on one thread, the one that made it.
class BoardLifecycle {
  public:
    // The run's report (none when not open), its command as the records name it, and the fields
    // every record adds (a bundle's names). `complain` tells the operator a record that could not
    // be written.
    BoardLifecycle(LineStation &line, BoardReport &report, const QString &command,
                   const QList<ReportField> &recordFields,
                   std::function<void(const QString &)> complain);
    BoardLifecycle(const BoardLifecycle &) = delete;
    BoardLifecycle &operator=(const BoardLifecycle &) = delete;

    // `board`'s run starts: its events come to the line on the thread of `context`. `boardFields`
    // follow the run's own in the record written should the program end during the run.
    void begin(BoardThread *board, QObject *context, const BoardIdentity &identity,
               const QList<ReportField> &boardFields = {});
    // The run on `port` ended with `result`: returns its record, written to the report, with
    // `boardFields` (a station's slot and attempt) after the run's own; none given: those given
    // to begin().
    QByteArray end(const QString &port, const JobResult &result,
                   const std::optional<QList<ReportField>> &boardFields = std::nullopt);
    // A board named `name` that is not there (`result` says why): recorded, with `boardFields`
    // after the run's own, and told.
    QByteArray absent(const QString &name, const JobResult &result,
                      const QList<ReportField> &boardFields = {});

  private:
    void underWay(const QString &port, const QList<ReportField> &fields);
    QByteArray record(const QString &port, const JobResult &result,
                      const QList<ReportField> &fields);

    LineStation &line;
    BoardReport &report;
    const QString command;
    const QList<ReportField> recordFields;
    const std::function<void(const QString &)> complain;
    std::map<QString, std::unique_ptr<RunUnderWay>> running; // by port
    std::map<QString, QList<ReportField>> begun;             // begin()'s fields, by port
};
