#pragma once

#include <QProcess>

// A line hook's process: in a process group of its own where the system has them, so that a hook
// that does not answer is ended with everything it started.
class HookProcess : public QProcess {
  public:
    using QProcess::QProcess;
    ~HookProcess() override {
        if (state() != NotRunning) killAll();
    }
    // Ends the hook and whatever it started at once, and reaps it.
    void killAll();
    // How long a killed hook may take to be gone.
    static constexpr int KillWaitMs = 5000;

  protected:
    void setupChildProcess() override;
};
