#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

// `tessara-cli bundle SUBCOMMAND ...`: making, signing, showing and verifying release bundles.
// Nothing here touches a port.

// Whether the arguments (program name first) ask for a bundle command: "bundle" comes first.
bool Is_BundleCommand(const QStringList &arguments);

// Runs it: 0 done (or the bundle is whole and acceptable), 1 a file could not be written,
// 2 refused or bad usage, with the reason as the last line on `err`.
int Run_BundleCommand(const QStringList &arguments, FILE *out, FILE *err);

// The bundle commands for tessara-cli's own help.
QString Bundle_HelpSummary();
