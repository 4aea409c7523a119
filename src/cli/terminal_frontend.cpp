#include "cli/terminal_frontend.h"

#include "cli/interrupt.h"
#include "cli/progress_bar.h"

namespace {

constexpr int BarWidth = 40;

} // namespace

TerminalFrontend::TerminalFrontend(const Choices &choices, FILE *out, FILE *err, bool progressBar)
    : choices(choices), out(out), err(err), progressBar(progressBar && !choices.quiet) {}

TerminalFrontend::~TerminalFrontend() {
    endProgress();
}

bool TerminalFrontend::exitRequested() const {
    return Interrupt_Requested();
}

void Print_Line(FILE *stream, const QString &text, LinePriority priority) {
    QByteArray bytes = text.toLocal8Bit();
    if (Stream_IsJournal(stream)) bytes = Journal_Prefixed(bytes, priority);
    bytes += '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void TerminalFrontend::print(FILE *stream, const QString &text, LinePriority priority) {
    endProgress();
    Print_Line(stream, text, priority);
}

// The bar only ever shows what is going on now: a line printed after it would leave a stale bar
// behind, so it goes first, and comes back with the next progress.
void TerminalFrontend::endProgress() {
    if (!barShown) return;
    std::fputs(EraseLine, err);
    std::fflush(err);
    barShown = false;
    Note_ProgressLine(false);
}

void TerminalFrontend::logLine(const QString &text) {
    if (choices.quiet) return;
    if (choices.eachLineOnce) {
        if (printed.contains(text)) return;
        printed.insert(text);
    }
    printLog(text);
}

void TerminalFrontend::showMessage(const QString &text) {
    printMessage(text);
}

void TerminalFrontend::printLog(const QString &text) {
    print(out, text, LinePriority::Information);
}

void TerminalFrontend::printMessage(const QString &text) {
    print(err, text, LinePriority::Failure);
}

void TerminalFrontend::setProgress(int value) {
    value = qBound(0, value, 100);
    if (barShown && value == percent) return;
    percent = value;
    drawBar();
}

void TerminalFrontend::setProgressPhase(ProgressPhase value) {
    phase = value;
    percent = 0;
    drawBar();
}

void TerminalFrontend::drawBar() {
    if (!progressBar) return;
    const QString bar = Progress_Bar(percent, BarWidth, phase);
    std::fprintf(err, "%s%s", EraseLine, bar.toLocal8Bit().constData());
    std::fflush(err);
    barShown = true;
    Note_ProgressLine(true);
}

void TerminalFrontend::showModelName(const QString &name) {
    lastModelName = name;
    logLine(QStringLiteral("MCU type: ") + name);
}

void TerminalFrontend::showFlashPart(const QString &id, const QString &size, const QString &name) {
    // The window blanks its fields before a lookup; on a terminal that is only noise.
    if (id == QLatin1String("0") && size == QLatin1String("0") && name.isEmpty()) return;
    logLine(QStringLiteral("Flash ID: %1  Size: %2  Name: %3").arg(id, size, name));
}

void TerminalFrontend::showMcuImageLabel(const QString &text) {
    logLine(text);
}

void TerminalFrontend::showFlashImageLabel(const QString &text) {
    logLine(text);
}
