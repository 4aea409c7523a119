#pragma once

#include <QString>

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
    // The window's two hidden buttons: each logs its own verdict and never fails.
    ReportSecondBootInfo, // sends the second boot information of the MCU image's facts
    ReportDeviceInfo,     // the device information, "reVal = " and its result
};

// What a job uses and does, one row per job (job_table.cpp). Nothing outside the table lists
// jobs to decide what they need: every front end and the jobs themselves read their row.
struct JobTraits {
    Job job;
    bool mcuImage;       // writes or checks the MCU image
    bool flashImage;     // writes or checks the flash image
    bool writes;         // erases and writes the chip's memories (its gates are asked first)
    bool readsFlashPart; // reads the external flash part's ID
    bool eraseWhole;     // takes erase-whole (the flash update erases the whole part first)
    bool onlyChanged;    // takes only-changed (the flash update writes only what differs)
};

// The row of `job`.
const JobTraits &Job_Traits(Job job);

// Why a flash update cannot be asked for both erase-whole and only-changed; empty when the two
// go together. The one rule for the pair, whichever front end asks.
QString FlashChoices_Refusal(bool eraseWhole, bool onlyChanged);
