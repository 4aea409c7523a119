#pragma once

#include "cli/cli_options.h"
#include "cli/cli_status.h"
#include "cli/terminal_observer.h"
#include "jobs/board_report.h"
#include "jobs/job_request.h"
#include "jobs/job_result.h"
#include "line/line_station.h"
#include "serial/port_map.h"

#include <QString>
#include <cstdio>

// Runs one parsed request on one board, a gang of one on a board thread: opens the port, probes
// the chip as opening the port in the window does, then runs the command's job. What the board
// shows goes to `ui` and to the `line`; a failure ends with one line on `err` naming its cause,
// prefixed with the program's name.
int Run_CliRequest(const CliRequest &request, TerminalObserver &ui, LineStation &line, FILE *out,
                   FILE *err);

// How a request's board output is shown on a terminal.
TerminalObserver::Choices Cli_Choices(const CliRequest &request);

// What a device command prepares before any port is touched: the report it appends to, the job
// every board gets (its images read once, a run's snapshot; with --bundle the bundle's, with its
// chip check as a gate) and what each record adds (the bundle's names).
struct PreparedRun {
    BoardReport report;
    JobRequest job;
    QList<ReportField> recordFields;
};

// Prepares `run`, checking first what a device command needs, so that a typo costs no device
// traffic: its images are usable (a bundle whole, as its manifest says, its signature acceptable,
// holding the images the command needs), its Flash.ini (if it reads one) readable and its report,
// if any, open. CliOk, or CliUsage after saying why.
int Cli_Prepare(const CliRequest &request, PreparedRun &run, FILE *err);
// A --port value that names no port now: why, and whether its board is only not plugged in (an
// ambiguous USB serial number is not).
struct MissingPort {
    QString name;
    QString reason;
    bool notConnected = false;
};
// The ports of the boards a run of several serves, as they are now: with --all every chip port of
// the serial-port map, else each --port resolved (a USB serial number to its port). A value that
// names no port now is left out and added to `missing`.
QStringList Cli_BoardPorts(const CliRequest &request, QList<MissingPort> *missing = nullptr);
// Ports are boards only when each names a device of its own: says which names lead to one device
// and returns CliUsage when any do; else CliOk.
int Cli_OneNameEach(const QStringList &ports, FILE *err);
// `ports` with every name after the first of one device left out.
QStringList Cli_FirstNameEach(const QStringList &ports);
// At the end of a run: when records could not be written, says how many and why on `err` and
// returns CliFailed (a lost record fails the run whatever the boards did); else CliOk.
int Cli_RecordsLost(const BoardReport &report, FILE *err);
