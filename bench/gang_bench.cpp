#include "gang_bench.h"

#include <QElapsedTimer>
#include <QProcess>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// CPU of the children waited for so far.
double childrenCpu() {
    rusage u;
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A simulated KQ31B whose erase and CRC take no time of their own: what is measured is the
// host's work and the wire.
std::unique_ptr<QProcess> startSim(const QString &link) {
    auto sim = std::make_unique<QProcess>();
    sim->start(QStringLiteral(TESSARA_SIM_PATH),
               {"--model", "KQ31B", "--flash-erase-ms", "0", "--crc-interval-ms", "0", "--crc-step",
                "0xFFFFFFFF", "--link", link});
    if (!sim->waitForReadyRead(10000)) return nullptr; // its first line: the terminal's path
    return sim;
}

} // namespace

QString Run_GangBench(int boards, const QString &dir, const QString &mcuImage,
                      const QString &flashImage, GangCost *cost) {
    std::vector<std::unique_ptr<QProcess>> sims;
    QStringList arguments{"--quiet"};
    for (int i = 0; i < boards; ++i) {
        const QString link = QStringLiteral("%1/gang%2").arg(dir).arg(i);
        sims.push_back(startSim(link));
        if (!sims.back()) return QStringLiteral("simulator %1 did not start").arg(i);
        arguments << "--port" << link;
    }
    arguments << "update-all" << mcuImage << flashImage;

    QProcess cli;
    cli.setWorkingDirectory(dir);
    const double cpu0 = childrenCpu();
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(TESSARA_CLI_PATH), arguments);
    const bool finished = cli.waitForFinished(300000);
    cost->seconds = double(clock.nsecsElapsed()) / 1e9;
    const double cpu1 = childrenCpu();
    cost->hostCpu = cpu1 - cpu0;

    for (const auto &sim : sims) {
        sim->terminate();
        sim->waitForFinished(5000);
    }
    cost->simCpu = childrenCpu() - cpu1;
    if (!finished || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
        return QStringLiteral("tessara-cli failed: ") +
               QString::fromLocal8Bit(cli.readAllStandardOutput() + cli.readAllStandardError());
    return {};
}
