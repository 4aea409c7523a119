#pragma once

#include "cli/terminal_lines.h"
#include "protocol/observer.h"

#include <QString>
#include <cstdio>
#include <optional>

// A single board's jobs on a terminal: log lines on stdout exactly as the window's log panel
// shows them (TerminalLines), message-box texts on stderr, and a progress bar on stderr when it
// is a terminal. The bar names its phase and stays on the bottom line only while nothing else is
// printed: a line erases it, so that no bar is left among the lines or after the last one. The
// stop token is Ctrl-C (cli/interrupt.h).
class TerminalObserver : public Observer {
  public:
    struct Choices {
        bool quiet = false;
        bool eachLineOnce = false; // a log line already printed is not printed again
    };

    TerminalObserver(const Choices &choices, FILE *out, FILE *err, bool progressBar);
    ~TerminalObserver() override;

    void logLine(const QString &text) override;
    void message(const QString &text) override;
    void phaseStarted(ProgressPhase phase) override;
    void progress(int percent) override;
    bool stopRequested() const override;
    void chipIdentified(const QString &modelName) override;
    void flashPartRead(const FlashPartFacts &part) override;
    void imageRead(ImageRole role, uint32_t crc, int32_t length) override;

    // The run is over: the bar, if shown, is erased (the destructor does it too).
    void endProgress();

  private:
    void printLog(const std::optional<QString> &line);
    void print(FILE *stream, const QString &text, LinePriority priority);
    void drawBar();

    TerminalLines lines;
    FILE *out;
    FILE *err;
    bool progressBar;
    std::optional<ProgressPhase> phase; // the last one named
    int percent = 0;
    bool barShown = false;
};
