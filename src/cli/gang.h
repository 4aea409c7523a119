#pragma once

#include "cli/cli_options.h"
#include "line/line_station.h"

#include <cstdio>

// Runs the request's command on several boards at once (the ports named, or with --all every
// chip port of the serial-port map), each in a thread of its own, then prints a table of the
// boards (with --json, the boards' events in place of the lines and the table). One board's
// failure, hang or removal does not hold up the others. Exit status: 0 when every board
// succeeded, 1 when any failed, 130 when interrupted.
int Run_Gang(const CliRequest &request, LineStation &line, FILE *out, FILE *err, bool terminal);
