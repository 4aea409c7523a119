#include "cli/board_thread.h"

#include "cli/cli_commands.h"
#include "cli/terminal_frontend.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// The terminal front end's lines, handed to the starting thread instead of printed here.
class RelayFrontend : public TerminalFrontend {
  public:
    RelayFrontend(BoardThread &board, const Choices &choices)
        : TerminalFrontend(choices, stdout, stderr, false), board(board) {}

    void setProgress(int percent) override {
        if (percent == shownPercent) return;
        shownPercent = percent;
        emit board.progress(percent);
    }

  protected:
    void printLog(const QString &text) override { emit board.logLine(text); }
    void printMessage(const QString &text) override { emit board.message(text); }

  private:
    BoardThread &board;
    int shownPercent = -1;
};

} // namespace

BoardThread::BoardThread(const QString &port, const CliRequest &request, QObject *parent)
    : QObject(parent), portName(port), request(request) {}

BoardThread::~BoardThread() {
    if (thread) thread->wait();
}

void BoardThread::start() {
    // Qt caches the program's path on first use without a lock, and every board looks for
    // Flash.ini beside the program: let the first use be here, before any board's thread.
    QCoreApplication::applicationDirPath();
    thread = QThread::create([this] {
        RelayFrontend ui(*this, Cli_Choices(request));
        result = Run_OnBoard(portName, request.job, ui, Cli_BoardSettings(request));
    });
    thread->setParent(this);
    // Emitted by the board's thread once the run is over; arrives here after its last line.
    connect(thread, &QThread::finished, this, &BoardThread::finished);
    thread->start();
}

bool BoardThread::isRunning() const {
    return thread && !thread->isFinished();
}
