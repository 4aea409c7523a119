#include "line/acked_ends.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Lines of the file beyond which it is not one of ours: a report's own acknowledgements never
// come near it (they are folded into the cursor as they become contiguous).
constexpr int MaxKeys = 1000000;
constexpr int KeyLength = 64;

// The whole lines of the report from `from` on, with the offset each one ends at.
struct ReportLine {
    QByteArray text; // without its newline
    qint64 end = 0;
};
QList<ReportLine> linesFrom(const QString &reportPath, qint64 from) {
    QList<ReportLine> lines;
    QFile report(reportPath);
    if (!report.open(QIODevice::ReadOnly) || !report.seek(from)) return lines;
    qint64 at = from;
    while (!report.atEnd()) {
        const QByteArray line = report.readLine();
        // A line still being written (no newline yet) is not a record yet.
        if (!line.endsWith('\n')) break;
        at += line.size();
        lines.append({line.chopped(1), at});
    }
    return lines;
}

} // namespace

QByteArray AckedEnds::keyOf(const QByteArray &record) {
    const QByteArray line = record.endsWith('\n') ? record.chopped(1) : record;
    return QCryptographicHash::hash(line, QCryptographicHash::Sha256).toHex();
}

bool AckedEnds::open(const QString &reportPath, QString &error) {
    std::lock_guard<std::mutex> lock(mutex);
    reportName = QString();
    keys.clear();
    fileName = reportPath + QStringLiteral(".mqtt-acked");
    QFile file(fileName);
    if (!file.exists()) {
        cursor = QFileInfo(reportPath).size();
        reportName = reportPath;
        if (save(error)) return true;
        reportName = QString();
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read \"%1\": %2").arg(fileName, file.errorString());
        return false;
    }
    bool number = false;
    cursor = file.readLine(64).trimmed().toLongLong(&number);
    if (!number || cursor < 0) {
        error = QStringLiteral("\"%1\" is not a list of acknowledged ends").arg(fileName);
        return false;
    }
    while (!file.atEnd()) {
        const QByteArray key = file.readLine(KeyLength + 2).trimmed();
        if (key.size() != KeyLength || keys.size() >= MaxKeys) {
            error = QStringLiteral("\"%1\" is not a list of acknowledged ends").arg(fileName);
            return false;
        }
        keys.insert(key);
    }
    // A report cut back or replaced: whatever it holds now from the start is looked at.
    if (cursor > QFileInfo(reportPath).size()) cursor = 0;
    reportName = reportPath;
    return true;
}

QList<QByteArray> AckedEnds::owed() {
    std::lock_guard<std::mutex> lock(mutex);
    QList<QByteArray> records;
    if (reportName.isEmpty()) return records;
    for (const ReportLine &line : linesFrom(reportName, cursor))
        if (!line.text.trimmed().isEmpty() && !keys.contains(keyOf(line.text)))
            records.append(line.text + '\n');
    return records;
}

bool AckedEnds::acknowledged(const QByteArray &record, QString &error) {
    std::lock_guard<std::mutex> lock(mutex);
    if (reportName.isEmpty()) return true;
    keys.insert(keyOf(record));
    moveCursor();
    return save(error);
}

void AckedEnds::moveCursor() {
    for (const ReportLine &line : linesFrom(reportName, cursor)) {
        if (!line.text.trimmed().isEmpty() && !keys.remove(keyOf(line.text))) break;
        cursor = line.end;
    }
}

bool AckedEnds::save(QString &error) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        QByteArray text = QByteArray::number(cursor) + '\n';
        for (const QByteArray &key : qAsConst(keys))
            text += key + '\n';
        file.write(text);
        if (file.commit()) return true;
    }
    error = QStringLiteral("cannot write \"%1\": %2").arg(fileName, file.errorString());
    return false;
}
