#include "cli/cli_commands.h"

#include "cli/cli_flash_ini.h"
#include "flash/flash_crc.h"
#include "flash/flash_id.h"
#include "flash/flash_image.h"
#include "flash/flash_mode.h"
#include "flash/flash_update.h"
#include "mcu/mcu_image.h"
#include "mcu/mcu_update.h"
#include "protocol/device_info.h"
#include "protocol/handshake.h"
#include "protocol/models.h"
#include "protocol/session.h"
#include "serial/serial_link.h"

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

int statusOf(bool ok) {
    return ok ? CliOk : CliFailed;
}

// The command's operation, on a session whose chip the probe identified.
int runOperation(const CliRequest &r, DeviceSession &s, TerminalFrontend &ui, FILE *err) {
    const QString &c = r.command;
    if (c == QLatin1String("probe")) return CliOk;
    if (c == QLatin1String("info")) return statusOf(Get_Device_Info(s) >= 0);
    if (c == QLatin1String("flash-info")) return statusOf(Flash_Info(s) == 0);
    if (c == QLatin1String("update-mcu")) return statusOf(Update_Mcu(s) == 1);
    if (c == QLatin1String("update-flash")) return statusOf(UpdateFlash(s) == 0);
    if (c == QLatin1String("update-all")) return statusOf(Update_All(s) == 0);
    if (c == QLatin1String("run")) return statusOf(Run_Application(s) == 0);
    if (c == QLatin1String("flash-mode")) return statusOf(Enter_FlashMode(s) == 0);
    // The checks take their image as the Input buttons do, then ask the device.
    if (c == QLatin1String("check-mcu")) {
        if (!Input_McuImage(s, r.mcuImage)) {
            ui.showMessage(QStringLiteral("Read fail,please check the path!"));
            return CliFailed;
        }
        return statusOf(Check_Mcu(s) == 0);
    }
    if (c == QLatin1String("check-flash")) {
        if (!Input_FlashImage(s, r.flashImage)) {
            ui.showMessage(QStringLiteral("Read fail,please check the path!"));
            return CliFailed;
        }
        return statusOf(Check_FlashCRC(s) == 0);
    }
    complain(err, QStringLiteral("unknown command \"%1\"").arg(c));
    return CliUsage;
}

} // namespace

QString Chip_PortName(const SerialCommMap &map) {
    for (const SerialPortEntry &e : map.entries)
        if (e.kernelName == chipKernelName()) return e.portName;
    return QString();
}

int Run_CliRequest(const CliRequest &r, TerminalFrontend &ui, FILE *out, FILE *err) {
    if (!Command_NeedsDevice(r.command)) return listPorts(out, err);
    if (!imagesReadable(r.images, err)) return CliUsage;
    if (Command_ReadsFlashIni(r.command)) {
        const QString problem = Announce_FlashIni(r.flashIni, ui);
        if (!problem.isEmpty()) {
            complain(err, problem);
            return CliUsage;
        }
    }

    const QString port = r.port.isEmpty() ? Chip_PortName(Read_SerialCommMap()) : r.port;
    if (port.isEmpty()) {
        complain(err, QStringLiteral("no chip port (%1) in the serial-port map; name one with "
                                     "--port")
                          .arg(chipKernelName()));
        return CliUsage;
    }

    SerialLink link;
    link.waitTime = r.waitTime;
    if (!link.Open(port)) {
        ui.showMessage(QStringLiteral("Open fail"));
        complain(err, QStringLiteral("cannot open port \"%1\"").arg(port));
        return CliFailed;
    }
    DeviceSession session(link, ui);
    session.blSet = r.bootSetting;
    session.flashIniPath = r.flashIni;
    Probe_Model(session);
    if (session.modelCode == Model::Unknown) {
        complain(err, QStringLiteral("no known chip answered on \"%1\"").arg(port));
        return CliFailed;
    }
    const int status = runOperation(r, session, ui, err);
    if (status == CliFailed) complain(err, QStringLiteral("%1 failed").arg(r.command));
    return status;
}
