#pragma once

#include "cli/journal_stream.h"
#include "protocol/observer.h"

#include <QSet>
#include <QString>
#include <cstdio>
#include <optional>

// Writes `text` and a line end to `stream` at once, in the locale's encoding; when the stream is
// the systemd journal's, with its priority in front.
void Print_Line(FILE *stream, const QString &text,
                LinePriority priority = LinePriority::Information);

// A port's name (or a text that holds one) as a terminal shows it: control characters (a name is
// only a path, and may hold any) escaped as \xNN, so that it can neither move the cursor nor split
// a line.
QString Escape_Controls(const QString &text);

// What a terminal prints of one board's log: its lines exactly as the window's log panel shows
// them, with the facts the window shows in its fields as lines among them ("MCU type: KQ31B",
// "Flash ID: 0xef4018  Size: 16777216  Name: W25Q128JV", the image labels); nothing with --quiet;
// and with `eachLineOnce` no line twice (the information reply repeats what the probe printed).
class TerminalLines {
  public:
    TerminalLines(bool quiet, bool eachLineOnce) : quietLog(quiet), once(eachLineOnce) {}

    // The line to print for each; none when it is not printed.
    std::optional<QString> logLine(const QString &text);
    std::optional<QString> chipIdentified(const QString &modelName);
    std::optional<QString> flashPartRead(const FlashPartFacts &part);
    std::optional<QString> imageRead(ImageRole role, uint32_t crc, int32_t length);

  private:
    bool quietLog;
    bool once;
    QSet<QString> printed;
};
