#include "jobs/board_run.h"

#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "protocol/session.h"
#include "serial/serial_link.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// Opens, identifies and runs; `outcome` gets the chip and the verdict. False when the port did
// not open.
bool runOn(const QString &port, Job job, DeviceSession &session, BoardOutcome &outcome) {
    if (!session.link.Open(port)) {
        session.ui.showMessage(QStringLiteral("Open fail"));
        outcome.reason = session.link.openFailure(port);
        return false;
    }
    Probe_Model(session);
    const ChipModel *model = Find_ChipModel(session.modelCode);
    outcome.model = model ? QLatin1String(model->name) : QStringLiteral("unknown");
    outcome.bootVersion = session.bootVersion;
    if (!model) {
        outcome.reason = QStringLiteral("no known chip answered on \"%1\"").arg(port);
        return true;
    }
    outcome.ok = Run_NewSessionJob(job, session);
    if (!outcome.ok) outcome.reason = session.failure;
    return true;
}

// The images (by absolute path: a record outlives the working directory) and the flash part as
// this run's session read them.
void recordUse(const DeviceSession &s, BoardOutcome &outcome) {
    const auto image = [](const QString &path, uint32_t crc, int32_t length) {
        return BoardImage{QFileInfo(path).absoluteFilePath(), crc, length};
    };
    if (!s.ui.mcuImagePath().isEmpty())
        outcome.mcuImage = image(s.ui.mcuImagePath(), s.mcuCrc, s.mcuLen);
    if (!s.ui.flashImagePath().isEmpty())
        outcome.flashImage = image(s.ui.flashImagePath(), s.flashCodeCrc, s.flashCodeLen);
    outcome.flashId = s.flashId;
    outcome.flashName = s.flashName;
}

} // namespace

BoardOutcome Run_OnBoard(const QString &port, Job job, Frontend &ui,
                         const BoardSettings &settings) {
    QElapsedTimer clock;
    clock.start();
    BoardOutcome outcome;
    bool lost = false; // outlives the link, which may still report a loss as it closes
    SerialLink link;
    link.waitTime = settings.waitTime;
    link.observer = settings.observer;
    link.deadline = settings.deadline;
    QObject::connect(&link, &SerialLink::deviceLost, [&lost] { lost = true; });
    DeviceSession session(link, ui);
    session.blSet = settings.blSet;
    session.flashIniPath = settings.flashIniPath;
    session.onlyChanged = settings.onlyChanged;
    session.listDifferences = settings.listDifferences;
    const bool opened = runOn(port, job, session, outcome);
    const bool late = link.outOfTime();
    recordUse(session, outcome);
    // The cause that explains the others comes first: a stop asked for, then a vanished device
    // (whose commands all time out), then the deadline (which cut a wait short), then what the
    // run itself found.
    if (!outcome.ok && opened) {
        outcome.interrupted = ui.exitRequested();
        outcome.outOfTime = late;
        if (outcome.interrupted)
            outcome.reason = QStringLiteral("interrupted");
        else if (lost)
            outcome.reason = QStringLiteral("the device went away");
        else if (outcome.outOfTime)
            outcome.reason = QStringLiteral("no answer in the time given");
    }
    outcome.seconds = double(clock.nsecsElapsed()) / 1e9;
    return outcome;
}
