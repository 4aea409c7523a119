#pragma once

#include "cli/cli_options.h"
#include "jobs/board_run.h"

#include <QObject>
#include <QString>

class QThread;

// One board of a gang or a watch: Run_OnBoard on a thread of its own, with its own port and
// session, created and used on that thread only. What the board shows the operator comes back to
// the starting thread as signals; so does the end of the run.
class BoardThread : public QObject {
    Q_OBJECT

  public:
    BoardThread(const QString &port, const CliRequest &request, QObject *parent = nullptr);
    // Waits for the run to end: an operation is never cut off.
    ~BoardThread() override;

    void start();
    bool isRunning() const;
    QString port() const { return portName; }
    // How the run ended; read it once finished() has arrived.
    const BoardOutcome &outcome() const { return result; }

  signals:
    void logLine(const QString &text);
    void message(const QString &text);
    void progress(int percent);
    void finished();

  private:
    const QString portName;
    const CliRequest request;
    QThread *thread = nullptr;
    BoardOutcome result;
};
