#include "cli/gang_console.h"

#include "cli/board_thread.h"
#include "cli/interrupt.h"
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
    percents.insert(port, 0);
}

void GangConsole::boardEnded(const QString &port) {
    percents.remove(port);
    drawBar();
}

void GangConsole::logLine(const QString &port, const QString &text) {
    print(out, prefixed(port, text));
}

void GangConsole::message(const QString &port, const QString &text) {
    print(err, prefixed(port, text));
}

void GangConsole::line(const QString &text) {
    print(out, text);
}

void GangConsole::progress(const QString &port, int percent) {
    if (!percents.contains(port)) return;
    percents[port] = qBound(0, percent, 100);
    drawBar();
}

void GangConsole::print(FILE *stream, const QString &text) {
    clearBar();
    Print_Line(stream, text);
    drawBar();
}

// "[#####.....]  45%  slowest of 3: PORT"
void GangConsole::drawBar() {
    if (!progressBar) return;
    if (percents.isEmpty()) {
        clearBar();
        return;
    }
    const auto slowest = std::min_element(percents.cbegin(), percents.cend());
    const int percent = slowest.value();
    const int filled = percent * BarWidth / 100;
    const QString bar = QStringLiteral("[%1%2] %3%  slowest of %4: %5")
                            .arg(QString(filled, QLatin1Char('#')))
                            .arg(QString(BarWidth - filled, QLatin1Char('.')))
                            .arg(percent, 3)
                            .arg(percents.size())
                            .arg(slowest.key());
    if (bar == shownBar) return;
    std::fprintf(err, "\r\033[K%s", bar.toLocal8Bit().constData());
    std::fflush(err);
    shownBar = bar;
    Note_ProgressLine(true);
}

void GangConsole::clearBar() {
    if (shownBar.isEmpty()) return;
    std::fputs("\r\033[K", err);
    std::fflush(err);
    shownBar.clear();
    Note_ProgressLine(false);
}
