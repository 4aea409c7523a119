#include "cli/watch.h"

#include "cli/cli_commands.h"
#include "cli/cli_line.h"
#include "cli/gang_console.h"
#include "cli/interrupt.h"
#include "cli/terminal_lines.h"
#include "jobs/board_watch.h"
#include "line/board_lifecycle.h"

#include <QEventLoop>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

namespace {

// "update-all ok in 2.31 s", "update-all failed after 0.52 s: reason".
QString verdict(const JobResult &o, const QString &command) {
    const QString seconds = QString::number(o.seconds, 'f', 2);
    if (o.ok()) return QStringLiteral("%1 ok in %2 s").arg(command, seconds);
    if (o.interrupted()) return QStringLiteral("%1 interrupted after %2 s").arg(command, seconds);
    return QStringLiteral("%1 failed after %2 s: %3")
        .arg(command, seconds, Board_FailureReason(o, command));
}

} // namespace

int Run_Watch(const CliRequest &r, LineStation &line, FILE *out, FILE *err, bool terminal) {
    PreparedRun run;
    if (const int status = Cli_Prepare(r, run, err)) return status;
    GangConsole console(out, err, terminal && !r.quiet && !r.json);
    // With --json stdout holds events alone: the watch's own lines go to stderr.
    const auto say = [&r, &console, err](const QString &text) {
        if (r.json)
            Print_Line(err, text, LinePriority::Information);
        else
            console.line(text);
    };
    Cli_Complain(err, QStringLiteral("watching for boards; Ctrl-C ends the watch"));

    if (const int status = Cli_OneNameEach(Cli_BoardPorts(r), err)) return status;
    // Resolved afresh on every look: a USB serial number names whichever port its board has now.
    // One device is one board, whatever names it has. A USB serial number on several ports is
    // said once each time it becomes so.
    QSet<QString> ambiguous;
    const auto watchedPorts = [&r, &ambiguous, &say] {
        QList<MissingPort> missing;
        const QStringList ports = Cli_FirstNameEach(Cli_BoardPorts(r, &missing));
        QSet<QString> now;
        for (const MissingPort &port : missing) {
            if (port.notConnected) continue;
            now.insert(port.reason);
            if (!ambiguous.contains(port.reason))
                say(QStringLiteral("watch: %1: no board is started there").arg(port.reason));
        }
        ambiguous = now;
        return ports;
    };
    BoardWatch watch(Cli_LineGated(run.job, line), watchedPorts);
    QEventLoop loop;
    int done = 0, failed = 0, interrupted = 0;
    QSet<QString> portsRun;
    BoardLifecycle lifecycle(line, run.report, r.command, run.recordFields,
                             [err](const QString &text) { Cli_Complain(err, text); });
    bool reportLost = false;
    const TerminalObserver::Choices shown = Cli_Choices(r);
    QObject::connect(&watch, &BoardWatch::boardStarted, &watch, [&](BoardThread *board) {
        if (!r.json) console.follow(board, &watch, shown.quiet, shown.eachLineOnce);
        Cli_BeginBoard(lifecycle, r, run.recordFields, board, &watch, board->port());
    });
    QObject::connect(
        &watch, &BoardWatch::boardEnded, &watch, [&](BoardThread *board, const JobResult &o) {
            lifecycle.end(board->port(), o);
            console.boardEnded(board->port());
            say(Escape_Controls(board->port()) + QStringLiteral(": ") + verdict(o, r.command));
            (o.ok() ? done : o.interrupted() ? interrupted : failed) += 1;
            portsRun.insert(board->port());
            // A board run without its record is worse than one not run.
            if (run.report.lostRecords() > 0 && !reportLost) {
                reportLost = true;
                say(QStringLiteral("watch: the report cannot be written (%1): no new board is "
                                   "started")
                        .arg(run.report.errorString()));
                watch.stop();
            }
        });
    QObject::connect(&watch, &BoardWatch::stopped, &loop, &QEventLoop::quit);
    // Ctrl-C: no more boards; those running stop as a single board does. Looked at as often as
    // the ports are, where no descriptor wakes the loop.
    QTimer looks;
    const auto look = [&] {
        if (Interrupt_Requested()) watch.stop();
    };
    QObject::connect(&looks, &QTimer::timeout, &watch, look);
    looks.start(500);
    QTimer::singleShot(0, &watch, look);
    std::unique_ptr<QSocketNotifier> interruptNotifier;
    if (Interrupt_WakeFd() >= 0) {
        interruptNotifier =
            std::make_unique<QSocketNotifier>(Interrupt_WakeFd(), QSocketNotifier::Read);
        QObject::connect(interruptNotifier.get(), &QSocketNotifier::activated, &watch, [&] {
            interruptNotifier->setEnabled(false); // the byte stays unread: it would fire again
            watch.stop();
        });
    }
    watch.start();
    loop.exec();
    // Runs, not boards: a board that comes back is run again.
    const int runs = done + failed + interrupted;
    say(QStringLiteral("watch: %1 %2 on %3 %4: %5 ok, %6 failed%7")
            .arg(runs)
            .arg(runs == 1 ? QStringLiteral("run") : QStringLiteral("runs"))
            .arg(portsRun.size())
            .arg(portsRun.size() == 1 ? QStringLiteral("port") : QStringLiteral("ports"))
            .arg(done)
            .arg(failed)
            .arg(interrupted ? QStringLiteral(", %1 interrupted").arg(interrupted) : QString()));
    if (const int lost = Cli_RecordsLost(run.report, err)) return lost;
    if (!interrupted) return CliOk;
    Cli_Complain(err, Interrupted_Reason()); // as with one board
    return Interrupt_Status();
}
