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
    // The first of them that came (its number); 0: none. A program stopped by one ends with
    // 128 + it, as a shell expects.
    int firstSignal() const { return first; }

  signals:
    void stopRequested();

  private:
    int first = 0;
};
