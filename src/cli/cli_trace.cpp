#include "cli/cli_trace.h"

#include <QDateTime>

QString CliTrace::open(const QString &path, bool verboseTrace) {
    verbose = verboseTrace;
    if (!path.isEmpty()) {
        file.setFileName(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write the trace file \"%1\": %2")
                .arg(path, file.errorString());
    }
    if (file.isOpen() || verbose)
        trace = std::make_unique<FrameTrace>([this](const QByteArray &line) { write(line, true); });
    return QString();
}

void CliTrace::describeRun(const QString &what) {
    if (file.isOpen())
        write("# " + what.toUtf8() + ", " +
                  QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8(),
              false);
}

QString CliTrace::finish() {
    trace.reset(); // shows what it still holds
    if (!file.isOpen()) return QString();
    file.close();
    return writeError.isEmpty() ? QString()
                                : QStringLiteral("the trace file \"%1\" is incomplete: %2")
                                      .arg(file.fileName(), writeError);
}

void CliTrace::write(const QByteArray &line, bool toErr) {
    // Line by line to the disk, so that a run that hangs or is killed leaves its trace.
    if (file.isOpen() && writeError.isEmpty() &&
        (file.write(line + '\n') != line.size() + 1 || !file.flush()))
        writeError = file.errorString();
    if (toErr && verbose) {
        std::fwrite(line.constData(), 1, size_t(line.size()), err);
        std::fputc('\n', err);
        std::fflush(err);
    }
}
