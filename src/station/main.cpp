#include "jobs/stop_signals.h"
#include "station/recipe.h"
#include "station/slots_conf.h"
#include "station/station_options.h"
#include "station/station_translation.h"
#include "station/station_window.h"

#include "tessara_version.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>

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

} // namespace

int main(int argc, char **argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const ParsedStationOptions parsed = Parse_StationOptions(arguments);
    if (!parsed.options) return answerOnTerminal(argc, argv, parsed);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessara-station"));
    Install_StationTranslation(app, QLocale::system());
    const StationOptions &o = *parsed.options;

    const Result<Recipe> recipe = Load_Recipe(o);
    if (!recipe.ok()) return refuse(recipe.reason());
    if (!recipe.value().bundleWarning.isEmpty())
        std::fprintf(stderr, "tessara-station: %s\n",
                     qPrintable(QApplication::translate("StationMain", "warning: %1: %2")
                                    .arg(o.bundlePath, recipe.value().bundleWarning)));
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

    StationWindow::Setup setup;
    setup.recipe = recipe.value();
    setup.names = SlotNames(entries);
    setup.manual = o.manual;
    setup.maxParallel = o.maxParallel;
    setup.report = &report;
    setup.trust = o.trust;
    setup.retry = o.retry;
    StationWindow window(setup);
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &window,
                     &StationWindow::stopAndClose);
    window.show();
    const int status = app.exec();
    // Ended by a signal: the shell's status for it, as tessara-cli gives (SIGTERM: 143).
    return stopSignals.firstSignal() ? 128 + stopSignals.firstSignal() : status;
}
