#include "support/postgres_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <unistd.h>

namespace {

// The processes whose parent is `parent`, from /proc.
QList<pid_t> childrenOf(qint64 parent) {
    QList<pid_t> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        if (!number) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid ...": the name may hold spaces, so read after its last ')'.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (rest.size() > 1 && rest.at(1).toLongLong() == parent) children.append(pid);
    }
    return children;
}

bool asRoot() {
    return ::geteuid() == 0;
}

// The command line that runs `program` as the server's user.
QStringList asServerUser(const QString &program, const QStringList &arguments) {
    if (!asRoot()) return QStringList{program} + arguments;
    return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                       QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                       QStringLiteral("--")} +
           QStringList{program} + arguments;
}

} // namespace

PostgresServer::PostgresServer() = default;

PostgresServer::~PostgresServer() {
    if (server.state() != QProcess::NotRunning) {
        server.terminate(); // a fast shutdown
        if (!server.waitForFinished(10000)) server.kill();
        server.waitForFinished(5000);
    }
}

QString PostgresServer::binary(const char *name) const {
    const QString debian = QStringLiteral("/usr/lib/postgresql/15/bin/") + QLatin1String(name);
    return QFileInfo::exists(debian) ? debian : QLatin1String(name);
}

bool PostgresServer::run(const QString &program, const QStringList &arguments) {
    QProcess p;
    const QStringList command = asServerUser(program, arguments);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(command.first(), command.mid(1));
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s: %s", qPrintable(program), p.readAll().constData());
        return false;
    }
    return true;
}

bool PostgresServer::start(bool durable) {
    if (!dir.isValid()) return false;
    const QString data = dir.filePath(QStringLiteral("data"));
    if (asRoot() && ::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534) != 0)
        return false;
    if (!run(binary("initdb"),
             {"-D", data, "-U", "tessara", "-A", "trust", "--no-sync", "-E", "UTF8", "--locale=C"}))
        return false;
    const QStringList command = asServerUser(
        binary("postgres"), {"-D", data, "-k", dir.path(), "-c", "listen_addresses=", "-c",
                             durable ? "fsync=on" : "fsync=off", "-c", "max_connections=50"});
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start(command.first(), command.mid(1));
    // Ready when it says so in its log.
    QByteArray log;
    while (server.waitForReadyRead(60000)) {
        log += server.readAll();
        if (log.contains("ready to accept connections")) return true;
    }
    qWarning("the PostgreSQL server did not start: %s", log.constData());
    return false;
}

QString PostgresServer::url() const {
    return QStringLiteral("postgresql://tessara@localhost/postgres?host=") + dir.path();
}

// The server dies as in a crash, its connections' backends with it: a backend whose server
// was killed alone would still answer a query already on its way.
void PostgresServer::kill() {
    for (pid_t backend : childrenOf(server.processId()))
        ::kill(backend, SIGKILL);
    server.kill();
    server.waitForFinished(10000);
}
