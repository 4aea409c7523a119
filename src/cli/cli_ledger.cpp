#include "cli/cli_ledger.h"

#include "bundle/bounded_file.h"
#include "cli/cli_commands.h"
#include "cli/terminal_lines.h"
#include "ledger/ledger.h"
#include "ledger/pool_file.h"
#include "ledger/run_ledger.h"

#include <QCommandLineParser>

namespace {

int refuse(FILE *err, const QString &reason) {
    Cli_Complain(err, reason);
    return CliUsage;
}

std::shared_ptr<Ledger> openLedger(const QString &where, FILE *err) {
    QString reason;
    std::shared_ptr<Ledger> ledger = Open_Ledger(where, reason);
    if (!ledger) Cli_Complain(err, reason);
    return ledger;
}

int import(Ledger &ledger, const QString &pool, const QString &file, int recordSize, FILE *out,
           FILE *err) {
    QByteArray bytes;
    QList<QByteArray> values;
    QString reason;
    if (!Read_BoundedFile(file, PoolFileMax, bytes, reason) ||
        !Parse_PoolFile(bytes, recordSize, values, reason))
        return refuse(err, QStringLiteral("%1: %2").arg(file, reason));
    if (!ledger.importPool(pool, values, reason)) {
        Cli_Complain(err, QStringLiteral("%1: nothing imported: %2").arg(file, reason));
        return CliUsage;
    }
    Print_Line(out, QStringLiteral("Pool %1: %2 values of %3 bytes added")
                        .arg(pool)
                        .arg(values.size())
                        .arg(values.first().size()));
    return CliOk;
}

int status(Ledger &ledger, FILE *out, FILE *err) {
    QList<LedgerCount> counts;
    QString reason;
    if (!ledger.status(counts, reason)) {
        Cli_Complain(err, reason);
        return CliFailed;
    }
    if (counts.isEmpty()) Print_Line(out, QStringLiteral("The ledger holds no value yet."));
    for (const LedgerCount &c : counts)
        Print_Line(out,
                   QStringLiteral("%1 %2: free %3, leased %4, written %5, spoiled %6%7")
                       .arg(c.kind, c.source)
                       .arg(c.free)
                       .arg(c.leased + c.writing)
                       .arg(c.written)
                       .arg(c.spoiled)
                       .arg(c.failed ? QStringLiteral(", held for failed boards %1").arg(c.failed)
                                     : QString()));
    return CliOk;
}

int show(Ledger &ledger, const QString &serial, FILE *out, FILE *err) {
    QList<LedgerEntry> entries;
    QString reason;
    if (!ledger.history(serial, entries, reason)) {
        Cli_Complain(err, reason);
        return CliFailed;
    }
    if (entries.isEmpty()) {
        Cli_Complain(err, QStringLiteral("no board of serial %1 in the ledger").arg(serial));
        return CliFailed;
    }
    for (const LedgerEntry &e : entries)
        Print_Line(out,
                   QStringLiteral("%1 %2 %3 #%4 %5: %6 on %7 %8%9")
                       .arg(e.time.toString(Qt::ISODateWithMs), e.kind, e.source)
                       .arg(e.index)
                       .arg(e.value, e.state, e.station, e.port,
                            e.board.isEmpty() ? QString() : QStringLiteral(" board ") + e.board));
    return CliOk;
}

QString helpTail() {
    return QStringLiteral(
               "\nCommands:\n"
               "  import POOL FILE   add the values of FILE to the pool POOL: hex lines, or with\n"
               "                     --record-size N binary records of N bytes; a value given\n"
               "                     twice or already in the pool refuses the whole file\n"
               "  status             per pool and counter: free, leased, written, spoiled\n"
               "  show SERIAL        what the board of serial number SERIAL got, when and where\n"
               "\nThe ledger: --ledger FILE (SQLite) or postgresql://[USER@]HOST[:PORT]/DATABASE\n"
               "(a socket folder as ?host=/PATH); by default %1.\n"
               "Secrets are never shown: a pool value is shown by the first 8 hex digits of its\n"
               "SHA-256.\n"
               "\nExit status: 0 done, 1 the ledger failed, 2 refused or bad usage.\n")
        .arg(Ledger_DefaultPath());
}

} // namespace

