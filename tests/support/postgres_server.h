#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of its own for a test: a cluster made by initdb in a temporary folder,
// listening on a Unix socket in that folder only (no TCP), stopped and removed with the object.
// Run as root, the server runs as the user nobody, as PostgreSQL wants.
class PostgresServer {
  public:
    PostgresServer();
    ~PostgresServer();

    // Makes the cluster and starts the server; false (with a warning) when it cannot. Its commits
    // reach the disk only when `durable` (the benchmark's); a test's need not.
    bool start(bool durable = false);
    // The ledger URL of its database "postgres", user "tessara", over the socket.
    QString url() const;
    // Stops the server at once (a database gone mid-run).
    void kill();

  private:
    QString binary(const char *name) const;
    bool run(const QString &program, const QStringList &arguments);

    QTemporaryDir dir;
    QProcess server;
};
