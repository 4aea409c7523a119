#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <cstdio>

class BoardThread;

// What the operator sees of several boards at once, on the starting thread: each board's log
// lines with its port in front (stdout), its message texts likewise (stderr), and on a terminal
// one progress line that follows the slowest board.
class GangConsole {
  public:
    GangConsole(FILE *out, FILE *err, bool progressBar);
    ~GangConsole();
    GangConsole(const GangConsole &) = delete;
    GangConsole &operator=(const GangConsole &) = delete;

    // Shows what `board` shows, delivered on the thread of `context`.
    void follow(BoardThread *board, QObject *context);
    // The board's run is over: it leaves the progress line.
    void boardEnded(const QString &port);

    void logLine(const QString &port, const QString &text);
    void message(const QString &port, const QString &text);
    void progress(const QString &port, int percent);
    // A line of the console's own: a result, the summary.
    void line(const QString &text);

  private:
    void print(FILE *stream, const QString &text);
    void drawBar();
    void clearBar();

    FILE *out;
    FILE *err;
    bool progressBar;
    QMap<QString, int> percents; // of the boards running
    QString shownBar;            // empty: none on the screen
};
