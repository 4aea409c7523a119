#include "cli_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <grp.h>
#include <unistd.h>

namespace {

// A process that drops root for the user nobody before it starts the program.
class NobodyProcess : public QProcess {
  protected:
    void setupChildProcess() override {
        const gid_t nogroup = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nogroup) != 0 || ::setuid(65534) != 0)
            ::_exit(127);
    }
};

void start(QProcess &process, const QStringList &arguments, const QString &workDir,
           const QString &serialComm, bool asNobody) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TESSARA_SERIALCOMM"));
    if (!serialComm.isNull()) env.insert(QStringLiteral("TESSARA_SERIALCOMM"), serialComm);
    // The leak checker cannot watch a process that changed its user.
    if (asNobody) env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(Cli_Path(), arguments);
    process.waitForStarted(5000);
}

// Whether `signal` still waits to be taken by the process `pid` (its shared pending set, as
// /proc shows it). A second signal of the same number sent before the first is taken would be
// merged with it.
bool signalPending(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false; // gone: nothing waits
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("ShdPnd:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// Sends `signal` and waits until the process has taken it (or has ended).
void sendAndWaitTaken(QProcess &process, int signal) {
    const qint64 pid = process.processId();
    ::kill(pid_t(pid), signal);
    while (process.state() == QProcess::Running && signalPending(pid, signal))
        process.waitForFinished(1);
}

// Waits for the end (killing it after `timeoutMs`) and collects its status and output.
CliRun collect(QProcess &process, int timeoutMs) {
    CliRun run;
    const bool ended =
        process.state() == QProcess::NotRunning || process.waitForFinished(qMax(1, timeoutMs));
    if (!ended) {
        process.kill();
        process.waitForFinished(2000);
    } else if (process.exitStatus() == QProcess::NormalExit &&
               process.error() != QProcess::FailedToStart) {
        run.status = process.exitCode();
    }
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

QString Cli_Path() {
#ifdef TESSARA_CLI_PATH
    return QStringLiteral(TESSARA_CLI_PATH);
#else
    return QString();
#endif
}

CliRun Run_Cli(const QStringList &arguments, const QString &workDir, const QString &serialComm,
               int timeoutMs) {
    CliRunOptions options;
    options.serialComm = serialComm;
    options.timeoutMs = timeoutMs;
    return Run_Cli(arguments, workDir, options);
}

CliRun Run_Cli(const QStringList &arguments, const QString &workDir, const CliRunOptions &options) {
    NobodyProcess asNobody;
    QProcess asUs;
    QProcess &process = options.asNobody ? asNobody : asUs;
    start(process, arguments, workDir, options.serialComm, options.asNobody);
    QElapsedTimer clock, sinceSignal;
    clock.start();
    if (options.interruptWhen) {
        bool finished = false;
        while (!finished && process.state() != QProcess::NotRunning &&
               clock.elapsed() < options.timeoutMs && !options.interruptWhen())
            finished = process.waitForFinished(5);
        for (int i = 0; !finished && i < options.interrupts; ++i) {
            if (i == 0) sinceSignal.start();
            sendAndWaitTaken(process, options.signal);
            finished = process.state() == QProcess::NotRunning;
        }
    }
    CliRun run = collect(process, int(options.timeoutMs - clock.elapsed()));
    if (sinceSignal.isValid()) run.msAfterSignal = sinceSignal.elapsed();
    return run;
}

CliProcess::CliProcess(const QStringList &arguments, const QString &workDir,
                       const QString &serialComm) {
    start(process, arguments, workDir, serialComm, false);
}

CliProcess::~CliProcess() {
    if (process.state() == QProcess::NotRunning) return;
    process.kill();
    process.waitForFinished(2000);
}

void CliProcess::interrupt() {
    if (process.state() == QProcess::Running) sendAndWaitTaken(process, SIGINT);
}

CliRun CliProcess::finish(int timeoutMs) {
    return collect(process, timeoutMs);
}
