#include "cli/watch.h"

#include "cli/cli_commands.h"
#include "cli/cli_line.h"
#include "cli/gang_console.h"
#include "cli/interrupt.h"
#include "jobs/board_watch.h"

#include <QEventLoop>
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
    Cli_Complain(err, QStringLiteral("watching for boards; Ctrl-C ends the watch"));

    // Resolved afresh on every look: a USB serial number names whichever port its board has now.
    BoardWatch watch(Cli_LineGated(run.job, line), [&r] { return Cli_BoardPorts(r); });
    QEventLoop loop;
    int done = 0, failed = 0, interrupted = 0;
    const TerminalObserver::Choices shown = Cli_Choices(r);
    QObject::connect(&watch, &BoardWatch::boardStarted, &watch, [&](BoardThread *board) {
        if (!r.json) console.follow(board, &watch, shown.quiet, shown.eachLineOnce);
        line.follow(board, &watch, Cli_BoardIdentity(r, board->port()));
    });
    QObject::connect(
        &watch, &BoardWatch::boardEnded, &watch, [&](BoardThread *board, const JobResult &o) {
            line.boardEnded(board->port(), o, Cli_Record(run, o, board->port(), r.command, err));
            console.boardEnded(board->port());
            if (!r.json) console.line(board->port() + QStringLiteral(": ") + verdict(o, r.command));
            (o.ok() ? done : o.interrupted() ? interrupted : failed) += 1;
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
    if (!r.json)
        console.line(QStringLiteral("watch: %1 boards done, %2 failed%3")
                         .arg(done)
                         .arg(failed)
                         .arg(interrupted ? QStringLiteral(", %1 interrupted").arg(interrupted)
                                          : QString()));
    return interrupted ? Interrupt_Status() : CliOk;
}
