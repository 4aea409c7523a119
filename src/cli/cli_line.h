#pragma once

#include "cli/cli_options.h"
#include "jobs/board_report.h"
#include "jobs/job_result.h"
#include "line/board_lifecycle.h"
#include "line/line_station.h"
#include "serial/port_info.h"

#include <QString>
#include <cstdio>
#include <memory>

// The station's name on the broker and in each record (--station, else the host name); none
// without --mqtt.
QString Cli_StationName(const CliRequest &request);
// The production line's part of a tessara-cli run: its station (events on `out` with --json, the
// hooks, the MQTT publisher), started; none (after saying why on `err`) when its settings cannot
// be used (an MQTT password file that cannot be read, a client that cannot be set up).
std::unique_ptr<LineStation> Cli_LineStation(const CliRequest &request, FILE *out, FILE *err);
// Who the board on `port` is, as far as the line can know before its chip answers: its slot (the
// place of the --port that names it, "1" for the first; none with --all or without --port) and
// its port's USB serial number, from the system's `identities` of its ports.
BoardIdentity Cli_BoardIdentity(const CliRequest &request, const QList<ReportField> &recordFields,
                                const QString &port,
                                const QList<PortIdentity> &identities = System_PortIdentities());
// `board`'s run on `port` starts: the line follows it, and its records tell who the board is
// (Board_IdentityFields) after the run's fields, `recordFields`.
void Cli_BeginBoard(BoardLifecycle &lifecycle, const CliRequest &request,
                    const QList<ReportField> &recordFields, BoardThread *board, QObject *context,
                    const QString &port,
                    const QList<PortIdentity> &identities = System_PortIdentities());
// A board named `name` that is not there: its record, of no known board.
QByteArray Cli_AbsentBoard(BoardLifecycle &lifecycle, const QString &name, const JobResult &result);
// `request` with the line's approval as its last gate.
JobRequest Cli_LineGated(JobRequest request, LineStation &line);
