#pragma once

#include "cli/cli_options.h"
#include "cli/terminal_frontend.h"
#include "serial/port_map.h"

#include <QString>
#include <cstdio>

// tessara-cli's exit statuses.
enum CliStatus { CliOk = 0, CliFailed = 1, CliUsage = 2 };

// Runs one parsed request: opens the port, probes the chip as opening the port in the window
// does, then runs the command's operation. Its own one-line reasons go to `err`, prefixed with
// the program's name; the operations speak through `ui`.
int Run_CliRequest(const CliRequest &request, TerminalFrontend &ui, FILE *out, FILE *err);
