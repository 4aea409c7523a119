#include "cli_process.h"

#include <QProcess>
#include <QProcessEnvironment>

CliRun Run_Cli(const QStringList &arguments, const QString &workDir, const QString &serialComm,
               int timeoutMs) {
#ifdef TESSARA_CLI_PATH
    const QString program = QStringLiteral(TESSARA_CLI_PATH);
#else
    const QString program;
#endif
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("TESSARA_SERIALCOMM"));
    if (!serialComm.isNull()) env.insert(QStringLiteral("TESSARA_SERIALCOMM"), serialComm);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(program, arguments);
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
