#include "cli/board_thread.h"

#include "cli/cli_commands.h"
#include "cli/terminal_frontend.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace {

// The terminal front end's lines, handed to the starting thread instead of printed here.
class RelayFrontend : public TerminalFrontend {
  public:
    RelayFrontend(BoardThread &thread, const Choices &chosen)
        : TerminalFrontend(chosen, stdout, stderr, false), board(thread) {}

    void setProgress(int value) override {
        if (value == shownPercent) return;
        shownPercent = value;
        emit board.progress(value);
    }
    void setProgressPhase(ProgressPhase started) override {
        shownPercent = 0;
        emit board.phaseStarted(started);
    }

  protected:
    void printLog(const QString &text) override { emit board.logLine(text); }
    void printMessage(const QString &text) override { emit board.message(text); }

  private:
    BoardThread &board;
    int shownPercent = -1;
};

} // namespace

BoardThread::BoardThread(const QString &port, const CliRequest &cliRequest, QObject *parent)
    : QObject(parent), portName(port), request(cliRequest) {
    qRegisterMetaType<ProgressPhase>();
}

BoardThread::~BoardThread() {
    if (thread) thread->wait();
}

void BoardThread::start(QDeadlineTimer deadline) {
    // Qt caches the program's path on first use without a lock, and every board looks for
    // Flash.ini beside the program: let the first use be here, before any board's thread.
    QCoreApplication::applicationDirPath();
    thread = QThread::create([this, deadline] {
        RelayFrontend ui(*this, Cli_Choices(request));
        BoardSettings settings = Cli_BoardSettings(request);
        settings.deadline = deadline;
        result = Run_OnBoard(portName, request.job, ui, settings);
    });
    thread->setParent(this);
    // Emitted by the board's thread once the run is over; arrives here after its last line.
    connect(thread, &QThread::finished, this, &BoardThread::finished);
    thread->start();
}

bool BoardThread::isRunning() const {
    return thread && !thread->isFinished();
}

BoardThreads Run_Boards(const QStringList &ports, const CliRequest &request,
                        const std::function<void(BoardThread &)> &follow,
                        const std::function<void(BoardThread &)> &ended, QDeadlineTimer deadline) {
    BoardThreads boards;
    QEventLoop loop;
    int running = 0;
    for (const QString &port : ports) {
        boards.push_back(std::make_unique<BoardThread>(port, request));
        BoardThread *board = boards.back().get();
        if (follow) follow(*board);
        QObject::connect(board, &BoardThread::finished, &loop, [&, board] {
            if (ended) ended(*board);
            if (--running == 0) loop.quit();
        });
        ++running;
        board->start(deadline);
    }
    if (running > 0) loop.exec();
    return boards;
}
