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
    QString port;     // empty: the chip's port from the serial-port map
    QString flashIni; // --flash-ini: searched first, used when it exists
    // --trace: the file that gets every frame sent and received (empty: none); --verbose: stderr.
    QString trace;
    bool verbose = false;
    int waitTime = 0;
    int bootSetting = 0;
    bool quiet = false;
    bool eraseWhole = false;
    bool nand = false;
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

// Whether a command looks its flash part up in Flash.ini.
bool Command_ReadsFlashIni(const QString &command);
