#pragma once

#include "cli/journal_stream.h"
#include "protocol/observer.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <cstdio>
#include <optional>

class BoardThread;

// What the operator sees of several boards at once, on the starting thread: each board's log
// lines with its port in front (stdout), its message texts likewise (stderr), and on a terminal
// one progress line that follows the slowest board, naming its phase. The progress line is
// always the last line: every other line goes above it, and it is gone once no board runs.
class GangConsole {
  public:
    GangConsole(FILE *out, FILE *err, bool progressBar);
    ~GangConsole();
    GangConsole(const GangConsole &) = delete;
    GangConsole &operator=(const GangConsole &) = delete;

    // Shows what `board` shows (as a single board's terminal would: TerminalLines), delivered on
    // the thread of `context`.
    void follow(BoardThread *board, QObject *context, bool quiet, bool eachLineOnce);
    // The board on `port` runs (follow() says so): it joins the progress line ...
    void boardStarted(const QString &port);
    // ... until its run is over.
    void boardEnded(const QString &port);

    void logLine(const QString &port, const QString &text);
    void message(const QString &port, const QString &text);
    void progress(const QString &port, int percent);
    void phaseStarted(const QString &port, ProgressPhase phase);
    // A line of the console's own: a result, the summary.
    void line(const QString &text);

  private:
    // How far a running board has come: its phase (none before the first) and its percent.
    struct Progress {
        std::optional<ProgressPhase> phase;
        int percent = 0;
        // Further back in the run: an earlier phase, or the same phase at a lower percent.
        bool behind(const Progress &other) const;
    };

    void print(FILE *stream, const QString &text, LinePriority priority);
    void drawBar();
    void clearBar();

    FILE *out;
    FILE *err;
    bool progressBar;
    QMap<QString, Progress> running; // by port
    QString shownBar;                // empty: none on the screen
};
