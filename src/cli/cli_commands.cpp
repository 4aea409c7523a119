#include "cli/cli_commands.h"

#include "cli/cli_flash_ini.h"
#include "jobs/board_run.h"

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
    for (const SerialPortEntry &e : map.entries) {
        const bool chip = e.kernelName == chipKernelName();
        say(out, QStringLiteral("%1 %2 %3")
                     .arg(chip ? QLatin1Char('*') : QLatin1Char(' '))
                     .arg(e.kernelName, -24)
                     .arg(e.portName));
    }
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
    if (Command_ReadsFlashIni(r.command)) {
        const QString problem = Announce_FlashIni(r.flashIni, ui);
        if (!problem.isEmpty()) {
            complain(err, problem);
            return CliUsage;
        }
    }

    const QString port = r.port.isEmpty() ? Chip_PortName(Read_SerialCommMap()) : r.port;
    if (port.isEmpty()) {
        complain(err, QStringLiteral("no chip connected: no %1 in the serial-port map (name a "
                                     "port with --port)")
                          .arg(chipKernelName()));
        return CliFailed;
    }

    BoardSettings settings;
    settings.waitTime = r.waitTime;
    settings.blSet = r.bootSetting;
    settings.flashIniPath = r.flashIni;
    const BoardOutcome outcome = Run_OnBoard(port, r.job, ui, settings);
    if (outcome.ok) return CliOk;
    complain(err, outcome.reason.isEmpty() ? QStringLiteral("%1 failed").arg(r.command)
                                           : outcome.reason);
    return outcome.interrupted ? CliInterrupted : CliFailed;
}
