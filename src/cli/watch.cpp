#include "cli/watch.h"

#include "cli/board_thread.h"
#include "cli/cli_commands.h"
#include "cli/gang_console.h"
#include "cli/interrupt.h"
#include "serial/port_monitor.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <map>
#include <memory>

namespace {

// The port map is read again this often, for ports that come without a device notification
// (those the map lists by a path of their own, such as the simulator's links).
constexpr int RescanMs = 500;

// "update-all ok in 2.31 s", "update-all failed after 0.52 s: reason".
QString verdict(const BoardOutcome &o, const QString &command) {
    const QString seconds = QString::number(o.seconds, 'f', 2);
    if (o.ok) return QStringLiteral("%1 ok in %2 s").arg(command, seconds);
    if (o.interrupted) return QStringLiteral("%1 interrupted after %2 s").arg(command, seconds);
    return QStringLiteral("%1 failed after %2 s: %3")
        .arg(command, seconds, Board_FailureReason(o, command));
}

class Watch : public QObject {
  public:
    Watch(const CliRequest &request, GangConsole &shown, BoardReport &records, FILE *errStream)
        : r(request), console(shown), report(records), err(errStream) {
        connect(&monitor, &PortMonitor::portArrived, this, [this] { rescan(); });
        connect(&monitor, &PortMonitor::portRemoved, this, [this](const QString &name) {
            markGone(name);
            rescan();
        });
        connect(&timer, &QTimer::timeout, this, [this] { rescan(); });
        if (Interrupt_WakeFd() >= 0) {
            interruptNotifier =
                new QSocketNotifier(Interrupt_WakeFd(), QSocketNotifier::Read, this);
            connect(interruptNotifier, &QSocketNotifier::activated, this, [this] {
                interruptNotifier->setEnabled(false); // the byte stays unread: it would fire again
                stop();
            });
        }
    }

    int run() {
        timer.start(RescanMs);
        // The first scan runs inside the loop, so that a stop it finds can end the loop.
        QTimer::singleShot(0, this, [this] { rescan(); });
        loop.exec();
        console.line(QStringLiteral("watch: %1 boards done, %2 failed%3")
                         .arg(done)
                         .arg(failed)
                         .arg(interrupted ? QStringLiteral(", %1 interrupted").arg(interrupted)
                                          : QString()));
        return interrupted ? CliInterrupted : CliOk;
    }

  private:
    // A board on a port, from its arrival until the port goes away after the run.
    struct Board {
        std::unique_ptr<BoardThread> thread;
        bool ended = false; // run over; the port stays taken until it goes away
        bool gone = false;  // the port went away since the run started
    };

    // Resolved afresh on every look: a USB serial number names whichever port its board has now.
    QStringList watchedPorts() const { return Cli_BoardPorts(r); }

    void rescan() {
        if (Interrupt_Requested()) return stop();
        QStringList present;
        for (const QString &port : watchedPorts())
            if (Port_Present(port)) present.append(port);
        for (auto it = boards.begin(); it != boards.end();) {
            if (!present.contains(it->first)) it->second.gone = true;
            it = it->second.ended && it->second.gone ? boards.erase(it) : std::next(it);
        }
        for (const QString &port : present)
            if (!boards.count(port)) start(port);
    }

    // A device notification names the device ("ttyACM0"); the port may be its path.
    void markGone(const QString &device) {
        for (auto &[port, board] : boards)
            if (port == device || port.endsWith(QLatin1Char('/') + device)) board.gone = true;
    }

    void start(const QString &port) {
        Board &board = boards[port];
        board.thread = std::make_unique<BoardThread>(port, r);
        BoardThread *thread = board.thread.get();
        console.follow(thread, this);
        // Queued: ended() may delete the board, which must not happen inside its own signal.
        connect(
            thread, &BoardThread::finished, this, [this, port] { ended(port); },
            Qt::QueuedConnection);
        ++running;
        thread->start();
    }

    void ended(const QString &port) {
        Board &board = boards[port];
        const BoardOutcome &o = board.thread->outcome();
        Cli_Record(report, o, port, r.command, err);
        console.boardEnded(port);
        console.line(port + QStringLiteral(": ") + verdict(o, r.command));
        (o.ok ? done : o.interrupted ? interrupted : failed) += 1;
        board.ended = true;
        --running;
        if (stopping && running == 0) loop.quit();
        if (board.gone) boards.erase(port); // it went away during the run: new on its return
    }

    void stop() {
        if (stopping) return;
        stopping = true;
        timer.stop();
        if (running == 0) loop.quit();
    }

    const CliRequest &r;
    GangConsole &console;
    BoardReport &report;
    FILE *err;
    std::map<QString, Board> boards;
    PortMonitor monitor;
    QTimer timer;
    QSocketNotifier *interruptNotifier = nullptr;
    QEventLoop loop;
    bool stopping = false;
    int running = 0, done = 0, failed = 0, interrupted = 0;
};

} // namespace

int Run_Watch(const CliRequest &r, FILE *out, FILE *err, bool terminal) {
    BoardReport report;
    if (const int status = Cli_Prepare(r, report, err)) return status;
    GangConsole console(out, err, terminal && !r.quiet);
    Cli_Complain(err, QStringLiteral("watching for boards; Ctrl-C ends the watch"));
    return Watch(r, console, report, err).run();
}
