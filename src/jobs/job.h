#pragma once

#include "protocol/session.h"

// The operations that one run performs on one chip, as the window's buttons and tessara-cli's
// commands start them.
enum class Job {
    Probe,       // identify only
    Info,        // device information
    FlashInfo,   // external flash part
    UpdateMcu,   // program and verify the MCU flash
    CheckMcu,    // compare the MCU flash with the MCU image
    UpdateFlash, // program and verify the external flash
    CheckFlash,  // compare the external flash with the flash image
    UpdateAll,   // the MCU update, then the flash update
    Run,         // start the application
    FlashMode,   // put a KQ580 into flash mode
};

// Runs `job` on a session whose chip the probe has identified, as its button in the window does,
// with the image paths and choices of the session's front end. The checks compare with the images
// as they were last chosen or updated. True on success; otherwise the session's failure says why.
bool Run_Job(Job job, DeviceSession &s);

// Runs `job` as a run of its own on a new session (tessara-cli, the gang, the watch): nothing was
// chosen before it, so a check reads its image exactly as the update it checks would.
bool Run_NewSessionJob(Job job, DeviceSession &s);
