#pragma once

#include <QString>

// What --version tells: the version, whether the handshake proof tags are the defaults or were
// set for this build (never the tags: they are shared with the boot loader), and which KQ580
// flash-mode loaders are built in.
QString Cli_VersionText();
