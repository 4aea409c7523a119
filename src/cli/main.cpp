#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/gang.h"
#include "cli/terminal_frontend.h"
#include "cli/watch.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessara-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARA_VERSION));

    const CliParse parse = Parse_CliArguments(QCoreApplication::arguments());
    switch (parse.outcome) {
    case CliParse::Help:
        std::fputs(parse.text.toLocal8Bit().constData(), stdout);
        return CliOk;
    case CliParse::Version:
        std::printf("tessara-cli %s\n", TESSARA_VERSION);
        return CliOk;
    case CliParse::Error:
        std::fprintf(stderr, "tessara-cli: %s\n", parse.text.toLocal8Bit().constData());
        return CliUsage;
    case CliParse::Run:
        break;
    }

    const CliRequest &r = parse.request;
    const bool terminal = isatty(STDERR_FILENO) != 0;
    TerminalFrontend::catchInterrupt();
    if (r.watch) return Run_Watch(r, stdout, stderr, terminal);
    if (r.gang()) return Run_Gang(r, stdout, stderr, terminal);
    TerminalFrontend ui(Cli_Choices(r), stdout, stderr, terminal);
    return Run_CliRequest(r, ui, stdout, stderr);
}
