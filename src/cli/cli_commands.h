#pragma once

#include "cli/cli_options.h"
#include "cli/terminal_frontend.h"
#include "jobs/board_report.h"
#include "jobs/board_run.h"
#include "serial/port_map.h"

#include <QString>
#include <cstdio>

// tessara-cli's exit statuses.
enum CliStatus { CliOk = 0, CliFailed = 1, CliUsage = 2, CliInterrupted = 130 };

// Runs one parsed request on one board: opens the port, probes the chip as opening the port in
// the window does, then runs the command's operation. Its own one-line reasons go to `err`,
// prefixed with the program's name; the operations speak through `ui`.
int Run_CliRequest(const CliRequest &request, TerminalFrontend &ui, FILE *out, FILE *err);

// What a request asks of the front end and of each board run.
TerminalFrontend::Choices Cli_Choices(const CliRequest &request);
BoardSettings Cli_BoardSettings(const CliRequest &request);

// A one-line reason on `err`, prefixed with the program's name.
void Cli_Complain(FILE *err, const QString &reason);
// What a device command checks before any port is touched, so that a typo costs no device
// traffic: its images are readable and its report, if any, is open. CliOk, or CliUsage after
// saying why.
int Cli_Prepare(const CliRequest &request, BoardReport &report, FILE *err);
// Appends the board's record when a report is open; says so on `err` when it cannot.
void Cli_Record(BoardReport &report, const BoardOutcome &outcome, const QString &port,
                const QString &command, FILE *err);
