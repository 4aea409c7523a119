#include "cli/cli_commands.h"

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

    const QString port = r.port.isEmpty() ? Chip_PortName(Read_SerialCommMap()) : r.port;
    if (port.isEmpty()) {
        complain(err, QStringLiteral("no chip port (%1) in the serial-port map; name one with "
                                     "--port")
                          .arg(chipKernelName()));
        return CliUsage;
    }

    BoardSettings settings;
    settings.waitTime = r.waitTime;
    settings.blSet = r.bootSetting;
    settings.onlyChanged = r.onlyChanged;
    settings.listDifferences = r.blocks;
    const BoardOutcome outcome = Run_OnBoard(port, r.job, ui, settings);
    if (outcome.ok) return CliOk;
    complain(err, outcome.reason.isEmpty() ? QStringLiteral("%1 failed").arg(r.command)
                                           : outcome.reason);
    return CliFailed;
}
