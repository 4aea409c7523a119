#include "jobs/board_watch.h"

#include "serial/port_map.h"
#include "serial/port_monitor.h"

namespace {

// The port map is read again this often, for ports that come without a device notification
// (those the map lists by a path of their own, such as the simulator's links).
constexpr int RescanMs = 500;

} // namespace

BoardWatch::BoardWatch(const JobRequest &watchRequest, std::function<QStringList()> ports,
                       QObject *parent)
    : QObject(parent), request(watchRequest), watchedPorts(std::move(ports)) {
    monitor = new PortMonitor(this);
    connect(monitor, &PortMonitor::portArrived, this, [this] { rescan(); });
    connect(monitor, &PortMonitor::portRemoved, this, [this](const QString &name) {
        markGone(name);
        rescan();
    });
    connect(&timer, &QTimer::timeout, this, [this] { rescan(); });
}

BoardWatch::~BoardWatch() = default;

void BoardWatch::start() {
    timer.start(RescanMs);
    QTimer::singleShot(0, this, [this] { rescan(); });
}

void BoardWatch::stop() {
    if (stopping) return;
    stopping = true;
    timer.stop();
    if (runningBoards == 0) emit stopped();
}

void BoardWatch::rescan() {
    if (stopping) return;
    QStringList present;
    for (const QString &port : watchedPorts())
        if (Port_Present(port)) present.append(port);
    for (auto it = boards.begin(); it != boards.end();) {
        if (!present.contains(it->first)) it->second.gone = true;
        it = it->second.ended && it->second.gone ? boards.erase(it) : std::next(it);
    }
    for (const QString &port : present)
        if (!boards.count(port)) startBoard(port);
}

// A device notification names the device ("ttyACM0"); the port may be its path.
void BoardWatch::markGone(const QString &device) {
    for (auto &[port, board] : boards)
        if (port == device || port.endsWith(QLatin1Char('/') + device)) board.gone = true;
}

void BoardWatch::startBoard(const QString &port) {
    Board &board = boards[port];
    board.thread = std::make_unique<BoardThread>(port);
    BoardThread *thread = board.thread.get();
    emit boardStarted(thread);
    // Queued: ended() may delete the board, which must not happen inside its own signal.
    connect(
        thread, &BoardThread::finished, this, [this, port] { ended(port); }, Qt::QueuedConnection);
    ++runningBoards;
    thread->start(request);
}

void BoardWatch::ended(const QString &port) {
    Board &board = boards[port];
    board.ended = true;
    --runningBoards;
    emit boardEnded(board.thread.get(), board.thread->result()); // writes its record, if any
    board.thread->recorded();
    if (board.gone) boards.erase(port); // it went away during the run: new on its return
    if (stopping && runningBoards == 0) emit stopped();
}