bool Is_LedgerCommand(const QStringList &arguments) {
    return arguments.size() > 1 && arguments.at(1) == QLatin1String("ledger");
}

QString Ledger_HelpSummary() {
    return QStringLiteral("  %1 per-board values: import a pool, status, a board's history "
                          "(ledger --help)\n")
        .arg(QStringLiteral("ledger SUBCOMMAND ..."), -36);
}

int Run_LedgerCommand(const QStringList &arguments, FILE *out, FILE *err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The ledger of per-board values: each serial number and key is given to "
                       "one board, once."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption ledgerOption(
        QStringLiteral("ledger"),
        QStringLiteral("The ledger (default: %1).").arg(Ledger_DefaultPath()),
        QStringLiteral("PATH|URL"));
    const QCommandLineOption recordSize(
        QStringLiteral("record-size"),
        QStringLiteral("import: FILE holds binary records of N bytes, not hex lines."),
        QStringLiteral("N"));
    parser.addOptions({help, ledgerOption, recordSize});
    parser.addPositionalArgument(QStringLiteral("subcommand"), QStringLiteral("See below."),
                                 QStringLiteral("SUBCOMMAND ..."));
    QStringList args = arguments.mid(2);
    args.prepend(arguments.value(0) + QStringLiteral(" ledger"));
    if (!parser.parse(args)) return refuse(err, parser.errorText());
    if (parser.isSet(help)) {
        std::fputs((parser.helpText() + helpTail()).toLocal8Bit().constData(), out);
        return CliOk;
    }
    const QStringList p = parser.positionalArguments();
    const QString sub = p.value(0);
    const int wanted = sub == QLatin1String("import")   ? 3
                       : sub == QLatin1String("status") ? 1
                       : sub == QLatin1String("show")   ? 2
                                                        : 0;
    if (wanted == 0)
        return refuse(err, QStringLiteral("ledger needs a subcommand: import, status or show "
                                          "(try ledger --help)"));
    if (p.size() != wanted)
        return refuse(err,
                      QStringLiteral("usage: ledger %1")
                          .arg(sub == QLatin1String("import") ? QStringLiteral("import POOL FILE")
                               : sub == QLatin1String("show") ? QStringLiteral("show SERIAL")
                                                              : QStringLiteral("status")));
    int size = 0;
    if (parser.isSet(recordSize)) {
        bool ok = false;
        size = parser.value(recordSize).toInt(&ok);
        if (sub != QLatin1String("import") || !ok || size < 1)
            return refuse(err,
                          QStringLiteral("--record-size takes a number of bytes, with import"));
    }
    const std::shared_ptr<Ledger> ledger = openLedger(
        parser.isSet(ledgerOption) ? parser.value(ledgerOption) : Ledger_DefaultPath(), err);
    if (!ledger) return CliFailed;
    if (sub == QLatin1String("import")) return import(*ledger, p.at(1), p.at(2), size, out, err);
    if (sub == QLatin1String("show")) return show(*ledger, p.at(1), out, err);
    return status(*ledger, out, err);
}

bool Cli_TakeLedger(const CliRequest &r, const Bundle &bundle, JobRequest &job, FILE *err) {
    if (!Job_TakesUnitData(job.job, bundle.manifest.unitData)) return true;
    QString reason;
    const std::shared_ptr<Ledger> ledger = Open_RunLedger(r.ledger, reason);
    if (!ledger) {
        Cli_Complain(err, reason);
        return false;
    }
    Give_BoardData(job, ledger, bundle.manifest.unitData, Ledger_StationName(r.line.station));
    return true;
}
