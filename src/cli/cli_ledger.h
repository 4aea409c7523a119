#pragma once

#include "bundle/bundle_reader.h"
#include "cli/cli_options.h"
#include "jobs/job_request.h"

#include <QString>
#include <QStringList>
#include <cstdio>

// `tessara-cli ledger SUBCOMMAND ...`: the per-board values of the ledger (import a pool, the
// counts, a board's history), and the ledger a run of a bundle with per-board fields takes them
// from.

// Whether the arguments (program name first) ask for a ledger command: "ledger" comes first.
bool Is_LedgerCommand(const QStringList &arguments);
// Runs it: 0 done, 1 the ledger failed (cannot be opened, refused the change), 2 bad usage or a
// refused file, with the reason as the last line on `err`.
int Run_LedgerCommand(const QStringList &arguments, FILE *out, FILE *err);
// The ledger commands for tessara-cli's own help.
QString Ledger_HelpSummary();

// Makes each board of `job` get its own values from the ledger of `request` (--ledger, else the
// default one) when `bundle` declares per-board fields and the job writes the flash. False after
// saying why (the ledger cannot be opened): nothing is written without a lease.
bool Cli_TakeLedger(const CliRequest &request, const Bundle &bundle, JobRequest &job, FILE *err);
