#pragma once

#include "protocol/frame_trace.h"

#include <QFile>
#include <QString>
#include <cstdio>
#include <memory>

// --trace FILE and --verbose: the link's traffic as it passes, into a file that can be sent back
// from the field, and on stderr. Nothing is traced unless one of them is asked for.
class CliTrace {
  public:
    explicit CliTrace(FILE *errStream) : err(errStream) {}

    // Opens the trace file (none when `path` is empty); returns why it cannot be written, or "".
    QString open(const QString &path, bool verbose);
    // A first line for the file: what was run, where and when.
    void describeRun(const QString &what);
    // Flash addresses whose programmed bytes the trace shows as xx (FrameTrace::hideFlashRanges).
    void hideFlashRanges(const std::vector<std::pair<uint32_t, uint32_t>> &ranges) {
        if (trace) trace->hideFlashRanges(ranges);
    }
    // What to give the link; nullptr when no trace was asked for.
    LinkObserver *observer() const { return trace.get(); }
    // Ends the trace; returns why the file is incomplete (a write failed), or "".
    QString finish();

  private:
    void write(const QByteArray &line, bool toErr);

    FILE *err;
    bool verbose = false;
    QFile file;
    QString writeError; // the first write that failed
    std::unique_ptr<FrameTrace> trace;
};
