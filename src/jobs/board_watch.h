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

// A bench's watch: follows the watched ports and runs the request on each board that appears,
// on a board thread of its own, once: the board is not done again until its port has gone away
// and come back. Arrivals come from the system's port notifications and from a look at the ports
// every half second (ports listed by a path of their own come without a notification).
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

  signals:
    // A board that arrived, just before its run starts (to follow what it shows).
    void boardStarted(BoardThread *board);
    // Its run is over (its record is written here, if any); the board is kept until its port
    // goes away.
    void boardEnded(BoardThread *board, const JobResult &result);
    void stopped();

  private:
    // A board on a port, from its arrival until the port goes away after the run.
    struct Board {
        std::unique_ptr<BoardThread> thread;
        bool ended = false; // run over; the port stays taken until it goes away
        bool gone = false;  // the port went away since the run started
    };

    void rescan();
    void markGone(const QString &device);
    void startBoard(const QString &port);
    void ended(const QString &port);

    const JobRequest request;
    const std::function<QStringList()> watchedPorts;
    std::map<QString, Board> boards;
    PortMonitor *monitor = nullptr;
    QTimer timer;
    bool stopping = false;
    int runningBoards = 0;
};
