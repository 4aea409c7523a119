// tessara-sim: a simulated KQ chip in its boot loader, served on a pseudo-terminal.
#include "sim/sim_device.h"
#include "sim/sim_options.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <csignal>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    SimOptions options;
    QString error, help;
    if (!parseSimOptions(app.arguments(), &options, &error, &help)) {
        fprintf(stderr, "tessara-sim: %s\n", qPrintable(error));
        return 2;
    }
    if (!help.isEmpty()) {
        fputs(qPrintable(help), stdout);
        return 0;
    }

    QFile log(options.logFile);
    if (!options.logFile.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fprintf(stderr, "tessara-sim: cannot write %s\n", qPrintable(options.logFile));
        return 1;
    }

    // The signals are taken by sigwait below; block them before the serving thread starts so
    // that it inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    options.config.keepRecord = false; // the log file is the record
    SimDevice sim(options.config);
    for (const SimFault &fault : options.faults)
        sim.addFault(fault);
    for (const SimPowerCut &cut : options.powerCuts)
        sim.addPowerCut(cut);
    if (log.isOpen())
        sim.setLogSink([&log](const QString &line) {
            log.write(line.toUtf8() + '\n');
            log.flush();
        });
    if (!sim.start()) {
        fprintf(stderr, "tessara-sim: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    printf("%s\n", qPrintable(sim.portPath()));
    fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    sim.stop();
    return 0;
}
