#include "jobs/board_watch.h"

#include "serial/port_device.h"
#include "serial/port_map.h"
#include "serial/port_monitor.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMap>

#include <algorithm>

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
    folders = new QFileSystemWatcher(this);
    connect(folders, &QFileSystemWatcher::directoryChanged, this, [this] { rescan(); });
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

void BoardWatch::startNoMore() {
    noMore = true;
}

void BoardWatch::rescan() {
    if (stopping) return;
    const QStringList ports = watchedPorts();
    watchFolders(ports);
    QMap<QString, QString> present; // port, its coming
    for (const QString &port : ports)
        if (Port_Present(port)) present.insert(port, Port_Instance(port));
    QStringList gone;
    for (auto it = boards.begin(); it != boards.end();) {
        Board &board = it->second;
        const QString now = present.value(it->first);
        // Absent, or present again under a new node since it arrived: a re-plug.
        if (!present.contains(it->first) || (!now.isEmpty() && now != board.instance))
            board.gone = true;
        // A board that went away before its turn, or after its run, is forgotten.
        const bool forget = board.gone && (!board.thread || board.ended);
        if (forget) gone.append(it->first);
        it = forget ? boards.erase(it) : std::next(it);
    }
    QStringList arrived;
    for (auto it = present.cbegin(); it != present.cend(); ++it) {
        if (boards.count(it.key())) continue;
        Board &board = boards[it.key()];
        board.arrival = ++arrivals;
        board.instance = it.value();
        board.released = !holding;
        arrived.append(it.key());
    }
    // Told once the map is whole: a receiver may call back (startWaiting).
    for (const QString &port : gone)
        emit boardGone(port);
    for (const QString &port : arrived)
        emit boardArrived(port);
    startNext();
}

void BoardWatch::watchFolders(const QStringList &ports) {
    QStringList wanted;
    for (const QString &port : ports) {
        const QString folder = QFileInfo(Port_SystemPath(port)).absolutePath();
        if (!wanted.contains(folder) && QFileInfo(folder).isDir()) wanted.append(folder);
    }
    const QStringList watched = folders->directories();
    for (const QString &folder : wanted)
        if (!watched.contains(folder)) folders->addPath(folder);
}

void BoardWatch::setMaxRunning(int count) {
    maxRunning = std::max(0, count);
    startNext();
}

void BoardWatch::setHeld(bool held) {
    holding = held;
    for (auto &[port, board] : boards)
        if (!board.thread) board.released = !held;
    startNext();
}

void BoardWatch::startWaiting() {
    for (auto &[port, board] : boards)
        if (!board.thread) board.released = true;
    startNext();
}

void BoardWatch::keep(const QString &port) {
    const auto found = boards.find(port);
    if (found != boards.end() && !found->second.thread) found->second.kept = true;
}

void BoardWatch::release(const QString &port) {
    const auto found = boards.find(port);
    if (found == boards.end()) return;
    found->second.kept = false;
    startNext();
}

bool BoardWatch::runAgain(const QString &port) {
    const auto found = boards.find(port);
    if (stopping || noMore || found == boards.end() || !found->second.ended || found->second.gone)
        return false;
    Board &board = found->second;
    board.thread.reset();
    board.ended = false;
    board.kept = false;
    board.released = true;
    board.arrival = ++arrivals; // its turn comes after those already waiting
    startNext();
    return true;
}

// Starts the waiting boards that may start, the first to arrive first.
void BoardWatch::startNext() {
    while (!stopping && !noMore && (maxRunning == 0 || runningBoards < maxRunning)) {
        const QString *next = nullptr;
        uint64_t first = 0;
        for (const auto &[port, board] : boards)
            if (!board.thread && board.released && !board.kept && !board.gone &&
                (!next || board.arrival < first)) {
                next = &port;
                first = board.arrival;
            }
        if (!next) return;
        startBoard(QString(*next)); // a copy: the map changes
    }
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
    if (board.gone) { // it went away during the run: new on its return, perhaps already
        boards.erase(port);
        emit boardGone(port);
        QTimer::singleShot(0, this, [this] { rescan(); });
    }
    if (stopping && runningBoards == 0) emit stopped();
    startNext();
}
