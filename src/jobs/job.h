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

// Runs `job` on a session whose chip the probe has identified, with the image paths and choices
// of the session's front end. The checks read their image afresh, as choosing it does. True on
// success.
bool Run_Job(Job job, DeviceSession &s);
