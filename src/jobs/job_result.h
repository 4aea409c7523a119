#pragma once

#include "flash/flash_image.h"
#include "mcu/mcu_image.h"
#include "protocol/chip_identity.h"
#include "protocol/observer.h"
#include "protocol/result.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>
#include <optional>

// How one memory's part of a job went.
enum class StepState { NotStarted, Ok, Failed, Interrupted };

// An image file a job was given, and what it held when it was read.
struct BoardImage {
    QString path; // absolute
    uint32_t crc = 0;
    int32_t length = 0; // 0: not read (the run ended before it needed the image)
    QByteArray sha256;  // of the file as read
};

// How far a board got, with what its record and the front ends need.
struct JobResult {
    std::optional<Failure> failure; // none: the job succeeded
    bool ok() const { return !failure; }
    bool interrupted() const { return failure && failure->kind == FailureKind::Stopped; }
    QString reason() const { return failure ? failure->reason : QString(); }

    // The chip, as the probe (or the device information) identified it; none when the port did
    // not open.
    std::optional<ChipIdentity> chip;

    // Each memory's step.
    StepState mcu = StepState::NotStarted;
    StepState flash = StepState::NotStarted;
    int flashBlocks = 0;                     // of the flash image
    int flashBlocksWritten = 0;              // sent to the chip
    std::optional<FlashPartFacts> flashPart; // once its ID was read

    // The images as the job left them for a later check (when it read them).
    std::optional<McuImageFacts> mcuFacts;
    std::optional<FlashImageFacts> flashFacts;
    // The image files the job was given, for the records.
    std::optional<BoardImage> mcuImage, flashImage;

    // The board's own values as its record shows them, field by field (never a secret).
    QList<QPair<QString, QString>> unitValues;
    // Refused before any write because a counter or pool of its values has none left.
    bool valuesExhausted = false;

    bool outOfTime = false; // the deadline came before the job could end
    double seconds = 0;
};

// The state a step ended in.
StepState Step_State(const Result<> &r);
