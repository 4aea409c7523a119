#include "cli/cli_bundle.h"
#include "cli/cli_commands.h"
#include "cli/cli_ledger.h"
#include "cli/cli_line.h"
#include "cli/cli_options.h"
#include "cli/cli_version.h"
#include "cli/gang.h"
#include "cli/interrupt.h"
#include "cli/terminal_observer.h"
#include "cli/watch.h"
#include "tessara_version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
static bool stderrIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}
#else
#include <unistd.h>
static bool stderrIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}
#endif

namespace {

// With --json a run always ends with its summary, a usage error too.
int usageError(const QStringList &arguments) {
    if (arguments.contains(QStringLiteral("--json"))) {
        RunSummary summary;
        summary.command = Command_Named(arguments.mid(1));
        if (summary.command.isEmpty()) summary.command = QStringLiteral("tessara-cli");
        summary.status = CliUsage;
        EventLines(stdout).deliver(Summary_Event(summary, QDateTime::currentDateTime()));
    }
    return CliUsage;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessara-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARA_VERSION));

    const QStringList arguments = QCoreApplication::arguments();
    if (Is_BundleCommand(arguments)) return Run_BundleCommand(arguments, stdout, stderr);
    if (Is_LedgerCommand(arguments)) return Run_LedgerCommand(arguments, stdout, stderr);
    const CliParse parse = Parse_CliArguments(arguments);
    switch (parse.outcome) {
    case CliParse::Help:
        std::fputs(parse.text.toLocal8Bit().constData(), stdout);
        return CliOk;
    case CliParse::Version:
        std::fputs(Cli_VersionText().toLocal8Bit().constData(), stdout);
        return CliOk;
    case CliParse::Error:
        std::fprintf(stderr, "tessara-cli: %s\n", parse.text.toLocal8Bit().constData());
        return usageError(arguments);
    case CliParse::Run:
        break;
    }

    const CliRequest &r = parse.request;
    const bool terminal = stderrIsTerminal();
    Catch_Interrupt();
    const std::unique_ptr<LineStation> line = Cli_LineStation(r, stdout, stderr);
    if (!line) return usageError(arguments);
    int status = CliOk;
    if (r.watch) {
        status = Run_Watch(r, *line, stdout, stderr, terminal);
    } else if (r.gang()) {
        status = Run_Gang(r, *line, stdout, stderr, terminal);
    } else {
        TerminalObserver ui(Cli_Choices(r), stdout, stderr, terminal && !r.verbose && !r.json);
        status = Run_CliRequest(r, ui, *line, stdout, stderr);
    }
    line->runEnded(status);
    line->finish();
    return status;
}
