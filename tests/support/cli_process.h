#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the built tessara-cli as a separate process.
struct CliRun {
    int status = -1; // exit status; -1 when it crashed or did not finish
    QString out;
    QString err;
};

// Runs tessara-cli with `arguments` in `workDir`. `serialComm`, when not null, is put into
// TESSARA_SERIALCOMM (the serial-port map); otherwise that variable is removed.
CliRun Run_Cli(const QStringList &arguments, const QString &workDir,
               const QString &serialComm = QString(), int timeoutMs = 60000);

// A tessara-cli started in the background, for runs that the test acts on while they go on
// (boards plugged in and out during a watch, Ctrl-C).
class CliProcess {
  public:
    CliProcess(const QStringList &arguments, const QString &workDir,
               const QString &serialComm = QString());
    ~CliProcess();

    // Ctrl-C.
    void interrupt();
    // Waits for the end (killing it after `timeoutMs`) and collects its status and output.
    CliRun finish(int timeoutMs = 60000);

  private:
    QProcess process;
};
