#pragma once

#include "cli/cli_options.h"
#include "cli/terminal_frontend.h"
#include "serial/port_map.h"

#include <QString>
#include <cstdio>

// tessara-cli's exit statuses: 130 is the shells' status of a program ended by Ctrl-C.
enum CliStatus { CliOk = 0, CliFailed = 1, CliUsage = 2, CliInterrupted = 130 };

// Runs one parsed request: opens the port, probes the chip as opening the port in the window
// does, then runs the command's operation. The operations speak through `ui`; a failure ends
// with one line on `err` naming its cause, prefixed with the program's name.
int Run_CliRequest(const CliRequest &request, TerminalFrontend &ui, FILE *out, FILE *err);
