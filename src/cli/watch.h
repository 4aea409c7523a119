#pragma once

#include "cli/cli_options.h"
#include "line/line_station.h"

#include <cstdio>

// Keeps running until Ctrl-C: each watched port that appears (the ports named, with --all every
// chip port of the serial-port map, else the chip's port) gets the request's command on a thread
// of its own, and its result is printed and recorded; the board is not done again until its
// port has gone away and come back. Ends with the session's summary. Exit status: 0, or 130 when
// a board was still being updated at Ctrl-C. With --json the boards' events take the place of
// the lines on `out`.
int Run_Watch(const CliRequest &request, LineStation &line, FILE *out, FILE *err, bool terminal);
