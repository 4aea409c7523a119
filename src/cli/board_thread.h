#pragma once

#include "cli/cli_options.h"
#include "jobs/board_run.h"
#include "jobs/owed_records.h"

#include <QDeadlineTimer>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QThread;

Q_DECLARE_METATYPE(ProgressPhase)

// One board of a gang or a watch: Run_OnBoard on a thread of its own, with its own port and
// session, created and used on that thread only. What the board shows the operator comes back to
// the starting thread as signals; so does the end of the run.
class BoardThread : public QObject {
    Q_OBJECT

  public:
    BoardThread(const QString &port, const CliRequest &request, QObject *parent = nullptr);
    // Waits for the run to end: an operation is never cut off.
    ~BoardThread() override;

    // Starts the run; it ends by `deadline` (BoardSettings::deadline).
    void start(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    bool isRunning() const;
    QString port() const { return portName; }
    // How the run ended; read it once finished() has arrived.
    const BoardOutcome &outcome() const { return result; }
    // The board's record is written (or none is kept): a program ending at once no longer
    // waits for it.
    void recorded() { owed.reset(); }

  signals:
    void logLine(const QString &text);
    void message(const QString &text);
    void progress(int percent);
    // The progress that follows measures `phase`, from 0 %.
    void phaseStarted(ProgressPhase phase);
    void finished();

  private:
    const QString portName;
    const CliRequest request;
    QThread *thread = nullptr;
    BoardOutcome result;
    std::unique_ptr<RecordOwed> owed; // from the end of the run until recorded()
};

using BoardThreads = std::vector<std::unique_ptr<BoardThread>>;

// Runs `request` on every port at once, each board on a thread of its own, and returns the
// boards once every run has ended; no run waits for its chip beyond `deadline`. `follow` is
// called with each board before it starts (to show what it shows), `ended` on this thread as
// each run ends, in the order they end (the board's record is written there, if any).
BoardThreads Run_Boards(const QStringList &ports, const CliRequest &request,
                        const std::function<void(BoardThread &)> &follow,
                        const std::function<void(BoardThread &)> &ended,
                        QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
