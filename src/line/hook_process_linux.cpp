#include "line/hook_process.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// The hooks running now, by process ID, for KillEveryHook().
QMutex runningMutex;
QSet<pid_t> &runningHooks() {
    static QSet<pid_t> hooks;
    return hooks;
}

// The parent of every process of the system, as /proc tells it now.
QHash<pid_t, pid_t> parentsNow() {
    QHash<pid_t, pid_t> parents;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        if (!isPid) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid ...": the name may hold anything, the last ')' ends it.
        const QByteArray line = stat.read(4096);
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1) parents.insert(pid, pid_t(fields[1].toInt()));
    }
    return parents;
}

// Every descendant of `root` now.
QSet<pid_t> descendants(pid_t root) {
    const QHash<pid_t, pid_t> parents = parentsNow();
    QSet<pid_t> found;
    bool grew = true;
    while (grew) {
        grew = false;
        for (auto p = parents.cbegin(); p != parents.cend(); ++p)
            if ((p.value() == root || found.contains(p.value())) && !found.contains(p.key())) {
                found.insert(p.key());
                grew = true;
            }
    }
    return found;
}

// Stops the tree under `root` first, so that nothing in it can start more while it is gathered
// (the hook stays the subreaper of all of it), then kills it, its process group and the hook.
void killTree(pid_t root) {
    QSet<pid_t> tree;
    for (int round = 0; round < 100; ++round) {
        ::kill(root, SIGSTOP);
        const QSet<pid_t> now = descendants(root);
        if (now == tree) break;
        for (const pid_t pid : now)
            ::kill(pid, SIGSTOP);
        tree = now;
    }
    for (const pid_t pid : tree)
        ::kill(pid, SIGKILL);
    ::kill(-root, SIGKILL);
    ::kill(root, SIGKILL);
}

} // namespace

// In the child, before the hook's program starts; both survive the exec.
void HookProcess::setupChildProcess() {
    setpgid(0, 0);
    prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0);
}

HookProcess::~HookProcess() {
    if (state() != NotRunning) killAll();
    noteRunning();
}

void HookProcess::noteRunning() {
    QMutexLocker lock(&runningMutex);
    if (registeredPid > 0) runningHooks().remove(pid_t(registeredPid));
    registeredPid = state() == NotRunning ? 0 : processId();
    if (registeredPid > 0) runningHooks().insert(pid_t(registeredPid));
}

void HookProcess::killAll() {
    const qint64 pid = processId();
    if (pid > 0 && state() != NotRunning) killTree(pid_t(pid));
    kill(); // should the above have missed it
    waitForFinished(KillWaitMs);
    noteRunning();
}

void HookProcess::KillEveryHook() {
    // Never unlocked: a run whose hook this ends stops where it notes its end, and says nothing
    // more before the program ends.
    runningMutex.lock();
    for (const pid_t pid : runningHooks())
        killTree(pid);
}
