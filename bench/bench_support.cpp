#include "bench_support.h"

#include "protocol/bytes.h"
#include "protocol/handshake.h"

#include <QFile>
#include <QRandomGenerator>
#include <ctime>
#include <sys/resource.h>

namespace {
constexpr uint32_t FlashId = 0xEF4018;
}

double threadCpu() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double processCpu() {
    rusage u;
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double peakMiB() {
    rusage u;
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

QByteArray randomImage(int bytes, bool withRunAddress, quint32 seed) {
    QByteArray image(bytes, Qt::Uninitialized);
    QRandomGenerator rng(seed);
    for (char &b : image)
        b = char(rng.generate());
    if (withRunAddress) Put_Le32(reinterpret_cast<uint8_t *>(image.data()) + 4, 0x08008000);
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

SimConfig benchConfig(const char *model) {
    SimConfig config;
    SimConfig::forModel(QLatin1String(model), &config);
    config.flashIdAnswers[0].id = FlashId;
    config.flashSize = 16 * 1024 * 1024;
    config.keepRecord = false;
    return config;
}

BenchChip::BenchChip(const SimConfig &config) : sim(config), s(link, ui) {
    if (!sim.start()) {
        failure = QStringLiteral("simulator: ") + sim.errorString();
    } else if (!link.Open(sim.portPath())) {
        failure = QStringLiteral("cannot open ") + sim.portPath();
    } else {
        if (!Probe_Model(s).ok() || s.chip().code != config.modelCode)
            failure = QStringLiteral("probe failed");
    }
}
