#include "cli/cli_commands.h"

#include "cli/cli_flash_ini.h"
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

bool writesImages(Job job) {
    return job == Job::UpdateMcu || job == Job::UpdateFlash || job == Job::UpdateAll;
}

// Images are checked before the port is touched, so a typo costs no device traffic, and an
// empty file is never taken for an image whose update or check could succeed.
bool imagesUsable(const CliRequest &r, FILE *err) {
    for (const QString &path : r.images) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            complain(err,
                     QStringLiteral("cannot read image \"%1\"%2")
                         .arg(path, QFileInfo::exists(path) ? QString()
                                                            : QStringLiteral(": no such file")));
            return false;
        }
        if (file.size() == 0) {
            complain(err, QStringLiteral("image \"%1\" has 0 bytes: nothing to %2")
                              .arg(path, writesImages(r.job) ? QStringLiteral("write")
                                                             : QStringLiteral("check")));
            return false;
        }
    }
    return true;
}

} // namespace

int Run_CliRequest(const CliRequest &r, TerminalFrontend &ui, FILE *out, FILE *err) {
    if (!Command_NeedsDevice(r.command)) return listPorts(out, err);
    if (!imagesUsable(r, err)) return CliUsage;

    const PortChoice port = Resolve_Port(r.port, Read_SerialCommMap(), System_PortIdentities());
    if (port.portName.isEmpty()) {
        complain(err, port.error + (r.port.isEmpty() ? QStringLiteral(" (name a port with --port)")
                                                     : QString()));
        return port.notConnected ? CliFailed : CliUsage;
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
    if (Command_ReadsFlashIni(r.command)) {
        const QString problem = Announce_FlashIni(r.flashIni, ui);
        if (!problem.isEmpty()) {
            complain(err, problem);
            return CliUsage;
        }
    }

    BoardSettings settings;
    settings.waitTime = r.waitTime;
    settings.blSet = r.bootSetting;
    settings.flashIniPath = r.flashIni;
    settings.observer = trace.observer();
    const BoardOutcome outcome = Run_OnBoard(port.portName, r.job, ui, settings);
    const QString traceLoss = trace.finish();
    if (!traceLoss.isEmpty()) complain(err, traceLoss);
    if (outcome.ok) return CliOk;
    complain(err, outcome.reason.isEmpty() ? QStringLiteral("%1 failed").arg(r.command)
                                           : outcome.reason);
    return outcome.interrupted ? CliInterrupted : CliFailed;
}
