#include "jobs/board_run.h"

#include "protocol/handshake.h"
#include "protocol/models.h"
#include "protocol/session.h"
#include "serial/serial_link.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// Opens, identifies and runs; `outcome` gets the chip and the verdict.
void runOn(const QString &port, Job job, DeviceSession &session, BoardOutcome &outcome) {
    Frontend &ui = session.ui;
    if (!session.link.Open(port)) {
        ui.showMessage(QStringLiteral("Open fail"));
        outcome.reason = QStringLiteral("cannot open port \"%1\"").arg(port);
        return;
    }
    Probe_Model(session);
    const ModelRow *model = findModel(session.modelCode);
    outcome.model = model ? QLatin1String(model->name) : QStringLiteral("unknown");
    outcome.bootVersion = session.bootVersion;
    if (!model) {
        outcome.reason = QStringLiteral("no known chip answered on \"%1\"").arg(port);
        return;
    }
    outcome.ok = Choose_JobImages(job, session) && Run_Job(job, session);
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
    SerialLink link;
    link.waitTime = settings.waitTime;
    DeviceSession session(link, ui);
    session.blSet = settings.blSet;
    runOn(port, job, session, outcome);
    recordUse(session, outcome);
    outcome.interrupted = !outcome.ok && ui.exitRequested();
    outcome.seconds = double(clock.nsecsElapsed()) / 1e9;
    return outcome;
}
