#pragma once

#include <QObject>

// SIGTERM, SIGINT and SIGHUP (a shutdown, a logout, Ctrl-C in the terminal that started the
// program) become stopRequested() on the thread that installed them, so that the boards running
// stop safely instead of dying in the middle of a write. Windows: none.
class StopSignals : public QObject {
    Q_OBJECT

  public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

  signals:
    void stopRequested();
};
