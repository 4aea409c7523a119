#include "cli/gang.h"

#include "cli/cli_commands.h"
#include "cli/cli_line.h"
#include "cli/gang_console.h"
#include "cli/interrupt.h"
#include "cli/terminal_lines.h"
#include "jobs/board_thread.h"
#include "line/board_lifecycle.h"

namespace {

QString bootText(const JobResult &o) {
    return o.chip && o.chip->known()
               ? QStringLiteral("0x") + QString::number(o.chip->bootVersion, 16)
               : QStringLiteral("-");
}

using Ended = QList<std::pair<QString, JobResult>>; // port, result

// port, model, boot version, result, seconds, reason of a failure; columns as wide as their
// widest cell.
QStringList summaryTable(const Ended &boards, const QString &command) {
    QList<QStringList> rows{{QStringLiteral("port"), QStringLiteral("model"),
                             QStringLiteral("boot"), QStringLiteral("result"),
                             QStringLiteral("seconds"), QStringLiteral("reason")}};
    for (const auto &[port, o] : boards) {
        rows.append({Escape_Controls(port), o.chip ? o.chip->name() : QStringLiteral("-"),
                     bootText(o), Board_Result(o), QString::number(o.seconds, 'f', 2),
                     o.ok() || o.interrupted() ? QString()
                                               : Escape_Controls(Board_FailureReason(o, command))});
    }
    QList<int> widths;
    for (int c = 0; c < rows.first().size(); ++c) {
        int width = 0;
        for (const QStringList &row : rows)
            width = std::max(width, int(row[c].size()));
        widths.append(width);
    }
    QStringList lines;
    for (const QStringList &row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c) {
            // Seconds are numbers: right-aligned. The last column needs no padding.
            const int width = c + 1 == row.size() ? 0 : widths[c];
            line += (c == 4 ? row[c].rightJustified(width) : row[c].leftJustified(width)) +
                    QStringLiteral("  ");
        }
        lines.append(line.trimmed());
    }
    return lines;
}

} // namespace

int Run_Gang(const CliRequest &r, LineStation &line, FILE *out, FILE *err, bool terminal) {
    PreparedRun run;
    if (const int status = Cli_Prepare(r, run, err)) return status;
    // A board named but not plugged in is a failure of its own, with its row and record; the
    // others still run. A name that may lead to any of several boards runs none.
    QList<MissingPort> missing;
    const QStringList ports = Cli_BoardPorts(r, &missing);
    for (const MissingPort &port : missing)
        Cli_Complain(err, port.reason);
    for (const MissingPort &port : missing)
        if (!port.notConnected) return CliUsage;
    if (const int status = Cli_OneNameEach(ports, err)) return status;
    BoardLifecycle lifecycle(line, run.report, r.command, run.recordFields,
                             [err](const QString &text) { Cli_Complain(err, text); });
    Ended ended;
    for (const MissingPort &port : missing) {
        JobResult absent;
        absent.failure = Fail(FailureKind::InputUnusable, port.reason);
        Cli_AbsentBoard(lifecycle, port.name, absent);
        ended.append({port.name, absent});
    }
    if (ports.isEmpty() && missing.isEmpty()) {
        Cli_Complain(err, QStringLiteral("no chip connected: no chip port (\\Device\\USBSER...) "
                                         "in the serial-port map"));
        return CliFailed;
    }

    // With --json the events take the place of the console's lines.
    GangConsole console(out, err, terminal && !r.quiet && !r.json);
    const TerminalObserver::Choices shown = Cli_Choices(r);
    const BoardThreads boards = Run_Boards(
        ports, Cli_LineGated(run.job, line),
        [&](BoardThread &board) {
            if (!r.json) console.follow(&board, &board, shown.quiet, shown.eachLineOnce);
            Cli_BeginBoard(lifecycle, r, run.recordFields, &board, &board, board.port());
        },
        [&](BoardThread &board) {
            lifecycle.end(board.port(), board.result());
            console.boardEnded(board.port());
        });

    for (const auto &board : boards)
        ended.append({board->port(), board->result()});
    if (!r.json)
        for (const QString &text : summaryTable(ended, r.command))
            console.line(text);
    if (const int lost = Cli_RecordsLost(run.report, err)) return lost;
    if (Interrupt_Requested()) {
        // The table is on stdout, which a script may not show: the stop is said where the
        // failures are, as with one board.
        Cli_Complain(err, Interrupted_Reason());
        return Interrupt_Status();
    }
    for (const auto &board : ended)
        if (!board.second.ok()) return CliFailed;
    return CliOk;
}
