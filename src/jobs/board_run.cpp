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
    if (!link.Open(port)) {
        ui.showMessage(QStringLiteral("Open fail"));
        outcome.reason = QStringLiteral("cannot open port \"%1\"").arg(port);
        return outcome;
    }
    DeviceSession session(link, ui);
    session.blSet = settings.blSet;
    session.onlyChanged = settings.onlyChanged;
    session.listDifferences = settings.listDifferences;
    Probe_Model(session);
    const ModelRow *model = findModel(session.modelCode);
    outcome.model = model ? QLatin1String(model->name) : QStringLiteral("unknown");
    outcome.bootVersion = session.bootVersion;
    if (!model) {
        outcome.reason = QStringLiteral("no known chip answered on \"%1\"").arg(port);
        return outcome;
    }
    outcome.ok = Run_Job(job, session);
    return outcome;
}
