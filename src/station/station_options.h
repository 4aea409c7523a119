#pragma once

#include "bundle/release_pin.h"
#include "jobs/job_request.h"
#include "line/line_options.h"
#include "station/scanned_text.h"

#include <QString>
#include <QStringList>
#include <optional>

// What becomes of a failed board that comes back to its slot before the operator acknowledged
// its FAIL: run again at once, run again once acknowledged, or never run again (the next
// board, after the acknowledgement, is a new one).
enum class RetryPolicy { Auto, Ask, Never };

// What tessara-station was started with.
struct StationOptions {
    Job job = Job::UpdateAll;
    QString operation = QStringLiteral("update-all"); // as the report names it
    QString mcuPath, flashPath;                       // the recipe's images
    QString bundlePath;                               // or the recipe's release bundle (.kqb)
    QStringList trust;                                // the bundle's trusted keys (--trust)
    ReleasePin pin; // --product, --min-version: the only product, the lowest release
    // The models raw images are for (--model); with a bundle, those of its models the station
    // takes (none: all of them).
    QStringList models;
    QString flashIniPath;
    // Where a bundle's per-board values come from (--ledger); empty: the default ledger.
    QString ledger;
    QString reportPath; // empty: Default_ReportPath()
    QString slotsConf;  // empty: none, slots named after their hub ports
    bool onlyChanged = false;
    bool manual = false; // boards wait for Start instead of running on arrival
    int maxParallel = 0; // boards at once; 0: all
    RetryPolicy retry = RetryPolicy::Ask;
    QString supervisorHash; // --supervisor-hash, from station.conf
    QString station;        // this station's name (--station); empty: the host's
    // What the station tells the line: the hooks before and after each board, the broker.
    LineOptions line;
    bool fullscreen = false;
    ScanPolicy scan = ScanPolicy::Off; // --scan: board serials
    QString operatorId, lot;           // the shift's; asked for at start when not both given
};

// The options, or the reason they cannot be used (in the operator's language).
struct ParsedStationOptions {
    std::optional<StationOptions> options;
    QString error;
    bool help = false;
    bool version = false;
};

// The arguments, after `--config FILE` is replaced by the words of FILE (station.conf, the
// file tessara-cli --config reads too).
ParsedStationOptions Parse_StationOptions(const QStringList &arguments);
// The text of --help.
QString Station_Usage();
// The system's station.conf (/etc/tessara/station.conf).
QString Default_StationConf();
// $XDG_DATA_HOME/tessara/reports/station-YYYY-MM-DD.jsonl, today's date.
QString Default_ReportPath();
// update-all, update-mcu, update-flash, check-mcu, check-flash: the job; none for another name.
std::optional<Job> Station_Job(const QString &operation);
