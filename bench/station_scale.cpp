#include "station_scale.h"

#include "bench_support.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// The flash image of every board: a few seconds of a real part's erase and program.
constexpr int FlashBytes = 1024 * 1024;
constexpr int McuBytes = 30 * 1024;
constexpr int RunsPerRow = 3;
constexpr int BoardsMs = 600000; // the longest a row may take before it counts as failed

struct StationCost {
    double seconds = 0; // from the station's start to the last board's record
    double cpu = 0;     // the station's CPU over the same time
    int passed = 0;
    double slowestBoard = 0; // the longest "seconds" of a record
};

// CPU seconds of process `pid` so far (user and system, all its threads); negative when it
// cannot be read.
double processCpu(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.read(4096);
    // The fields after the command name, which may hold spaces, start after its ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return -1;
    const double ticks = double(::sysconf(_SC_CLK_TCK));
    return (fields[11].toDouble() + fields[12].toDouble()) / ticks;
}

// The report's records so far: how many, how many passed, and the longest a board took by its
// own record.
int recordsIn(const QString &report, StationCost *cost) {
    QFile file(report);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    int lines = 0;
    cost->passed = 0;
    cost->slowestBoard = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.trimmed().isEmpty()) continue;
        ++lines;
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        if (record.value(QStringLiteral("result")).toString() == QLatin1String("ok"))
            ++cost->passed;
        cost->slowestBoard =
            std::max(cost->slowestBoard, record.value(QStringLiteral("seconds")).toDouble());
    }
    return lines;
}

std::unique_ptr<QProcess> startSim(const QString &link) {
    auto sim = std::make_unique<QProcess>();
    sim->start(QStringLiteral(TESSARA_SIM_PATH),
               {"--model", "KQ31B", "--timing", "realistic", "--link", link});
    if (!sim->waitForReadyRead(10000)) return nullptr; // its first line: the terminal's path
    return sim;
}

// One run: `boards` simulators, then the station on them until every board has its record.
// Empty string on success, else why it failed.
QString runStation(int boards, int run, const QString &dir, StationCost *cost) {
    const QString tag = QStringLiteral("%1-%2").arg(boards).arg(run);
    std::vector<std::unique_ptr<QProcess>> sims;
    QString map = QStringLiteral("\\Device\\Serial0=/dev/null");
    for (int i = 0; i < boards; ++i) {
        const QString link = QStringLiteral("%1/station%2-%3").arg(dir, tag).arg(i);
        sims.push_back(startSim(link));
        if (!sims.back()) return QStringLiteral("simulator %1 did not start").arg(i);
        map += QStringLiteral(";\\Device\\USBSER%1=%2").arg(i, 3, 10, QLatin1Char('0')).arg(link);
    }
    const QString report = QStringLiteral("%1/station-%2.jsonl").arg(dir, tag);
    if (!writeFile(report, QByteArray())) return QStringLiteral("cannot write ") + report;

    QProcess station;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TESSARA_SERIALCOMM"), map);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    station.setProcessEnvironment(env);
    // Its log lines go to a file of the run: read only when the run fails.
    const QString log = QStringLiteral("%1/station-%2.log").arg(dir, tag);
    station.setStandardOutputFile(log);
    station.setStandardErrorFile(log, QIODevice::Append);
    QElapsedTimer clock;
    clock.start();
    station.start(QStringLiteral(TESSARA_STATION_PATH),
                  {"--mcu", dir + "/station_mcu.bin", "--flash", dir + "/station_flash.bin",
                   "--model", "KQ31B", "--flash-ini", dir + "/Flash.ini", "--report", report,
                   "--station", "bench", "--operator", "bench", "--lot", tag});
    if (!station.waitForStarted()) return QStringLiteral("tessara-station did not start");

    // Each record appended to the report wakes the wait; the timer is only a backstop.
    QFileSystemWatcher watcher({report});
    QEventLoop loop;
    QTimer backstop;
    QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &loop, &QEventLoop::quit);
    QObject::connect(&backstop, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&station, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    backstop.start(1000);
    int records = 0;
    while ((records = recordsIn(report, cost)) < boards && station.state() == QProcess::Running &&
           clock.elapsed() < BoardsMs)
        loop.exec();
    cost->seconds = double(clock.nsecsElapsed()) / 1e9;
    cost->cpu = processCpu(station.processId());

    station.terminate(); // a safe stop: every board has its record by now
    station.waitForFinished(30000);
    for (const auto &sim : sims) {
        sim->terminate();
        sim->waitForFinished(5000);
    }
    if (records < boards) {
        QFile lines(log);
        const QByteArray said = lines.open(QIODevice::ReadOnly) ? lines.readAll().right(2000) : "";
        return QStringLiteral("%1 of %2 records (tessara-station exit %3): %4")
            .arg(records)
            .arg(boards)
            .arg(station.exitCode())
            .arg(QString::fromLocal8Bit(said));
    }
    if (cost->passed < boards)
        return QStringLiteral("%1 of %2 boards passed").arg(cost->passed).arg(boards);
    if (cost->cpu < 0) return QStringLiteral("cannot read the station's CPU");
    return {};
}

} // namespace

int Run_StationScale(const QString &dir, QTextStream &out) {
    if (!writeFile(dir + "/station_mcu.bin", randomImage(McuBytes, true, 3)) ||
        !writeFile(dir + "/station_flash.bin", randomImage(FlashBytes, false, 4))) {
        out << "station: cannot write the images\n";
        return 1;
    }
    out << "\ntessara-station, KQ31B with W25Q128JV timing, update-all of " << McuBytes / 1024
        << " KiB MCU + " << FlashBytes / 1024 << " KiB flash; median of " << RunsPerRow
        << " runs\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg("boards", -7)
               .arg("seconds", 8)
               .arg("ratio", 6)
               .arg("slowest board s", 16)
               .arg("station cpu s", 14)
               .arg("% of a core", 12);
    out.flush();
    int failures = 0;
    double single = 0;
    for (const int boards : {1, 8, 24}) {
        StationCost median;
        if (!Median_Row<StationCost>(
                out, boards, RunsPerRow,
                [&](int r, StationCost *run) { return runStation(boards, r, dir, run); }, &median,
                failures))
            continue;
        if (boards == 1) single = median.seconds;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(boards, -7)
                   .arg(median.seconds, 8, 'f', 2)
                   .arg(single > 0 ? median.seconds / single : 0, 6, 'f', 2)
                   .arg(median.slowestBoard, 16, 'f', 2)
                   .arg(median.cpu, 14, 'f', 2)
                   .arg(100 * median.cpu / median.seconds, 12, 'f', 1);
        out.flush();
    }
    return failures;
}
