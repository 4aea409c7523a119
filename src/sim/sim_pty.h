#pragma once

#include <QString>

// A pseudo-terminal pair: the master side is the simulated chip, the slave path is what the host
// opens. The simulator keeps the slave open too, in raw mode, so that the master never sees a
// hang-up while the host has the port closed.
class SimPty {
  public:
    SimPty() = default;
    ~SimPty() { close(); }
    SimPty(const SimPty &) = delete;
    SimPty &operator=(const SimPty &) = delete;

    bool open(QString *error);
    void close();
    bool isOpen() const { return masterFd >= 0; }
    int master() const { return masterFd; }
    QString slavePath() const { return slave; }

  private:
    int masterFd = -1;
    int slaveFd = -1;
    QString slave;
};

// Makes `link` a symbolic link to `target` in one step. What stands at `link` is replaced only
// when it is a link to a pseudo-terminal (an earlier run's); anything else is an error.
bool pointLink(const QString &link, const QString &target, QString *error);
