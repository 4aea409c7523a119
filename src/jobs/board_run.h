#pragma once

#include "jobs/job.h"
#include "protocol/frontend.h"
#include "serial/link_observer.h"

#include <QDeadlineTimer>
#include <QString>
#include <cstdint>
#include <optional>

// What a board run needs beyond the front end's choices.
struct BoardSettings {
    int waitTime = 0;             // extra milliseconds for the rest of a reply, 0..7
    int blSet = 0;                // the boot-loader setting sent after an MCU update
    bool onlyChanged = false;     // flash updates write only the blocks that differ
    bool listDifferences = false; // the flash check names the ranges that differ
    QString flashIniPath;         // a Flash.ini the operator named; searched first
    // Shown the link's traffic (a trace); none: nothing is done for it.
    LinkObserver *observer = nullptr;
    // The run ends by then: a wait for the chip still going is cut short as a time-out.
    QDeadlineTimer deadline{QDeadlineTimer::Forever};
};

// An image file a run was given, and what it held when it was read.
struct BoardImage {
    QString path; // absolute
    uint32_t crc = 0;
    int32_t length = 0; // 0: not read (the run ended before it needed the image)
};

// How a board run ended, with what the record of the board needs.
struct BoardOutcome {
    bool ok = false;
    bool interrupted = false; // stopped by an exit request before it could succeed
    bool outOfTime = false;   // its deadline came before it could succeed (whatever the reason)
    QString model;            // as the probe named it; empty when the port did not open
    uint32_t bootVersion = 0;
    QString reason; // why it failed, in words; empty on success or when nobody said
    double seconds = 0;
    std::optional<BoardImage> mcuImage, flashImage; // the images the job was given
    uint32_t flashId = 0; // the external flash part, when the job read its ID (0: not read)
    QString flashName;    // its name in Flash.ini; empty when not listed
};

// One run on one board: opens `port`, identifies the chip as opening the port in the window
// does, then runs `job` as a run of its own (Run_NewSessionJob). The session lives for this
// run only, on the calling thread; several boards run at once on threads of their own.
BoardOutcome Run_OnBoard(const QString &port, Job job, Frontend &ui, const BoardSettings &settings);
