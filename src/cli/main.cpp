#include "cli/cli_bundle.h"
#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/cli_version.h"
#include "cli/gang.h"
#include "cli/interrupt.h"
#include "cli/terminal_observer.h"
#include "cli/watch.h"
#include "tessara_version.h"

#include <QCoreApplication>
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

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessara-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARA_VERSION));

    const QStringList arguments = QCoreApplication::arguments();
    if (Is_BundleCommand(arguments)) return Run_BundleCommand(arguments, stdout, stderr);
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
        return CliUsage;
    case CliParse::Run:
        break;
    }

    const CliRequest &r = parse.request;
    // Until the gang and the watch carry the line's options out, a board is never written as if
    // the line had been asked (a --before-board that nobody runs would let every board through).
    for (const auto &[given, option] : {std::pair{r.json, "--json"},
                                        {!r.beforeBoard.isEmpty(), "--before-board"},
                                        {!r.afterBoard.isEmpty(), "--after-board"},
                                        {!r.mqtt.isEmpty(), "--mqtt"}}) {
        if (!given) continue;
        std::fprintf(stderr, "tessara-cli: %s is not carried out by this build yet\n", option);
        return CliUsage;
    }
    const bool terminal = stderrIsTerminal();
    Catch_Interrupt();
    if (r.watch) return Run_Watch(r, stdout, stderr, terminal);
    if (r.gang()) return Run_Gang(r, stdout, stderr, terminal);
    TerminalObserver ui(Cli_Choices(r), stdout, stderr, terminal && !r.verbose);
    return Run_CliRequest(r, ui, stdout, stderr);
}
