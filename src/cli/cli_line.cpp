#include "cli/cli_line.h"

#include "cli/terminal_lines.h"
#include "line/line_options.h"
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
    if (r.line.mqtt.isEmpty()) return QString();
    return r.line.station.isEmpty() ? Topic_Level(QSysInfo::machineHostName()) : r.line.station;
}

std::unique_ptr<LineStation> Cli_LineStation(const CliRequest &r, FILE *out, FILE *err) {
    LineStation::Settings settings;
    settings.command = r.command;
    if (r.json) settings.json = out;
    settings.report = r.report;
    settings.log = [err](const QString &line) { Cli_Complain(err, line); };
    QString error;
    if (!Line_Settings(r.line, settings, error)) {
        Cli_Complain(err, error);
        return nullptr;
    }
    auto line = std::make_unique<LineStation>(settings);
    if (!line->start(error)) {
        Cli_Complain(err, QStringLiteral("--mqtt: ") + error);
        return nullptr;
    }
    return line;
}

BoardIdentity Cli_BoardIdentity(const CliRequest &r, const QList<ReportField> &recordFields,
                                const QString &port, const QList<PortIdentity> &identities) {
    BoardIdentity board;
    board.port = port;
    Take_BundleFields(board, recordFields);
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

void Cli_BeginBoard(BoardLifecycle &lifecycle, const CliRequest &r,
                    const QList<ReportField> &recordFields, BoardThread *board, QObject *context,
                    const QString &port, const QList<PortIdentity> &identities) {
    const BoardIdentity identity = Cli_BoardIdentity(r, recordFields, port, identities);
    lifecycle.begin(board, context, identity, Board_IdentityFields(identity));
}

QByteArray Cli_AbsentBoard(BoardLifecycle &lifecycle, const QString &name,
                           const JobResult &result) {
    return lifecycle.absent(name, result, Board_IdentityFields(BoardIdentity{}));
}

JobRequest Cli_LineGated(JobRequest request, LineStation &line) {
    return line.gated(std::move(request));
}
