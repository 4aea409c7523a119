#pragma once

#include "mcu/mcu_image.h"
#include "protocol/result.h"
#include "support/scoped_current_dir.h"
#include "support/sim_session.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// What the MCU operation tests share: images, a comparable log and a simulated chip with a
// directory for the image files.

uint32_t imageCrc(const QByteArray &bytes);
// `length` random bytes (fixed by the seed), with `runAddress` in bytes 4..7 unless it is 0.
QByteArray mcuImage(int length, uint32_t runAddress = 0, quint32 seed = 5);
// Packs an image the way packaged files are stored: trailer appended, then above 23,552 file
// bytes the image's bytes 800..1311 moved to the file's end.
QByteArray packagedImage(const QByteArray &image, uint32_t trailer);
// The log with every wall-clock line made "Timer" and the handshake's version line "Version".
QStringList comparableLog(const QStringList &log);

// A simulated chip of `model`, identified as a probe would, with a temporary current directory.
struct McuRig {
    explicit McuRig(const QString &model);
    // Writes `bytes` as `name` and names it as the MCU image.
    void useImage(const QByteArray &bytes, const QString &name = QStringLiteral("fw.bin"));
    // "Update MCU" of the image named (read as a run reads it), with `blSet`; `facts` get the
    // image's facts.
    Result<> update();
    // Checks how an update that got past loading ends: an empty line and the verdict.
    void verifyEnding(bool ok) const;

    ScopedCurrentDir dir;
    SimSession chip;
    QString path; // the MCU image named ("" none)
    int blSet = 0;
    McuImageFacts facts;
};
