#pragma once

#include "flash/flash_image.h"
#include "flash/flash_update.h"
#include "scoped_current_dir.h"
#include "sim_session.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

// A simulated chip whose external flash part is listed in the Flash.ini of a temporary current
// directory, identified as a successful probe would leave it, with a flash image on disk.
//
//     FlashRig rig("KQ31B");
//     QVERIFY2(rig.ok(), qPrintable(rig.error()));
//     const QByteArray image = rig.useImage(100000);
//     rig.update();
class FlashRig {
  public:
    static constexpr uint32_t DefaultId = 0xEF4018;

    // `flashSize` is the simulated part's capacity and the one Flash.ini gives for `id`.
    explicit FlashRig(const QString &model, qint64 flashSize = 16 * 1024 * 1024,
                      uint32_t id = DefaultId);

    ScopedCurrentDir dir;
    SimSession s;
    QString path;               // the flash image named ("" none)
    FlashUpdateRequest request; // the update's choices
    FlashUpdateRecord record;   // how far the last update got
    FlashImageFacts facts;      // what a check compares with

    bool ok() const { return s.ok(); }
    QString error() const { return s.error(); }
    DeviceSession &session() { return s.session; }
    RecordingObserver &ui() { return s.ui; }

    // Writes an image of `length` patterned bytes and names it; `facts` describe it.
    QByteArray useImage(int length, int seed = 1);
    // "Update Flash" of the image named, read as a run reads it.
    Result<> update();
    // Adds a line to Flash.ini.
    void listPart(uint32_t id, qint64 capacity, const QString &name);

    // The names of the frames the simulator received ("K", "m", "j", "k", "l", "n", ...).
    QStringList names() const;
    // The received frames of one name.
    QVector<SimFrame> frames(const QString &name) const;
};

// The Flash.ini line of a part: ID, 4096-byte sectors times their count, name.
QByteArray flashIniLine(uint32_t id, qint64 capacity, const QString &name);

// The last log line, where an update writes its outcome.
QString lastLogLine(const RecordingObserver &ui);

// The outcome line, with the whole log when it is not the one expected.
#define EXPECT_OUTCOME(ui, line)                                                                   \
    QVERIFY2(lastLogLine(ui) == (line),                                                            \
             qPrintable((ui).log.join('|') + " / " + (ui).messages.join('|')))
