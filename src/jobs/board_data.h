#pragma once

#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "protocol/observer.h"

#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

// Values of a board's own (a serial number, a key) that a run puts into each board's copy of the
// flash image: taken for the board before its port is opened, and settled by how its run ended.

// One board's values.
class BoardData {
  public:
    virtual ~BoardData() = default;
    // The run's flash image with the board's values in it: what is written to it and checked.
    virtual ImageSnapshot flashImage() const = 0;
    // What the board's record shows of its values, field by field (never a secret).
    virtual QList<QPair<QString, QString>> recordValues() const = 0;
    // Called just before the first erase or write of the board: a failure ends its run there.
    virtual Result<> beforeWrite() = 0;
    // Called once the run ended: a failure here (the ledger could not record it) fails the board.
    virtual Result<> settle(const JobResult &result) = 0;
};

// Where a run's boards get their values from.
class BoardDataSource {
  public:
    virtual ~BoardDataSource() = default;
    // The values of the board on `port`, or null with why it is refused before anything is
    // written ("pool empty: hdcp"). Called on the board's thread; several at once.
    virtual std::shared_ptr<BoardData> take(const QString &port, Failure &refusal) = 0;
    // The flash addresses [first, second) of the boards' own values: what a trace must not show.
    virtual std::vector<std::pair<uint32_t, uint32_t>> hiddenRanges() const = 0;
};

// Run_OnBoard for a request with a source of board data: takes the board's values, runs the job
// with its own image (the source's write approval the last gate) and settles them.
JobResult Run_OnBoardWithData(const QString &port, const JobRequest &request, Observer &observer);
