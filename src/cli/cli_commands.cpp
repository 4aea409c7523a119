#include "cli/cli_commands.h"

#include "bundle/bundle_job.h"
#include "bundle/release_pin.h"
#include "cli/cli_flash_ini.h"
#include "cli/cli_ledger.h"
#include "cli/cli_line.h"
#include "cli/cli_trace.h"
#include "cli/interrupt.h"
#include "cli/port_probe.h"
#include "jobs/board_data.h"
#include "jobs/board_thread.h"
#include "line/board_lifecycle.h"
#include "serial/port_choice.h"
#include "serial/port_device.h"
#include "serial/port_listing.h"
#include "tessara_version.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The listing's lines on `out`, or with --json as log events of no board.
int listPorts(const CliRequest &r, LineStation &line, FILE *out, FILE *err) {
    const auto say = [&](const QString &text) {
        if (r.json)
            line.events().logLine(QString(), text);
        else
            Print_Line(out, text);
    };
    const SerialCommMap map = Read_SerialCommMap();
    const int status = map.opened ? CliOk : CliFailed;
    if (!map.opened) Cli_Complain(err, QStringLiteral("cannot read the serial-port map"));
    const QMap<QString, QString> probes =
        r.probe && map.opened ? Probe_Ports(Chip_PortNames(map), r) : QMap<QString, QString>();
    if (map.opened)
        for (const QString &text : Port_Listing(map, System_PortIdentities(), probes))
            say(text);
    if (map.chipPortGuessed)
        say(QStringLiteral(
            "(*) the chip's port is a guess on Linux: the first ttyACM device. "
            "Name it with --port NAME, --port serial:NUMBER or TESSARA_SERIALCOMM."));
    return status;
}

// An empty file is never taken for an image whose update or check could succeed.
bool imagesUsable(const CliRequest &r, FILE *err) {
    for (const QString &path : r.images) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            Cli_Complain(err, QStringLiteral("cannot read image \"%1\"%2")
                                  .arg(path, QFileInfo::exists(path)
                                                 ? QString()
                                                 : QStringLiteral(": no such file")));
            return false;
        }
        if (file.size() == 0) {
            Cli_Complain(err, QStringLiteral("image \"%1\" has 0 bytes: nothing to %2")
                                  .arg(path, Job_Traits(r.job).writes ? QStringLiteral("write")
                                                                      : QStringLiteral("check")));
            return false;
        }
    }
    return true;
}

} // namespace

TerminalObserver::Choices Cli_Choices(const CliRequest &r) {
    TerminalObserver::Choices choices;
    // With --json the events take the place of the log.
    choices.quiet = r.quiet || r.json;
    // The information reply repeats the identification that the probe printed just before.
    choices.eachLineOnce = r.job == Job::Info;
    return choices;
}

namespace {

// The job a request asks for on every board, with its image files read once.
JobRequest jobRequest(const CliRequest &r) {
    JobRequest request;
    request.job = r.job;
    request.flashIniPath = r.flashIni;
    request.eraseWhole = r.eraseWhole;
    request.onlyChanged = r.onlyChanged;
    request.nand = r.nand;
    request.listDifferences = r.blocks;
    request.bootSetting = r.bootSetting;
    request.waitTime = r.waitTime;
    Read_JobImages(request, r.mcuImage, r.flashImage);
    return request;
}

// The bundle checked whole and for the command, its images taken into the run's job.
bool takeBundle(const CliRequest &r, PreparedRun &run, FILE *err) {
    const BundleCheck check = Load_Bundle(r.bundle, r.trust);
    QString refusal = check.refusal;
    // Cli_TakeLedger below gives each board its values.
    if (refusal.isEmpty()) refusal = Bundle_JobRefusal(check.bundle, r.job, true);
    if (refusal.isEmpty()) refusal = Release_PinRefusal(check.bundle.manifest, r.pin);
    if (!refusal.isEmpty()) {
        Cli_Complain(err, QStringLiteral("bundle \"%1\" refused: %2").arg(r.bundle, refusal));
        return false;
    }
    // --model may only narrow the bundle's models.
    if (const std::optional<QString> model = Model_OutsideBundle(check.bundle, r.models)) {
        Cli_Complain(err,
                     QStringLiteral("--model %1: bundle \"%2\" is for %3")
                         .arg(*model, r.bundle,
                              check.bundle.manifest.constraints.models.join(QLatin1String(", "))));
        return false;
    }
    if (!check.warning.isEmpty())
        Cli_Complain(err, QStringLiteral("warning: %1: %2").arg(r.bundle, check.warning));
    Bundle_IntoJob(run.job, check.bundle);
    run.recordFields = Bundle_ReportFields(check.bundle);
    return Cli_TakeLedger(r, check.bundle, run.job, err);
}

} // namespace

int Cli_Prepare(const CliRequest &r, PreparedRun &run, FILE *err) {
    if (!imagesUsable(r, err)) return CliUsage;
    if (Command_ReadsFlashIni(r.command)) {
        if (const QString problem = FlashIni_Problem(r.flashIni); !problem.isEmpty()) {
            Cli_Complain(err, problem);
            return CliUsage;
        }
    }
    // Image files name no release: a station pinned to one writes bundles only.
    if (const QString refusal = Release_PinRefusesImages(r.pin);
        r.bundle.isEmpty() && Job_Traits(r.job).writes && !refusal.isEmpty()) {
        Cli_Complain(err, refusal);
        return CliUsage;
    }
    run.job = jobRequest(r);
    // Before a bundle's chip check (it goes first) and before a ledger leases a value.
    if (!r.models.isEmpty()) run.job.gates.push_back(Models_Gate(r.models));
    if (!r.bundle.isEmpty() && !takeBundle(r, run, err)) return CliUsage;
    // A station's records name it, so that a restart finds the boards of its shift.
    if (const QString station = Cli_StationName(r); !station.isEmpty())
        run.recordFields.append(ReportField{"station", station});
    if (!r.report.isEmpty() && !run.report.open(r.report)) {
        Cli_Complain(err, QStringLiteral("cannot open the report \"%1\": %2")
                              .arg(r.report, run.report.errorString()));
        return CliUsage;
    }
    return CliOk;
}

