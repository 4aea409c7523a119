#include "jobs/board_thread.h"

#include "jobs/board_run.h"
#include "jobs/job.h"
#include "jobs/stop_request.h"
#include "serial/serial_link.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSemaphore>
#include <QThread>
#include <vector>

namespace {
// What is to be done as this board's thread ends (At_BoardThreadEnd).
thread_local std::vector<std::function<void()>> threadEnd;
} // namespace

// The board's side, on the board's thread: the link and the session, created there on first use,
// and the observer of every job, which hands what the job shows to the BoardThread's signals.
class BoardWorker : public QObject, public Observer {
  public:
    BoardWorker(BoardThread &thread, QEventLoop &eventLoop) : board(thread), loop(eventLoop) {}

    void logLine(const QString &text) override { emit board.logLine(text); }
    void clearLog() override { emit board.clearLog(); }
    void phaseStarted(ProgressPhase phase) override {
        shownPercent = 0;
        emit board.phaseStarted(phase);
    }
    void progress(int percent) override {
        if (percent == shownPercent) return;
        shownPercent = percent;
        emit board.progress(percent);
    }
    void message(const QString &text) override {
        emit board.message(text);
        if (board.messagesWait) answers.acquire();
    }
    bool stopRequested() const override { return board.stopRequested(); }
    void chipIdentified(const QString &modelName) override { emit board.chipIdentified(modelName); }
    void flashPartRead(const FlashPartFacts &part) override { emit board.flashPartRead(part); }
    void unitValuesTaken(const QList<QPair<QString, QString>> &values) override {
        emit board.unitValuesTaken(values);
    }
    void imageRead(ImageRole role, uint32_t crc, int32_t length) override {
        emit board.imageRead(role, crc, length);
    }

    void run(const JobRequest &request) {
        const JobResult result = Run_OnBoard(board.port(), request, *this);
        board.owed = std::make_unique<RecordOwed>();
        finish(result);
    }

    void open(int waitTime) {
        DeviceSession &s = ensureSession();
        link->waitTime = waitTime;
        JobResult result;
        if (!link->Open(board.port())) {
            result.failure = Fail(FailureKind::SystemError, link->openFailure(board.port()));
            finish(result);
            return;
        }
        emit board.portOpened();
        if (const Result<> identified = Identify_Board(s, result); !identified.ok())
            result.failure = identified.failure();
        finish(result);
    }

    void runJob(JobRequest request, const QString &mcuPath, const QString &flashPath) {
        DeviceSession &s = ensureSession();
        link->waitTime = request.waitTime;
        Read_JobImages(request, mcuPath, flashPath);
        JobResult result;
        const bool wasOpen = link->isOpen();
        Run_Job(s, request, result);
        result.chip = s.identity;
        // A chip that restarts into its new code leaves its port for the scan.
        if (wasOpen && !link->isOpen() && !lost) emit board.portClosed();
        finish(result);
    }

    void close() {
        if (link && link->isOpen()) {
            link->Close();
            emit board.portClosed();
        }
    }

    // Ends the thread's event loop once the jobs asked for before are done; the link closes on
    // this thread.
    void quit() {
        session.reset();
        link.reset();
        loop.quit();
    }

    QSemaphore answers;

  private:
    DeviceSession &ensureSession() {
        lost = false;
        if (!link) {
            link = std::make_unique<SerialLink>();
            connect(link.get(), &SerialLink::deviceLost, this, [this] {
                lost = true;
                emit board.deviceLost();
                emit board.portClosed();
            });
            connect(link.get(), &SerialLink::arrivalDropped, this,
                    [this](int length) { emit board.arrivalDropped(length); });
            session = std::make_unique<DeviceSession>(*link, *this);
        }
        return *session;
    }

    void finish(const JobResult &result) {
        shownPercent = -1;
        emit board.finished(result);
    }

    BoardThread &board;
    QEventLoop &loop;
    std::unique_ptr<SerialLink> link;
    std::unique_ptr<DeviceSession> session;
    int shownPercent = -1;
    bool lost = false; // the device went away during the job
};

