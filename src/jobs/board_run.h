#pragma once

#include "jobs/job.h"
#include "protocol/frontend.h"

#include <QString>
#include <cstdint>

// What a board run needs beyond the front end's choices.
struct BoardSettings {
    int waitTime = 0;             // extra milliseconds for the rest of a reply, 0..7
    int blSet = 0;                // the boot-loader setting sent after an MCU update
    bool onlyChanged = false;     // flash updates write only the blocks that differ
    bool listDifferences = false; // the flash check names the ranges that differ
};

// How a board run ended.
struct BoardOutcome {
    bool ok = false;
    QString model; // as the probe named it; empty when the port did not open
    uint32_t bootVersion = 0;
    QString reason; // why it failed, in words; empty on success
};

// One run on one board: opens `port`, identifies the chip as opening the port in the window
// does, then runs `job`. The session lives for this run only.
BoardOutcome Run_OnBoard(const QString &port, Job job, Frontend &ui, const BoardSettings &settings);
