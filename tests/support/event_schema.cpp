#include "support/event_schema.h"

#include <QProcess>

QString Events_SchemaProblems(const QByteArrayList &lines) {
    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(TESSARA_SOURCE_DIR "/tests/support/validate_events.py"),
                  QStringLiteral(TESSARA_SOURCE_DIR "/docs/events.schema.json")});
    if (!python.waitForStarted()) return QStringLiteral("python3 did not start");
    python.write(lines.join('\n') + '\n');
    python.closeWriteChannel();
    if (!python.waitForFinished(60000)) return QStringLiteral("the schema check did not end");
    const QString output = QString::fromUtf8(python.readAll());
    if (python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0)
        return output.isEmpty() ? QStringLiteral("the schema check failed") : output;
    return QString();
}
