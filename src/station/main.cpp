#include "jobs/stop_signals.h"
#include "line/line_options.h"
#include "station/recipe.h"
#include "station/refusal_words.h"
#include "station/slots_conf.h"
#include "station/station_history.h"
#include "station/station_ledger.h"
#include "station/station_options.h"
#include "station/station_translation.h"
#include "station/station_window.h"
#include "station/supervisor_password.h"

#include "tessara_version.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSysInfo>
#include <QTextStream>
#include <cstdio>
#ifndef _WIN32
#include <termios.h>
#include <unistd.h>
#endif

namespace {

// Why the station cannot start: on the terminal and in a box.
int refuse(const QString &why) {
    std::fprintf(stderr, "tessara-station: %s\n", qPrintable(why));
    QMessageBox::critical(nullptr, QStringLiteral("tessara-station"), why);
    return 2;
}

// --help, --version and a wrong option are answered without a display.
int answerOnTerminal(int argc, char **argv, const ParsedStationOptions &parsed) {
    QCoreApplication app(argc, argv);
    Install_StationTranslation(app, QLocale::system());
    if (parsed.version) {
        std::printf("tessara-station %s\n", TESSARA_VERSION);
        return 0;
    }
    // Parsed again: the reason in the operator's language.
    const ParsedStationOptions again = Parse_StationOptions(app.arguments().mid(1));
    if (again.help) {
        std::fputs(qPrintable(Station_Usage()), stdout);
        return 0;
    }
    std::fprintf(stderr, "tessara-station: %s\n%s", qPrintable(again.error),
                 qPrintable(Station_Usage()));
    return 2;
}

// One line from the terminal, not shown as it is typed; from a pipe, one line as it comes.
QString readPassword(const QString &prompt) {
#ifndef _WIN32
    termios saved{};
    const bool terminal = ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        std::fprintf(stderr, "%s", qPrintable(prompt));
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
#else
    std::fprintf(stderr, "%s", qPrintable(prompt)); // typed in the open on Windows
#endif
    char line[1024] = {};
    const bool read = std::fgets(line, sizeof line, stdin) != nullptr;
#ifndef _WIN32
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
#endif
    QString text = read ? QString::fromLocal8Bit(line) : QString();
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

// tessara-station --set-supervisor-password [--config FILE]: asks twice, keeps the hash.
int setSupervisorPassword(int argc, char **argv, const QStringList &arguments) {
    QCoreApplication app(argc, argv);
    Install_StationTranslation(app, QLocale::system());
    QString conf = Default_StationConf();
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--config") && i + 1 < arguments.size())
            conf = arguments[i + 1];
        if (arguments[i].startsWith(QLatin1String("--config=")))
            conf = arguments[i].mid(int(qstrlen("--config=")));
    }
    const QString password =
        readPassword(QCoreApplication::translate("StationMain", "New supervisor password: "));
    const QString again =
        readPassword(QCoreApplication::translate("StationMain", "The same again: "));
    QString error;
    if (password != again)
        error = QCoreApplication::translate("StationMain", "the two passwords differ");
    else if (Set_SupervisorPassword(conf, password, error)) {
        std::printf("%s\n", qPrintable(QCoreApplication::translate(
                                           "StationMain", "The supervisor's password is set in %1.")
                                           .arg(conf)));
        return 0;
    }
    std::fprintf(stderr, "tessara-station: %s\n", qPrintable(error));
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.contains(QStringLiteral("--set-supervisor-password")))
        return setSupervisorPassword(argc, argv, arguments);
    const ParsedStationOptions parsed = Parse_StationOptions(arguments);
    if (!parsed.options) return answerOnTerminal(argc, argv, parsed);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessara-station"));
    Install_StationTranslation(app, QLocale::system());
    const StationOptions &o = *parsed.options;

    const QString station = o.station.isEmpty() ? QSysInfo::machineHostName() : o.station;
    // The ledger of the boards' own values, its unsettled leases settled before any board: a
    // ledger named is opened now, the default one when the recipe needs it.
    StationLedger ledger(o.ledger, station);
    QString ledgerError;
    if (!o.ledger.isEmpty() && !ledger.open(ledgerError))
        return refuse(Station_RefusalWords(ledgerError));
    const Result<Recipe> recipe = Load_Recipe(o, &ledger);
    if (!recipe.ok()) return refuse(recipe.reason());
    if (!recipe.value().bundleWarning.isEmpty())
        std::fprintf(
            stderr, "tessara-station: %s\n",
            qPrintable(QApplication::translate("StationMain", "warning: %1: %2")
                           .arg(o.bundlePath, Station_RefusalWords(recipe.value().bundleWarning))));
    QList<SlotEntry> entries;
    if (!o.slotsConf.isEmpty()) {
        const Result<QList<SlotEntry>> conf = Read_SlotsConf(o.slotsConf);
        if (!conf.ok()) return refuse(conf.reason());
        entries = conf.value();
    }
    BoardReport report;
    QDir().mkpath(QFileInfo(o.reportPath).absolutePath());
    if (!report.open(o.reportPath))
        return refuse(QApplication::translate("StationMain", "cannot open the report %1: %2")
                          .arg(o.reportPath, report.errorString()));

    StationAudit audit;
    audit.setStation(station);
    if (!audit.open(StationAudit::pathBeside(o.reportPath)))
        return refuse(QApplication::translate("StationMain", "cannot open the audit log %1: %2")
                          .arg(StationAudit::pathBeside(o.reportPath), audit.errorString()));

    // The shift: from the options (a kiosk), else asked for.
    Shift shift{o.operatorId, o.lot};
    if (!shift.complete()) {
        const std::optional<Shift> asked = ShiftDialog::ask(shift);
        if (!asked) return 0; // the operator chose not to start
        shift = *asked;
    }

    // What the station tells the line, as tessara-cli --watch tells it.
    LineStation::Settings lineSettings;
    lineSettings.command = o.operation;
    lineSettings.report = o.reportPath;
    // The overview's boards of this shift start where the counters were last reset.
    lineSettings.uncountedRecords =
        Records_BeforeReset(StationAudit::pathBeside(o.reportPath), station);
    lineSettings.log = [](const QString &line) {
        std::fprintf(stderr, "tessara-station: %s\n", qPrintable(line));
    };
    QString lineError;
    if (!Line_Settings(o.line, lineSettings, lineError))
        return refuse(Station_RefusalWords(lineError));
    LineStation line(lineSettings);
    if (!line.start(lineError)) return refuse(Station_RefusalWords("--mqtt: " + lineError));

    StationWindow::Setup setup;
    setup.recipe = recipe.value();
    setup.shift = shift;
    setup.scan = o.scan;
    setup.names = SlotNames(entries);
    setup.manual = o.manual;
    setup.maxParallel = o.maxParallel;
    setup.report = &report;
    setup.trust = o.trust;
    setup.pin = o.pin;
    setup.models = o.models;
    setup.retry = o.retry;
    setup.supervisorHash = o.supervisorHash;
    setup.audit = &audit;
    setup.station = station;
    setup.line = &line;
    setup.ledger = &ledger;
    StationWindow window(setup);
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &window,
                     &StationWindow::stopAndClose);
    if (o.fullscreen)
        window.showFullScreen();
    else
        window.show();
    const int exec = app.exec();
    // Ended by a signal: the shell's status for it, as tessara-cli gives (SIGTERM: 143).
    const int status = stopSignals.firstSignal() ? 128 + stopSignals.firstSignal() : exec;
    line.runEnded(status);
    line.finish(); // the hooks after the boards, the ends owed to the broker
    return status;
}
