#pragma once

#include "jobs/job.h"

#include <QString>
#include <QStringList>

// One tessara-cli invocation as the command line asked for it.
struct CliRequest {
    QString command;
    Job job = Job::Probe;
    QStringList images; // the command's image files, in order
    QString mcuImage;
    QString flashImage;
    QString port; // empty: the chip's port from the serial-port map
    int waitTime = 0;
    int bootSetting = 0;
    bool quiet = false;
    bool eraseWhole = false;
    bool nand = false;
    bool onlyChanged = false; // flash updates write only the blocks that differ
    bool blocks = false;      // check-flash names the ranges that differ
};

struct CliParse {
    enum Outcome { Run, Help, Version, Error };
    Outcome outcome = Error;
    CliRequest request;
    QString text; // the help text, or the one-line reason of an Error
};

// Reads the arguments (program name first). Never exits and never prints.
CliParse Parse_CliArguments(const QStringList &arguments);

// Whether a command talks to the chip (every one but `ports`).
bool Command_NeedsDevice(const QString &command);