BoardThread::BoardThread(const QString &port, QObject *parent) : QObject(parent), portName(port) {
    qRegisterMetaType<ProgressPhase>();
    qRegisterMetaType<ImageRole>();
    qRegisterMetaType<FlashPartFacts>();
    qRegisterMetaType<JobResult>();
    qRegisterMetaType<QList<QPair<QString, QString>>>();
    qRegisterMetaType<uint32_t>("uint32_t");
    qRegisterMetaType<int32_t>("int32_t");
    // Qt caches the program's path on first use without a lock, and every board looks for
    // Flash.ini beside the program: let the first use be here, before any board's thread.
    QCoreApplication::applicationDirPath();
    // Arrives here before any other receiver hears of the end of the job.
    connect(this, &BoardThread::finished, this, [this](const JobResult &result) {
        last = result;
        --pending;
    });
    QSemaphore ready;
    thread = QThread::create([this, &ready] {
        {
            QEventLoop loop;
            BoardWorker board(*this, loop);
            worker = &board;
            ready.release();
            loop.exec();
        }
        for (const std::function<void()> &cleanUp : threadEnd)
            cleanUp();
        threadEnd.clear();
    });
    thread->setParent(this);
    thread->start();
    ready.acquire();
}

BoardThread::~BoardThread() {
    // A job waiting for its message to be answered would wait for ever: nobody will answer now.
    messagesWait = false;
    worker->answers.release(1000);
    post([](BoardWorker &w) { w.quit(); });
    thread->wait();
}

void At_BoardThreadEnd(std::function<void()> cleanUp) {
    threadEnd.push_back(std::move(cleanUp));
}

bool BoardThread::stopRequested() const {
    return stopFlag || Stop_Requested();
}

void BoardThread::answerMessage() {
    worker->answers.release();
}

void BoardThread::post(std::function<void(BoardWorker &)> work) {
    BoardWorker *w = worker;
    QMetaObject::invokeMethod(
        w, [w, work = std::move(work)] { work(*w); }, Qt::QueuedConnection);
}

void BoardThread::start(const JobRequest &request) {
    ++pending;
    post([request](BoardWorker &w) { w.run(request); });
}

void BoardThread::openPort(int waitTime) {
    ++pending;
    post([waitTime](BoardWorker &w) { w.open(waitTime); });
}

void BoardThread::runJob(const JobRequest &request, const QString &mcuPath,
                         const QString &flashPath) {
    ++pending;
    post([request, mcuPath, flashPath](BoardWorker &w) { w.runJob(request, mcuPath, flashPath); });
}

void BoardThread::closePort() {
    post([](BoardWorker &w) { w.close(); });
}

void Show_Board(BoardThread &board, QObject *context, Observer &shown) {
    Observer *o = &shown;
    QObject::connect(&board, &BoardThread::logLine, context,
                     [o](const QString &t) { o->logLine(t); });
    QObject::connect(&board, &BoardThread::clearLog, context, [o] { o->clearLog(); });
    QObject::connect(&board, &BoardThread::message, context,
                     [o](const QString &t) { o->message(t); });
    QObject::connect(&board, &BoardThread::phaseStarted, context,
                     [o](ProgressPhase phase) { o->phaseStarted(phase); });
    QObject::connect(&board, &BoardThread::progress, context, [o](int p) { o->progress(p); });
    QObject::connect(&board, &BoardThread::chipIdentified, context,
                     [o](const QString &model) { o->chipIdentified(model); });
    QObject::connect(&board, &BoardThread::flashPartRead, context,
                     [o](const FlashPartFacts &part) { o->flashPartRead(part); });
    QObject::connect(
        &board, &BoardThread::imageRead, context,
        [o](ImageRole role, uint32_t crc, int32_t length) { o->imageRead(role, crc, length); });
}

BoardThreads Run_Boards(const QStringList &ports, JobRequest request,
                        const std::function<void(BoardThread &)> &follow,
                        const std::function<void(BoardThread &)> &ended, QDeadlineTimer deadline) {
    BoardThreads boards;
    QEventLoop loop;
    int running = 0;
    request.deadline = deadline;
    for (const QString &port : ports) {
        boards.push_back(std::make_unique<BoardThread>(port));
        BoardThread *board = boards.back().get();
        if (follow) follow(*board);
        QObject::connect(board, &BoardThread::finished, &loop, [&, board] {
            if (ended) ended(*board); // writes its record, if any
            board->recorded();
            if (--running == 0) loop.quit();
        });
        ++running;
        board->start(request);
    }
    if (running > 0) loop.exec();
    return boards;
}
