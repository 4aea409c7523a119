#include "jobs/board_run.h"

#include "protocol/handshake.h"
#include "protocol/models.h"
#include "protocol/session.h"
#include "serial/serial_link.h"

BoardOutcome Run_OnBoard(const QString &port, Job job, Frontend &ui,
                         const BoardSettings &settings) {
    BoardOutcome outcome;
    SerialLink link;
    link.waitTime = settings.waitTime;
    link.observer = settings.observer;
    if (!link.Open(port)) {
        ui.showMessage(QStringLiteral("Open fail"));
        outcome.reason = link.openFailure(port);
        return outcome;
    }
    bool lost = false;
    QObject::connect(&link, &SerialLink::deviceLost, [&lost] { lost = true; });
    DeviceSession session(link, ui);
    session.blSet = settings.blSet;
    session.flashIniPath = settings.flashIniPath;
    Probe_Model(session);
    const ModelRow *model = findModel(session.modelCode);
    outcome.model = model ? QLatin1String(model->name) : QStringLiteral("unknown");
    outcome.bootVersion = session.bootVersion;
    if (model) outcome.ok = Run_Job(job, session);
    if (outcome.ok) return outcome;

    // The cause that explains the others comes first: a stop asked for, then a vanished device
    // (whose commands all time out), then what the operation itself found.
    outcome.interrupted = ui.exitRequested();
    if (outcome.interrupted)
        outcome.reason = QStringLiteral("interrupted");
    else if (lost)
        outcome.reason = QStringLiteral("the device went away");
    else if (!model)
        outcome.reason = QStringLiteral("no known chip answered on \"%1\"").arg(port);
    else
        outcome.reason = session.failure;
    return outcome;
}
