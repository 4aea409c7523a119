#include "cli/cli_commands.h"

#include "cli/cli_trace.h"
#include "jobs/board_run.h"
#include "serial/port_choice.h"
#include "serial/port_listing.h"

#include <QFile>
#include <QFileInfo>

namespace {

void say(FILE *stream, const QString &text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
    std::fflush(stream);
}

void complain(FILE *err, const QString &reason) {
    say(err, QStringLiteral("tessara-cli: ") + reason);
}

int listPorts(FILE *out, FILE *err) {
    const SerialCommMap map = Read_SerialCommMap();
    if (!map.opened) {
        complain(err, QStringLiteral("cannot read the serial-port map"));
        return CliFailed;
    }
    for (const QString &line : Port_Listing(map, System_PortIdentities()))
        say(out, line);
    if (map.chipPortGuessed)
        say(out,
            QStringLiteral(
                "(*) the chip's port is a guess on Linux: the first ttyACM device. Name it with "
                "--port NAME, --port serial:NUMBER or TESSARA_SERIALCOMM."));
    return CliOk;
}

// Images are checked before the port is touched, so a typo costs no device traffic.
bool imagesReadable(const QStringList &images, FILE *err) {
    for (const QString &path : images) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            complain(err,
                     QStringLiteral("cannot read image \"%1\"%2")
                         .arg(path, QFileInfo::exists(path) ? QString()
                                                            : QStringLiteral(": no such file")));
            return false;
        }
    }
    return true;
}

} // namespace

int Run_CliRequest(const CliRequest &r, TerminalFrontend &ui, FILE *out, FILE *err) {
    if (!Command_NeedsDevice(r.command)) return listPorts(out, err);
    if (!imagesReadable(r.images, err)) return CliUsage;

    const PortChoice port = Resolve_Port(r.port, Read_SerialCommMap(), System_PortIdentities());
    if (port.portName.isEmpty()) {
        complain(err, port.error + (r.port.isEmpty() ? QStringLiteral("; name one with --port")
                                                     : QString()));
        return CliUsage;
    }
    const QString portLine = port.origin.isEmpty()
                                 ? port.portName
                                 : QStringLiteral("%1 (%2)").arg(port.portName, port.origin);

    CliTrace trace(err);
    const QString traceProblem = trace.open(r.trace, r.verbose);
    if (!traceProblem.isEmpty()) {
        complain(err, traceProblem);
        return CliUsage;
    }
    trace.describeRun(QStringLiteral("tessara-cli %1 %2 on %3")
                          .arg(QStringLiteral(TESSARA_VERSION), r.command, portLine));
    ui.logLine(QStringLiteral("Port: ") + portLine);

    BoardSettings settings;
    settings.waitTime = r.waitTime;
    settings.blSet = r.bootSetting;
    settings.observer = trace.observer();
    const BoardOutcome outcome = Run_OnBoard(port.portName, r.job, ui, settings);
    const QString traceLoss = trace.finish();
    if (!traceLoss.isEmpty()) complain(err, traceLoss);
    if (outcome.ok) return CliOk;
    complain(err, outcome.reason.isEmpty() ? QStringLiteral("%1 failed").arg(r.command)
                                           : outcome.reason);
    return CliFailed;
}
