#include "cli/gang_console.h"

#include "cli/interrupt.h"
#include "cli/progress_bar.h"
#include "cli/terminal_lines.h"
#include "jobs/board_thread.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int BarWidth = 30;

QString prefixed(const QString &port, const QString &text) {
    return text.isEmpty() ? Escape_Controls(port) + QLatin1Char(':')
                          : Escape_Controls(port) + QStringLiteral(": ") + text;
}

} // namespace

GangConsole::GangConsole(FILE *outStream, FILE *errStream, bool withBar)
    : out(outStream), err(errStream), progressBar(withBar) {}

GangConsole::~GangConsole() {
    clearBar();
}

void GangConsole::follow(BoardThread *board, QObject *context, bool quiet, bool eachLineOnce) {
    const QString port = board->port();
    const auto lines = std::make_shared<TerminalLines>(quiet, eachLineOnce);
    const auto show = [this, port](const std::optional<QString> &line) {
        if (line) logLine(port, *line);
    };
    QObject::connect(board, &BoardThread::logLine, context,
                     [show, lines](const QString &text) { show(lines->logLine(text)); });
    QObject::connect(board, &BoardThread::chipIdentified, context,
                     [show, lines](const QString &name) { show(lines->chipIdentified(name)); });
    QObject::connect(
        board, &BoardThread::flashPartRead, context,
        [show, lines](const FlashPartFacts &part) { show(lines->flashPartRead(part)); });
    QObject::connect(board, &BoardThread::imageRead, context,
                     [show, lines](ImageRole role, uint32_t crc, int32_t length) {
                         show(lines->imageRead(role, crc, length));
                     });
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