QStringList Cli_BoardPorts(const CliRequest &r, QList<MissingPort> *missing) {
    const SerialCommMap map = Read_SerialCommMap();
    if (r.all) return Chip_PortNames(map);
    const QList<PortIdentity> identities = System_PortIdentities();
    QStringList ports;
    for (const QString &portArgument : r.ports.isEmpty() ? QStringList{QString()} : r.ports) {
        const PortChoice choice = Resolve_Port(portArgument, map, identities);
        if (!choice.portName.isEmpty())
            ports.append(choice.portName);
        else if (missing)
            missing->append({portArgument, choice.error, choice.notConnected});
    }
    return ports;
}

namespace {

QStringList devicesOf(const QStringList &ports) {
    QStringList devices;
    for (const QString &port : ports)
        devices.append(Port_Device(port));
    return devices;
}

} // namespace

int Cli_OneNameEach(const QStringList &ports, FILE *err) {
    const QList<QStringList> groups = Duplicate_Ports(ports, devicesOf(ports));
    for (const QStringList &group : groups)
        Cli_Complain(err, QStringLiteral("%1 name one device: name each board once")
                              .arg(group.join(QStringLiteral(" and "))));
    return groups.isEmpty() ? CliOk : CliUsage;
}

QStringList Cli_FirstNameEach(const QStringList &ports) {
    const QStringList devices = devicesOf(ports);
    QStringList kept;
    for (int i = 0; i < ports.size(); ++i)
        if (devices[i].isEmpty() || devices.indexOf(devices[i]) == i) kept.append(ports[i]);
    return kept;
}

int Cli_RecordsLost(const BoardReport &report, FILE *err) {
    const int lost = report.lostRecords();
    if (lost == 0) return CliOk;
    Cli_Complain(err, QStringLiteral("%1 %2 lost: the report \"%3\" could not be written (%4)")
                          .arg(lost)
                          .arg(lost == 1 ? QStringLiteral("record") : QStringLiteral("records"))
                          .arg(report.path(), report.errorString()));
    return CliFailed;
}

int Run_CliRequest(const CliRequest &r, TerminalObserver &ui, LineStation &line, FILE *out,
                   FILE *err) {
    if (!Command_NeedsDevice(r.command)) return listPorts(r, line, out, err);
    PreparedRun run;
    if (const int status = Cli_Prepare(r, run, err)) return status;

    BoardLifecycle lifecycle(line, run.report, r.command, run.recordFields,
                             [err](const QString &text) { Cli_Complain(err, text); });
    const PortChoice port =
        Resolve_Port(r.ports.value(0), Read_SerialCommMap(), System_PortIdentities());
    if (port.portName.isEmpty()) {
        Cli_Complain(err,
                     port.error + (r.ports.isEmpty() ? QStringLiteral(" (name a port with --port)")
                                                     : QString()));
        if (!port.notConnected) return CliUsage;
        // A board named and not plugged in is a board of the run all the same.
        if (!r.ports.isEmpty()) {
            JobResult absent;
            absent.failure = Fail(FailureKind::InputUnusable, port.error);
            Cli_AbsentBoard(lifecycle, r.ports.first(), absent);
        }
        if (const int lost = Cli_RecordsLost(run.report, err)) return lost;
        return CliFailed;
    }
    const QString portLine = port.origin.isEmpty()
                                 ? port.portName
                                 : QStringLiteral("%1 (%2)").arg(port.portName, port.origin);

    CliTrace trace(err);
    if (const QString problem = trace.open(r.trace, r.verbose); !problem.isEmpty()) {
        Cli_Complain(err, problem);
        return CliUsage;
    }
    if (run.job.boardData) trace.hideFlashRanges(run.job.boardData->hiddenRanges());
    trace.describeRun(QStringLiteral("tessara-cli %1 %2 on %3")
                          .arg(QStringLiteral(TESSARA_VERSION), r.command, portLine));
    // A gang of one: the board runs on a thread of its own, as every board does.
    JobRequest request = Cli_LineGated(run.job, line);
    request.trace = trace.observer();
    const BoardThreads boards = Run_Boards(
        {port.portName}, request,
        [&](BoardThread &board) {
            Show_Board(board, &board, ui);
            Cli_BeginBoard(lifecycle, r, run.recordFields, &board, &board, port.portName);
            for (const QString &text :
                 {QStringLiteral("Port: ") + portLine,
                  Command_ReadsFlashIni(r.command) ? FlashIni_LogLine(r.flashIni) : QString()}) {
                if (text.isEmpty()) continue;
                line.events().logLine(port.portName, text);
                ui.logLine(text);
            }
        },
        [&](BoardThread &board) {
            ui.endProgress(); // what follows is the run's verdict
            lifecycle.end(port.portName, board.result());
        });
    const JobResult result = boards.front()->result();
    if (const QString loss = trace.finish(); !loss.isEmpty()) Cli_Complain(err, loss);
    if (!result.ok()) Cli_Complain(err, Board_FailureReason(result, r.command));
    if (const int lost = Cli_RecordsLost(run.report, err)) return lost;
    if (result.ok()) return CliOk;
    return result.interrupted() ? Interrupt_Status() : CliFailed;
}
