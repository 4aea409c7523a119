#pragma once

#include "line/board_identity.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

// A command of the production line, run for each board: --before-board asks the line whether the
// board may be written, --after-board tells it how the board ended. The command is a program and
// its arguments (Split_CommandWords), never a shell unless the operator writes one ("sh -c ...").
// It gets the board in its environment (TESSARA_PORT, TESSARA_SLOT, TESSARA_USB_SERIAL,
// TESSARA_MODEL, TESSARA_BOOT_VERSION, TESSARA_BUNDLE_SHA256, TESSARA_BUNDLE_VERSION,
// TESSARA_VERSION; unknown ones empty), runs on the board's thread and is waited for, at most
// `timeoutMs`; one that does not answer in time is ended with all it started. Only the last line
// of its standard error is kept (the last 4 KiB are read, the rest is passed over); its standard
// output is discarded.
class LineHook {
  public:
    static constexpr int DefaultTimeoutMs = 10000;

    LineHook() = default; // none: every board goes ahead, nothing is run after it
    // From the command line as the operator wrote it; sets `error` when it cannot be split or
    // names no program that can be run now (not in PATH, not executable).
    static LineHook FromCommandLine(const QString &commandLine, int timeoutMs, QString &error);

    bool isSet() const { return !words.isEmpty(); }
    QString program() const { return words.value(0); }

    // Before anything is erased on the board: empty when the line lets it be written, else why
    // not, "refused by the line: " and the hook's last line of standard error (or, when it said
    // nothing, how it ended: its exit status, a crash, no answer in time, not started).
    // A stop (`stopRequested` true) ends the hook at once with all it started: it refuses.
    using StopToken = std::function<bool()>;
    static constexpr const char *RefusalPrefix = "refused by the line: ";
    QString beforeBoard(const BoardIdentity &board, const StopToken &stopRequested = {}) const;
    // Once the board's run is over, with its report record (Board_ReportLine) on the hook's
    // standard input and TESSARA_RESULT (ok, fail, interrupted) and TESSARA_REASON taken from
    // it: empty when the hook succeeded, else a line for the log saying what went wrong. It never
    // changes the board's verdict.
    QString afterBoard(const BoardIdentity &board, const QByteArray &record) const;

    // How one run of the hook ended.
    struct Run {
        enum Ending { Exited, Crashed, TimedOut, Stopped, NotStarted } ending = NotStarted;
        int exitCode = 0; // Exited: the status; Crashed: the signal where the system tells it
        QString lastLine; // of its standard error: printable, at most MaxLineLength characters
        QString problem;  // NotStarted: why, in words
        bool ok() const { return ending == Exited && exitCode == 0; }
        // How it ended, for an operator: "exited with status 3: no such board", "crashed".
        QString describe(const QString &program, int timeoutMs) const;
    };
    static constexpr int MaxLineLength = 300;
    // Runs the hook with `environment`, `input` on its standard input (none when null), until it
    // ends, its time is up or `stopRequested` says stop.
    Run run(const QProcessEnvironment &environment, const QByteArray &input,
            const StopToken &stopRequested = {}) const;

  private:
    QStringList words;
    int timeoutMs = DefaultTimeoutMs;
};

// The board's variables added to this process's environment.
QProcessEnvironment Hook_Environment(const BoardIdentity &board);
