#include "cli/terminal_frontend.h"

#include "jobs/stop_request.h"

#include <csignal>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// A progress bar is drawn on stderr and its line not yet ended.
volatile std::sig_atomic_t barOpen = 0;

void writeError(const char *text, size_t length) {
    // Nothing to be done when stderr is gone; the work goes on.
#ifdef _WIN32
    if (_write(2, text, unsigned(length)) < 0) return;
#else
    if (::write(STDERR_FILENO, text, length) < 0) return;
#endif
}

// Ctrl-C asks every run to stop. An MCU write is never cut: the operator hears at once that it
// is awaited, however often he presses. Otherwise a second Ctrl-C ends the program at once, as
// a stuck program should.
extern "C" void onInterrupt(int) {
    // Windows resets the handler before it runs it.
    std::signal(SIGINT, onInterrupt);
    if (Mcu_WriteInProgress()) {
        static const char text[] = "tessara-cli: stopping once the MCU update is complete; "
                                   "interrupting it would leave the chip without firmware\n";
        if (barOpen) writeError("\n", 1);
        barOpen = 0;
        writeError(text, sizeof text - 1);
    } else if (Stop_Requested()) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    Request_Stop();
}

constexpr int BarWidth = 40;

} // namespace

TerminalFrontend::TerminalFrontend(const Choices &choices, FILE *out, FILE *err, bool progressBar)
    : choices(choices), out(out), err(err), progressBar(progressBar && !choices.quiet) {}

TerminalFrontend::~TerminalFrontend() {
    endProgressLine();
}

void TerminalFrontend::catchSignals() {
    std::signal(SIGINT, onInterrupt);
#ifdef SIGPIPE
    // A reader that went away (`| head`) must not end an update midway: writes to it fail, and
    // their failures are ignored.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool TerminalFrontend::exitRequested() const {
    return Stop_Requested();
}

void TerminalFrontend::print(FILE *stream, const QString &text) {
    endProgressLine();
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// A log line or message must not land in the middle of the bar.
void TerminalFrontend::endProgressLine() {
    if (shownPercent < 0) return;
    if (barOpen) std::fputc('\n', err);
    std::fflush(err);
    shownPercent = -1;
    barOpen = 0;
}

void TerminalFrontend::logLine(const QString &text) {
    if (choices.quiet) return;
    if (choices.eachLineOnce) {
        if (printed.contains(text)) return;
        printed.insert(text);
    }
    print(out, text);
}

void TerminalFrontend::showMessage(const QString &text) {
    print(err, text);
}

void TerminalFrontend::setProgress(int percent) {
    if (!progressBar) return;
    percent = qBound(0, percent, 100);
    if (percent == shownPercent) return;
    const int filled = percent * BarWidth / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(BarWidth - filled, '.');
    std::fprintf(err, "\r[%s] %3d%%", bar.constData(), percent);
    std::fflush(err);
    shownPercent = percent;
    barOpen = 1;
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
