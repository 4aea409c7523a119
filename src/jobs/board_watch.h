#pragma once

#include "jobs/board_thread.h"
#include "jobs/job_request.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

class PortMonitor;
class QFileSystemWatcher;

// A bench's watch: follows the watched ports and runs the request on each board that appears,
// on a board thread of its own, once: the board is not done again until its port has gone away
// and come back. Arrivals come from the system's port notifications, from the file system's
// notifications on the folders of the ports (a link re-made, a device node created: inotify on
// Linux) and from a look at the ports every half second. A port made anew between two looks (a
// board swapped in a few milliseconds) is a new arrival all the same: each look compares the
// port's coming (Port_Instance) with the one its board arrived by.
class BoardWatch : public QObject {
    Q_OBJECT

  public:
    // `watchedPorts` names the ports to watch as they are now (asked on every look, so that a
    // port named by its USB serial number is found wherever its board is plugged in).
    BoardWatch(const JobRequest &request, std::function<QStringList()> watchedPorts,
               QObject *parent = nullptr);
    ~BoardWatch() override;

    // Starts following the ports; the first look comes from the event loop.
    void start();
    // Starts no more boards; stopped() comes once every board running has ended. Boards running
    // are not stopped: the caller asks them to (BoardThread::requestStop, Request_Stop).
    void stop();
    int running() const { return runningBoards; }
    // Starts no further board, whatever startWaiting(), release() and runAgain() say, and keeps
    // following the ports (arrivals and departures are still told): a station whose records can
    // no longer be written. Boards running go on to their ends.
    void startNoMore();

    // At most `count` boards run at once (0: no limit); the others wait in order of arrival.
    void setMaxRunning(int count);
    // Held: a board that arrives, or waits for its turn, waits for startWaiting() (a station's
    // manual mode, or after its Stop).
    void setHeld(bool held);
    // Starts every board that waits (up to the limit; the rest as others end).
    void startWaiting();
    // Keeps the board on `port` (arrived, not yet started) from starting until release(port),
    // whatever startWaiting() and setHeld() say: a station holds a board that came back to a slot
    // whose result the operator has not yet acknowledged.
    void keep(const QString &port);
    void release(const QString &port);
    // Runs the board on `port` again, its run over and its port never gone (a retry the operator
    // asked for); false when there is no such board.
    bool runAgain(const QString &port);
    // The request of the boards started from now on.
    void setRequest(const JobRequest &next) { request = next; }

  signals:
    // A port appeared; its run starts now or when it is its turn (boardStarted).
    void boardArrived(const QString &port);
    // The port went away, after its run if it had one.
    void boardGone(const QString &port);
    // A board that arrived, just before its run starts (to follow what it shows).
    void boardStarted(BoardThread *board);
    // Its run is over (its record is written here, if any); the board is kept until its port
    // goes away.
    void boardEnded(BoardThread *board, const JobResult &result);
    void stopped();

  private:
    // A board on a port, from its arrival until the port goes away after the run.
    struct Board {
        std::unique_ptr<BoardThread> thread; // none: waiting for its turn
        uint64_t arrival = 0;                // the order of arrival
        QString instance;                    // the port's coming the board arrived by
        bool released = false;               // may start when it is its turn
        bool kept = false;                   // may not start until release()
        bool ended = false;                  // run over; the port stays taken until it goes away
        bool gone = false;                   // the port went away since the run started
    };

    void rescan();
    void markGone(const QString &device);
    void startBoard(const QString &port);
    void startNext();
    void watchFolders(const QStringList &ports);
    void ended(const QString &port);

    JobRequest request;
    const std::function<QStringList()> watchedPorts;
    std::map<QString, Board> boards;
    PortMonitor *monitor = nullptr;
    QFileSystemWatcher *folders = nullptr;
    QTimer timer;
    bool stopping = false;
    bool noMore = false; // startNoMore()
    bool holding = false;
    int maxRunning = 0;
    int runningBoards = 0;
    uint64_t arrivals = 0;
};
