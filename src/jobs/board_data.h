#pragma once

#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "protocol/observer.h"
#include "protocol/session.h"

#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Values of a board's own (a serial number, a key) that a run puts into each board's copy of the
// flash image: taken for the board once it is identified and before anything is written to it,
// and settled by how its run ended.

// One board's values.
class BoardData {
  public:
    virtual ~BoardData() = default;
    // The run's flash image with the board's values in it: what is written to it and checked.
    virtual ImageSnapshot flashImage() const = 0;
    // What the board's record shows of its values, field by field (never a secret).
    virtual QList<QPair<QString, QString>> recordValues() const = 0;
    // A line for the operator about how the values were taken (a board that came back); empty:
    // nothing to say.
    virtual QString takenNote() const { return QString(); }
    // Called just before the first erase or write of the board: a failure ends its run there.
    virtual Result<> beforeWrite() = 0;
    // Called once the run ended: a failure here (the ledger could not record it) fails the board.
    virtual Result<> settle(const JobResult &result) = 0;
};

// The CRC-32 of `length` bytes of the board's external flash from `start`, asked of the board.
using BoardFlashCrc = std::function<Result<uint32_t>(uint32_t start, int32_t length)>;

// Why a board gets no values of its own.
struct DataRefusal {
    Failure failure = Fail(FailureKind::InputUnusable, QString());
    // A counter or pool has no value left ("pool empty: hdcp"): the boards after it would be
    // refused the same way.
    bool exhausted = false;
};

// Where a run's boards get their values from.
class BoardDataSource {
  public:
    virtual ~BoardDataSource() = default;
    // The values of the board on `port`, or null with why it is refused before anything is
    // written. `onBoard` asks what the board's flash holds (a board that comes back still holds
    // the values it got). Called on the board's thread, once the board is identified; several
    // at once.
    virtual std::shared_ptr<BoardData> take(const QString &port, const BoardFlashCrc &onBoard,
                                            DataRefusal &refusal) = 0;
    // The flash addresses [first, second) of the boards' own values: what a trace must not show.
    virtual std::vector<std::pair<uint32_t, uint32_t>> hiddenRanges() const = 0;
};

// Run_Job on the identified board of `s` for a request with a source of board data: takes the
// board's values, runs the job with its own image (the source's write approval the last gate)
// and settles them. The flash image the board was given; the request's when it was refused.
ImageSnapshot Run_JobWithData(DeviceSession &s, const JobRequest &request, JobResult &result);
