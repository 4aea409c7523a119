#include "cli/port_probe.h"

#include "jobs/board_thread.h"

namespace {

QString note(const JobResult &o, int deadlineMs) {
    if (o.ok() && o.chip)
        return QStringLiteral("model=%1 boot=0x%2")
            .arg(o.chip->name())
            .arg(o.chip->bootVersion, 0, 16);
    if (o.outOfTime)
        return QStringLiteral("model=? (no answer within %1 s)")
            .arg(QString::number(deadlineMs / 1000.0, 'g', 3));
    // Ctrl-C does not cut a handshake short: an interrupted probe ended as one of these.
    if (o.chip && !o.chip->known()) return QStringLiteral("model=unknown (no known chip answered)");
    return QStringLiteral("model=? (%1)")
        .arg(o.reason().isEmpty() ? QStringLiteral("not probed") : o.reason());
}

} // namespace

QMap<QString, QString> Probe_Ports(const QStringList &ports, const CliRequest &request,
                                   int deadlineMs) {
    JobRequest probe;
    probe.job = Job::Probe;
    probe.waitTime = request.waitTime;
    QStringList distinct = ports; // a port listed twice is still one port
    distinct.removeDuplicates();
    QMap<QString, QString> notes;
    Run_Boards(
        distinct, probe, {},
        [&](BoardThread &board) { notes.insert(board.port(), note(board.result(), deadlineMs)); },
        QDeadlineTimer(deadlineMs));
    return notes;
}
