#pragma once

#include "cli/cli_options.h"

#include <QMap>
#include <QString>
#include <QStringList>

// How long `ports --probe` gives the chips: a healthy chip is identified in a few milliseconds,
// a silent one would hold its port for a whole handshake time-out (1.5 s).
constexpr int PortProbeMs = 900;

// `ports --probe`: what is on each of `ports`, as a note for its row of the listing, by port:
// "model=KQ31B boot=0x1a", or "model=? (why not)". Every port is probed at once, as `probe` does
// it, each on a board thread of its own; every probe ends within `deadlineMs`, and a port that
// has not answered by then is said not to answer.
QMap<QString, QString> Probe_Ports(const QStringList &ports, const CliRequest &request,
                                   int deadlineMs = PortProbeMs);
