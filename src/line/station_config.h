#pragma once

#include <QString>
#include <QStringList>

// The station's configuration file, for running tessara-cli as a service: `--config FILE` (or
// `--config=FILE`) among the arguments is replaced by the words of FILE, in place. Each line that
// is not empty and does not start with '#' is split as a command line (Split_CommandWords), so a
// line holds options ("--all", "--report /var/lib/tessara/report.jsonl") or the command
// ("update-all"). A file cannot name another one. Nothing after "--" is looked at.
// Returns the arguments so expanded, or sets `error` (a file that cannot be read, a line that
// cannot be split: "FILE:LINE: why") and returns none.
// With `origins`, each word's origin is set beside it: "FILE:LINE" for a word of a file, empty
// for one of the command line.
QStringList Expand_StationConfig(const QStringList &arguments, QString &error,
                                 QStringList *origins = nullptr);
