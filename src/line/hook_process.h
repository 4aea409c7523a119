#pragma once

#include <QProcess>

// A line hook's process, ended with everything it started: on Linux the hook is the subreaper of
// its descendants (a grandchild that leaves the session with setsid still comes back to it when
// its parent dies), and ending it freezes and kills the whole tree before the hook itself.
class HookProcess : public QProcess {
  public:
    using QProcess::QProcess;
    ~HookProcess() override;
    // Ends the hook and whatever it started at once, and reaps it.
    void killAll();
    // How long a killed hook may take to be gone.
    static constexpr int KillWaitMs = 5000;

    // Keeps the list of the hooks running up to date: called once the hook started, and again
    // once it ended.
    void noteRunning();
    // Ends every hook of this process that is still running, with all they started, and holds the
    // runs of hooks for good: for a program that ends at once, right after (a second stop
    // signal). Safe from any thread, not from a signal handler.
    static void KillEveryHook();

  protected:
    void setupChildProcess() override;

  private:
    qint64 registeredPid = 0;
};
