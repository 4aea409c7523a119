#include "cli/gang_console.h"

#include "cli/board_thread.h"
#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "cli/terminal_frontend.h"

#include <algorithm>

namespace {

constexpr int BarWidth = 30;

QString prefixed(const QString &port, const QString &text) {
    return text.isEmpty() ? port + QLatin1Char(':') : port + QStringLiteral(": ") + text;
}

} // namespace

GangConsole::GangConsole(FILE *out, FILE *err, bool progressBar)
    : out(out), err(err), progressBar(progressBar) {}

GangConsole::~GangConsole() {
    clearBar();
}

void GangConsole::follow(BoardThread *board, QObject *context) {
    const QString port = board->port();
    QObject::connect(board, &BoardThread::logLine, context,
                     [this, port](const QString &text) { logLine(port, text); });
    QObject::connect(board, &BoardThread::message, context,
                     [this, port](const QString &text) { message(port, text); });
    QObject::connect(board, &BoardThread::progress, context,
                     [this, port](int percent) { progress(port, percent); });
    QObject::connect(board, &BoardThread::phaseStarted, context,
                     [this, port](ProgressPhase phase) { phaseStarted(port, phase); });
    boardStarted(port);
}

void GangConsole::boardStarted(const QString &port) {
    running.insert(port, Progress());
    drawBar();
}

void GangConsole::boardEnded(const QString &port) {
    running.remove(port);
    drawBar();
}

void GangConsole::logLine(const QString &port, const QString &text) {
    print(out, prefixed(port, text), LinePriority::Information);
}

void GangConsole::message(const QString &port, const QString &text) {
    print(err, prefixed(port, text), LinePriority::Failure);
}

void GangConsole::line(const QString &text) {
    print(out, text, LinePriority::Information);
}

void GangConsole::progress(const QString &port, int percent) {
    const auto board = running.find(port);
    if (board == running.end()) return;
    board->percent = qBound(0, percent, 100);
    drawBar();
}

void GangConsole::phaseStarted(const QString &port, ProgressPhase phase) {
    const auto board = running.find(port);
    if (board == running.end()) return;
    *board = Progress{phase, 0};
    drawBar();
}

bool GangConsole::Progress::behind(const Progress &other) const {
    if (phase != other.phase) return !phase || (other.phase && *phase < *other.phase);
    return percent < other.percent;
}

void GangConsole::print(FILE *stream, const QString &text, LinePriority priority) {
    clearBar();
    Print_Line(stream, text, priority);
    drawBar();
}

// "[#####.....]  45% MCU write  slowest of 3: PORT"
void GangConsole::drawBar() {
    if (!progressBar) return;
    if (running.isEmpty()) {
        clearBar();
        return;
    }
    const auto slowest =
        std::min_element(running.cbegin(), running.cend(),
                         [](const Progress &a, const Progress &b) { return a.behind(b); });
    const QString bar = QStringLiteral("%1  slowest of %2: %3")
                            .arg(Progress_Bar(slowest->percent, BarWidth, slowest->phase))
                            .arg(running.size())
                            .arg(slowest.key());
    if (bar == shownBar) return;
    std::fprintf(err, "%s%s", EraseLine, bar.toLocal8Bit().constData());
    std::fflush(err);
    shownBar = bar;
    Note_ProgressLine(true);
}

void GangConsole::clearBar() {
    if (shownBar.isEmpty()) return;
    std::fputs(EraseLine, err);
    std::fflush(err);
    shownBar.clear();
    Note_ProgressLine(false);
}
