#include "cli/cli_commands.h"

#include <QFile>
#include <QFileInfo>

namespace {

int listPorts(FILE *out, FILE *err) {
    const SerialCommMap map = Read_SerialCommMap();
    if (!map.opened) {
        Cli_Complain(err, QStringLiteral("cannot read the serial-port map"));
        return CliFailed;
    }
    for (const SerialPortEntry &e : map.entries) {
        const bool chip = e.kernelName == chipKernelName();
        Print_Line(out, QStringLiteral("%1 %2 %3")
                            .arg(chip ? QLatin1Char('*') : QLatin1Char(' '))
                            .arg(e.kernelName, -24)
                            .arg(e.portName));
    }
    return CliOk;
}

bool imagesReadable(const QStringList &images, FILE *err) {
    for (const QString &path : images) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            Cli_Complain(err, QStringLiteral("cannot read image \"%1\"%2")
                                  .arg(path, QFileInfo::exists(path)
                                                 ? QString()
                                                 : QStringLiteral(": no such file")));
            return false;
        }
    }
    return true;
}

} // namespace

void Cli_Complain(FILE *err, const QString &reason) {
    Print_Line(err, QStringLiteral("tessara-cli: ") + reason);
}

TerminalFrontend::Choices Cli_Choices(const CliRequest &r) {
    TerminalFrontend::Choices choices;
    choices.quiet = r.quiet;
    choices.eraseWhole = r.eraseWhole;
    choices.nandFlash = r.nand;
    choices.mcuImage = r.mcuImage;
    choices.flashImage = r.flashImage;
    return choices;
}

BoardSettings Cli_BoardSettings(const CliRequest &r) {
    BoardSettings settings;
    settings.waitTime = r.waitTime;
    settings.blSet = r.bootSetting;
    return settings;
}

int Cli_Prepare(const CliRequest &r, BoardReport &report, FILE *err) {
    if (!imagesReadable(r.images, err)) return CliUsage;
    if (!r.report.isEmpty() && !report.open(r.report)) {
        Cli_Complain(err, QStringLiteral("cannot open the report \"%1\": %2")
                              .arg(r.report, report.errorString()));
        return CliUsage;
    }
    return CliOk;
}

void Cli_Record(BoardReport &report, const BoardOutcome &outcome, const QString &port,
                const QString &command, FILE *err) {
    if (report.path().isEmpty()) return;
    const QByteArray line = Board_ReportLine(outcome, port, command, QDateTime::currentDateTime());
    if (!report.appendRecord(line))
        Cli_Complain(err, QStringLiteral("cannot write the report \"%1\": %2")
                              .arg(report.path(), report.errorString()));
}

int Run_CliRequest(const CliRequest &r, TerminalFrontend &ui, FILE *out, FILE *err) {
    if (!Command_NeedsDevice(r.command)) return listPorts(out, err);
    BoardReport report;
    if (const int status = Cli_Prepare(r, report, err)) return status;

    const QString port = r.ports.isEmpty() ? Chip_PortName(Read_SerialCommMap()) : r.ports.first();
    if (port.isEmpty()) {
        Cli_Complain(err, QStringLiteral("no chip port (%1) in the serial-port map; name one with "
                                         "--port")
                              .arg(chipKernelName()));
        return CliUsage;
    }

    const BoardOutcome outcome = Run_OnBoard(port, r.job, ui, Cli_BoardSettings(r));
    Cli_Record(report, outcome, port, r.command, err);
    if (outcome.ok) return CliOk;
    Cli_Complain(err, Board_FailureReason(outcome, r.command));
    return CliFailed;
}
