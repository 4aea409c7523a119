#include "cli/terminal_observer.h"

#include "cli/interrupt.h"
#include "cli/progress_bar.h"

namespace {

constexpr int BarWidth = 40;

} // namespace

TerminalObserver::TerminalObserver(const Choices &chosen, FILE *outStream, FILE *errStream,
                                   bool withBar)
    : lines(chosen.quiet, chosen.eachLineOnce), out(outStream), err(errStream),
      progressBar(withBar && !chosen.quiet) {}

TerminalObserver::~TerminalObserver() {
    endProgress();
}

bool TerminalObserver::stopRequested() const {
    return Interrupt_Requested();
}

void TerminalObserver::print(FILE *stream, const QString &text, LinePriority priority) {
    endProgress();
    Print_Line(stream, text, priority);
}

// The bar only ever shows what is going on now: a line printed after it would leave a stale bar
// behind, so it goes first, and comes back with the next progress.
void TerminalObserver::endProgress() {
    if (!barShown) return;
    std::fputs(EraseLine, err);
    std::fflush(err);
    barShown = false;
    Note_ProgressLine(false);
}

void TerminalObserver::printLog(const std::optional<QString> &line) {
    if (line) print(out, *line, LinePriority::Information);
}

void TerminalObserver::logLine(const QString &text) {
    printLog(lines.logLine(text));
}

void TerminalObserver::chipIdentified(const QString &modelName) {
    printLog(lines.chipIdentified(modelName));
}

void TerminalObserver::flashPartRead(const FlashPartFacts &part) {
    printLog(lines.flashPartRead(part));
}

void TerminalObserver::imageRead(ImageRole role, uint32_t crc, int32_t length) {
    printLog(lines.imageRead(role, crc, length));
}

void TerminalObserver::message(const QString &text) {
    print(err, text, LinePriority::Failure);
}

void TerminalObserver::progress(int value) {
    value = qBound(0, value, 100);
    if (barShown && value == percent) return;
    percent = value;
    drawBar();
}

void TerminalObserver::phaseStarted(ProgressPhase value) {
    phase = value;
    percent = 0;
    drawBar();
}

void TerminalObserver::drawBar() {
    if (!progressBar) return;
    const QString bar = Progress_Bar(percent, BarWidth, phase);
    std::fprintf(err, "%s%s", EraseLine, bar.toLocal8Bit().constData());
    std::fflush(err);
    barShown = true;
    Note_ProgressLine(true);
}
