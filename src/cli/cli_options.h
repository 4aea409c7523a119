#pragma once

#include "bundle/release_pin.h"
#include "jobs/job.h"
#include "line/line_options.h"

#include <QString>
#include <QStringList>

// One tessara-cli invocation as the command line asked for it.
struct CliRequest {
    QString command;
    Job job = Job::Probe;
    QStringList images; // the command's image files, in order
    QString mcuImage;
    QString flashImage;
    // --bundle: the release bundle the images come from, in place of image files; --trust: more
    // public keys to trust it from.
    QString bundle;
    QStringList trust;
    // --model: the only models written (update commands); with --bundle, some of its models.
    QStringList models;
    // --product, --min-version: the only product and the lowest release this station writes.
    ReleasePin pin;
    // --ledger: where a bundle's per-board values come from (a SQLite file or a PostgreSQL URL);
    // empty: the default ledger.
    QString ledger;
    QStringList ports;  // none: the chip's port from the serial-port map
    bool all = false;   // every chip port of the serial-port map
    bool watch = false; // keep running; each board that arrives gets the command
    QString report;     // JSON Lines record of every board, appended; empty: none
    QString flashIni;   // --flash-ini: searched first, used when it exists
    // --trace: the file that gets every frame sent and received (empty: none); --verbose: stderr.
    QString trace;
    bool verbose = false;
    int waitTime = 0;
    int bootSetting = 0;
    bool quiet = false;
    bool eraseWhole = false;
    bool nand = false;
    bool onlyChanged = false; // flash updates write only the blocks that differ
    bool blocks = false;      // check-flash names the ranges that differ
    bool probe = false;       // ports identifies the chip on every chip port
    // The production line (src/line): events as JSON lines on stdout in place of the log, a
    // command that may refuse each board before it is written and one told how it ended, with
    // their time limit, and the MQTT broker that hears the events (its URL, the station's name in
    // the topics, the file with the user name and password).
    bool json = false;
    LineOptions line;

    // Several boards at once: each board's lines carry its port, and a table ends the run.
    bool gang() const { return all || ports.size() > 1; }
};

struct CliParse {
    enum Outcome { Run, Help, Version, Error };
    Outcome outcome = Error;
    CliRequest request;
    QString text; // the help text, or the one-line reason of an Error
};

// Reads the arguments (program name first), with each --config FILE replaced by the words of FILE
// (line/station_config.h). Never exits and never prints.
CliParse Parse_CliArguments(const QStringList &arguments);

// The first of `arguments` that names a command ("update-all"); empty when none does.
QString Command_Named(const QStringList &arguments);

// Whether a command talks to the chip (every one but `ports`).
bool Command_NeedsDevice(const QString &command);

// Whether a command looks its flash part up in Flash.ini.
bool Command_ReadsFlashIni(const QString &command);
