#pragma once

#include "flash/flash_image.h"
#include "jobs/job_table.h"
#include "mcu/mcu_image.h"
#include "protocol/chip_identity.h"
#include "protocol/image_file.h"
#include "protocol/observer.h"
#include "protocol/result.h"
#include "serial/link_observer.h"

#include <QDeadlineTimer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BoardDataSource;

// What a gate sees of a board before anything is erased or written on it.
struct GateFacts {
    QString port; // the board's port as the front end named it
    ChipIdentity chip;
    // The external flash part: for a flash update always, for Update All when the request asks
    // for it (gateSeesFlashPart); empty otherwise.
    std::optional<FlashPartFacts> flashPart;
    // The board's stop token, for a gate that waits (a hook, an operator) to give up on a stop.
    std::function<bool()> stopRequested;
};

// Called on the board's thread after the chip is identified and before anything is erased or
// written (update-mcu, update-flash, update-all): a failure it returns ends the job there, and
// is the job's failure. A stop that comes while a gate waits ends the job as stopped, whatever
// the gate answers. A release checks the model and the flash part here, a line asks for its
// approval. May block (the answer of an operator, of the line); with several boards it is called
// on several threads at once.
using Gate = std::function<Result<>(const GateFacts &)>;
// The gates of a request, asked in order; the first that refuses ends the job, and those after it
// are not asked (a release's chip check before the line's approval).
using Gates = std::vector<Gate>;

// Everything one job needs: what to do, the images read once for the whole run, the choices of
// the operator and of the line. Nothing is asked of anyone while the job runs.
struct JobRequest {
    Job job = Job::Probe;

    // The images, read once for the run (Read_McuImageFile, Read_FlashImageFile): every board of
    // a run gets the same snapshot. Null: none was given; a job that needs it refuses.
    ImageSnapshot mcuImage;
    ImageSnapshot flashImage;
    // What the checks compare with when no image file is given (the window's: the images as the
    // last Input or update left them).
    McuImageFacts mcuFacts;
    FlashImageFacts flashFacts;

    QString flashIniPath;         // a Flash.ini the operator named; searched first
    bool eraseWhole = false;      // the flash update erases the whole part first
    bool onlyChanged = false;     // the flash update writes only the blocks that differ
    bool nand = false;            // flash mode downloads the NAND loader, else the NOR one
    bool listDifferences = false; // the flash check names the ranges that differ
    int bootSetting = 0;          // blSet, the boot-setting record after an MCU update
    int waitTime = 0;             // extra milliseconds for the rest of a reply, 0..7

    Gates gates;
    // Update All reads the flash part before the MCU update, so that the gates see it before
    // either memory is erased.
    bool gateSeesFlashPart = false;

    // Values of each board's own put into its copy of the flash image (board_data.h); none:
    // every board gets the same image.
    std::shared_ptr<BoardDataSource> boardData;

    // Shown the link's traffic (a trace); none: nothing is done for it.
    LinkObserver *trace = nullptr;
    // The run ends by then: a wait for the chip still going is cut short ("no answer in the
    // time given").
    QDeadlineTimer deadline{QDeadlineTimer::Forever};
};

// Reads the images `job` writes or checks, once, for a run: `mcuPath` and `flashPath` as the
// operator named them. An empty path is not read: a job that needs the image refuses it as none
// named, and a check compares with the request's facts.
void Read_JobImages(JobRequest &request, const QString &mcuPath, const QString &flashPath);
