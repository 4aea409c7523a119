#pragma once

#include "protocol/observer.h"
#include "protocol/session.h"
#include "serial/serial_link.h"
#include "sim/sim_device.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

// What the benchmark's tables share: timing an operation, images, and a simulated chip with the
// host connected to it.

struct Cost {
    double seconds = 0, hostCpu = 0, otherCpu = 0; // otherCpu: the process's other threads
};

double threadCpu();
double processCpu();
double peakMiB();

// Runs `run` once and says what it cost.
template <typename F> Cost measure(F &&run) {
    const double cpu0 = threadCpu(), all0 = processCpu();
    QElapsedTimer clock;
    clock.start();
    run();
    Cost c;
    c.seconds = double(clock.nsecsElapsed()) / 1e9;
    c.hostCpu = threadCpu() - cpu0;
    c.otherCpu = processCpu() - all0 - c.hostCpu;
    return c;
}

// `bytes` of noise from `seed`; with `withRunAddress` an MCU image's run address 0x08008000.
QByteArray randomImage(int bytes, bool withRunAddress, quint32 seed);
bool writeFile(const QString &path, const QByteArray &bytes);

// Runs `run(i, &cost)` `runs` times, stopping at the first failure (its reason, returned), and
// gives the run of median `seconds`.
template <class Cost>
QString Median_Run(int runs, const std::function<QString(int, Cost *)> &run, Cost *median) {
    std::vector<Cost> costs(static_cast<size_t>(runs));
    for (int i = 0; i < runs; ++i)
        if (const QString error = run(i, &costs[size_t(i)]); !error.isEmpty()) return error;
    std::sort(costs.begin(), costs.end(),
              [](const Cost &a, const Cost &b) { return a.seconds < b.seconds; });
    *median = costs[size_t(runs / 2)];
    return {};
}

// One row of a table by board count: the median of `runs` runs, or the row's failure said on
// `out` and counted in `failures`. Whether a median came.
template <class Cost>
bool Median_Row(QTextStream &out, int boards, int runs,
                const std::function<QString(int, Cost *)> &run, Cost *median, int &failures) {
    const QString error = Median_Run<Cost>(runs, run, median);
    if (error.isEmpty()) return true;
    ++failures;
    out << boards << " boards: FAILED: " << error << "\n";
    out.flush();
    return false;
}

// A simulated chip on its pseudo-terminal, the host's port open on it and the chip identified
// by the probe, as the operator finds it. Check error() first.
class BenchChip {
  public:
    explicit BenchChip(const SimConfig &config);

    QString error() const { return failure; }

    SimDevice sim;
    SerialLink link;
    UnattendedObserver ui;
    DeviceSession s;

  private:
    QString failure;
};

// The benchmark's chips: a 16 MiB W25Q128 part (listed in the Flash.ini that main writes), no
// frame record kept (the tests' concern, not a cost).
SimConfig benchConfig(const char *model);
