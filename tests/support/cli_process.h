#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>
#include <functional>

// One run of the built tessara-cli as a separate process.
struct CliRun {
    int status = -1; // exit status; -1 when it crashed or did not finish
    QString out;
    QString err;
    qint64 msAfterSignal = -1; // from the first stop signal sent to the end; -1: none was sent
};

// The built tessara-cli.
QString Cli_Path();

// Runs tessara-cli with `arguments` in `workDir`. `serialComm`, when not null, is put into
// TESSARA_SERIALCOMM (the serial-port map); otherwise that variable is removed.
CliRun Run_Cli(const QStringList &arguments, const QString &workDir,
               const QString &serialComm = QString(), int timeoutMs = 60000);

// How else to run it.
struct CliRunOptions {
    QString serialComm; // as for Run_Cli
    int timeoutMs = 60000;
    // Ctrl-C: SIGINT (or `signal`) is sent `interrupts` times, each once the program has taken
    // the one before, as soon as `interruptWhen` holds (asked every few milliseconds while the
    // program runs).
    std::function<bool()> interruptWhen;
    int interrupts = 1;
    int signal = SIGINT;
    // Runs it as the user nobody (the test must run as root; `workDir` must be open to all).
    bool asNobody = false;
};
CliRun Run_Cli(const QStringList &arguments, const QString &workDir, const CliRunOptions &options);

// A tessara-cli started in the background, for runs that the test acts on while they go on
// (boards plugged in and out during a watch, Ctrl-C).
class CliProcess {
  public:
    CliProcess(const QStringList &arguments, const QString &workDir,
               const QString &serialComm = QString());
    ~CliProcess();

    // Ctrl-C; returns once the program has taken it.
    void interrupt();
    // Waits for the end (killing it after `timeoutMs`) and collects its status and output.
    CliRun finish(int timeoutMs = 60000);

  private:
    QProcess process;
};
