#include "cli/terminal_frontend.h"

#include "cli/interrupt.h"

namespace {

constexpr int BarWidth = 40;

} // namespace

TerminalFrontend::TerminalFrontend(const Choices &choices, FILE *out, FILE *err, bool progressBar)
    : choices(choices), out(out), err(err), progressBar(progressBar && !choices.quiet) {}

TerminalFrontend::~TerminalFrontend() {
    endProgressLine();
}

bool TerminalFrontend::exitRequested() const {
    return Interrupt_Requested();
}

void Print_Line(FILE *stream, const QString &text) {
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void TerminalFrontend::print(FILE *stream, const QString &text) {
    endProgressLine();
    Print_Line(stream, text);
}

// A log line or message must not land in the middle of the bar.
void TerminalFrontend::endProgressLine() {
    if (shownPercent < 0) return;
    std::fputc('\n', err);
    std::fflush(err);
    shownPercent = -1;
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
    print(out, text);
}

void TerminalFrontend::printMessage(const QString &text) {
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
