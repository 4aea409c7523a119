#include "cli_process.h"

#include <QProcessEnvironment>
#include <csignal>

CliProcess::CliProcess(const QStringList &arguments, const QString &workDir,
                       const QString &serialComm) {
#ifdef TESSARA_CLI_PATH
    const QString program = QStringLiteral(TESSARA_CLI_PATH);
#else
    const QString program;
#endif
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TESSARA_SERIALCOMM"));
    if (!serialComm.isNull()) env.insert(QStringLiteral("TESSARA_SERIALCOMM"), serialComm);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(program, arguments);
    process.waitForStarted();
}

CliProcess::~CliProcess() {
    if (process.state() == QProcess::NotRunning) return;
    process.kill();
    process.waitForFinished(2000);
}

void CliProcess::interrupt() {
    if (process.state() == QProcess::Running) ::kill(pid_t(process.processId()), SIGINT);
}

CliRun CliProcess::finish(int timeoutMs) {
    CliRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
    }
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

CliRun Run_Cli(const QStringList &arguments, const QString &workDir, const QString &serialComm,
               int timeoutMs) {
    return CliProcess(arguments, workDir, serialComm).finish(timeoutMs);
}
