#include "cli_process.h"

#include <QElapsedTimer>
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TESSARA_SERIALCOMM"));
    if (!options.serialComm.isNull())
        env.insert(QStringLiteral("TESSARA_SERIALCOMM"), options.serialComm);
    // The leak checker cannot watch a process that changed its user.
    if (options.asNobody)
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(Cli_Path(), arguments);

    QElapsedTimer clock;
    clock.start();
    bool finished = false;
    if (options.interruptWhen) {
        process.waitForStarted(5000);
        while (!finished && process.state() != QProcess::NotRunning &&
               clock.elapsed() < options.timeoutMs && !options.interruptWhen())
            finished = process.waitForFinished(5);
        for (int i = 0; !finished && i < options.interrupts; ++i) {
            ::kill(pid_t(process.processId()), SIGINT);
            finished = process.waitForFinished(20);
        }
    }
    if (!finished)
        finished =
            process.waitForFinished(int(qMax<qint64>(1, options.timeoutMs - clock.elapsed())));
    CliRun run;
    if (!finished) {
        process.kill();
        process.waitForFinished(2000);
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
    }
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
