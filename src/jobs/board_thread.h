#pragma once

#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "jobs/owed_records.h"
#include "protocol/observer.h"

#include <QDeadlineTimer>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;
class BoardWorker;

Q_DECLARE_METATYPE(ProgressPhase)
Q_DECLARE_METATYPE(ImageRole)
Q_DECLARE_METATYPE(FlashPartFacts)
Q_DECLARE_METATYPE(JobResult)

// One board's work on a thread of its own, with its own port and session, created and used on
// that thread only: a run of its own (start: open, identify, job, close) for the gang, the watch
// and the station, or, for a window, a port kept open (openPort) for the jobs that follow
// (runJob) until closePort(). The jobs run one at a time, in the order asked for. What the board
// shows the operator comes back to the thread that made it as signals, in order, and so does the
// end of each job with its result. The thread runs an event loop between jobs (so that an idle
// port's loss and its stray bytes are noticed) but never inside one.
class BoardThread : public QObject {
    Q_OBJECT

  public:
    explicit BoardThread(const QString &port, QObject *parent = nullptr);
    // Waits for the job running, if any, to end: an operation is never cut off (answer or drop
    // its message first, and ask it to stop, to make that quick).
    ~BoardThread() override;

    QString port() const { return portName; }
    // Messages hold the board's job until answerMessage() (a window's boxes); by default they
    // are only told.
    void setMessagesWait(bool wait) { messagesWait = wait; }

    // A whole run on the board: opens the port, identifies the chip, runs the request's job and
    // closes the port; finished() tells its result.
    void start(const JobRequest &request);
    // Opens the port and identifies the chip, keeping the port open; finished() tells what was
    // found (a port that did not open: a failure, and no model).
    void openPort(int waitTime);
    // Reads the images named (when the job needs them; Read_JobImages) and runs the request's job
    // on the open session; finished() tells its result.
    void runJob(const JobRequest &request, const QString &mcuPath = QString(),
                const QString &flashPath = QString());
    // Closes the port (a job still running ends first).
    void closePort();

    // The stop token of every job on this board, also set by a stop of the whole process
    // (Request_Stop). Lasts until clearStop().
    void requestStop() { stopFlag = true; }
    void clearStop() { stopFlag = false; }
    bool stopRequested() const;
    // The operator has seen the message the board waits on.
    void answerMessage();

    // A job was asked for and has not finished yet.
    bool isRunning() const { return pending > 0; }
    // The result of the last job that finished.
    const JobResult &result() const { return last; }
    // The record of the run start() began is written (or none is kept): a program ending at once
    // no longer waits for it. The run owes its record from its end until then.
    void recorded() { owed.reset(); }

  signals:
    void logLine(const QString &text);
    void clearLog();
    void message(const QString &text);
    void phaseStarted(ProgressPhase phase);
    void progress(int percent);
    void chipIdentified(const QString &modelName);
    void flashPartRead(const FlashPartFacts &part);
    void unitValuesTaken(const QList<QPair<QString, QString>> &values);
    void imageRead(ImageRole role, uint32_t crc, int32_t length);
    // The port opened (openPort), and closed: the device went away (deviceLost first), a job
    // closed it (a chip that restarts), or closePort().
    void portOpened();
    void deviceLost();
    void portClosed();
    // An arrival too long for the reply buffer was dropped.
    void arrivalDropped(int length);
    // A job ended; result() holds `result` too.
    void finished(const JobResult &result);

  private:
    friend class BoardWorker;
    void post(std::function<void(BoardWorker &)> work);

    const QString portName;
    QThread *thread = nullptr;
    BoardWorker *worker = nullptr; // lives on `thread`
    std::atomic<bool> stopFlag{false};
    std::atomic<bool> messagesWait{false};
    int pending = 0; // jobs asked for and not finished, as this thread counts them
    JobResult last;
    std::unique_ptr<RecordOwed> owed; // set on the board's thread before finished(), then here
};

using BoardThreads = std::vector<std::unique_ptr<BoardThread>>;

// What `board` shows, passed on to `shown` on the thread of `context` (a terminal that shows one
// board as its run goes on). Its stop token stays the board's own.
void Show_Board(BoardThread &board, QObject *context, Observer &shown);

// Runs `request` on every port at once, each board on a thread of its own, and returns the
// boards once every run has ended; no run waits for its chip beyond `deadline`. `follow` is
// called with each board before it starts (to show what it shows), `ended` on this thread as
// each run ends, in the order they end (the board's record is written there, if any). Spins an
// event loop of its own until then: for a program whose thread has nothing else to do
// (tessara-cli), not for a window.
BoardThreads Run_Boards(const QStringList &ports, JobRequest request,
                        const std::function<void(BoardThread &)> &follow,
                        const std::function<void(BoardThread &)> &ended,
                        QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

// Runs `cleanUp` on this thread as it ends, when it is a board's thread: before anyone who waits
// for the board goes on (a layer above keeps per-thread resources, such as database
// connections, that must not outlive the run nor be closed from another thread). On any other
// thread it is never run.
void At_BoardThreadEnd(std::function<void()> cleanUp);
