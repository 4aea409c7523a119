#include "cli/cli_line.h"

#include "cli/terminal_lines.h"
#include "line/mqtt_settings.h"
#include "serial/port_choice.h"
#include "serial/port_info.h"
#include "serial/port_map.h"

#include <QFileInfo>
#include <QSysInfo>

namespace {

// Two names of one port: "/dev/ttyACM0" and "ttyACM0", a link and what it points to.
bool samePort(const QString &a, const QString &b) {
    if (a == b) return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString Cli_StationName(const CliRequest &r) {
    if (r.mqtt.isEmpty()) return QString();
    return r.station.isEmpty() ? Topic_Level(QSysInfo::machineHostName()) : r.station;
}

std::unique_ptr<LineStation> Cli_LineStation(const CliRequest &r, FILE *out, FILE *err) {
    LineStation::Settings settings;
    settings.command = r.command;
    if (r.json) settings.json = out;
    // The options were checked when they were read.
    QString unused;
    if (!r.beforeBoard.isEmpty())
        settings.beforeBoard = LineHook::FromCommandLine(r.beforeBoard, r.hookTimeoutMs, unused);
    if (!r.afterBoard.isEmpty())
        settings.afterBoard = LineHook::FromCommandLine(r.afterBoard, r.hookTimeoutMs, unused);
    QString error;
    settings.log = [err](const QString &line) { Cli_Complain(err, line); };
    if (!r.mqtt.isEmpty()) {
        MqttSettings mqtt = Parse_MqttUrl(r.mqtt, error);
        mqtt.station = Cli_StationName(r);
        if (!r.mqttAuth.isEmpty() && !Read_MqttAuth(r.mqttAuth, mqtt, error)) {
            Cli_Complain(err, QStringLiteral("--mqtt-auth: ") + error);
            return nullptr;
        }
        settings.mqtt = mqtt;
        settings.report = r.report;
        settings.drainMs = r.mqttDrainMs;
    }
    auto line = std::make_unique<LineStation>(settings);
    if (!line->start(error)) {
        Cli_Complain(err, QStringLiteral("--mqtt: ") + error);
        return nullptr;
    }
    return line;
}

BoardIdentity Cli_BoardIdentity(const CliRequest &r, const QList<ReportField> &recordFields,
                                const QString &port) {
    BoardIdentity board;
    board.port = port;
    // The release bundle of the run, as its records name it.
    for (const ReportField &field : recordFields) {
        if (field.name == "bundle_sha256") board.bundleSha256 = field.text.value_or(QString());
        if (field.name == "version") board.bundleVersion = field.text.value_or(QString());
    }
    const QList<PortIdentity> identities = System_PortIdentities();
    for (const PortIdentity &identity : identities)
        if (samePort(port, identity.location) || port == identity.portName)
            board.usbSerial = identity.serialNumber;
    if (!r.all && !r.ports.isEmpty()) {
        const SerialCommMap map = Read_SerialCommMap();
        for (int i = 0; i < r.ports.size() && board.slot.isEmpty(); ++i)
            if (samePort(Resolve_Port(r.ports[i], map, identities).portName, port))
                board.slot = QString::number(i + 1);
    }
    return board;
}

JobRequest Cli_LineGated(JobRequest request, LineStation &line) {
    if (const std::optional<Gate> gate = line.gate()) request.gates.push_back(*gate);
    return request;
}
