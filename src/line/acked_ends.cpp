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
// A record is a few hundred bytes: a longer line is no record of ours.
constexpr qint64 MaxLineBytes = 64 * 1024;

// The whole lines of the report from `from` on, at most `maxBytes` of them, with the offset each
// one ends at. A line too long to be a record comes empty: passed over, never sent.
struct ReportLine {
    QByteArray text; // without its newline
    qint64 end = 0;
};
QList<ReportLine> linesFrom(const QString &reportPath, qint64 from,
                            qint64 maxBytes = std::numeric_limits<qint64>::max()) {
    QList<ReportLine> lines;
    QFile report(reportPath);
    if (!report.open(QIODevice::ReadOnly) || !report.seek(from)) return lines;
    qint64 at = from;
    while (!report.atEnd() && at - from < maxBytes) {
        QByteArray piece = report.readLine(MaxLineBytes + 1);
        qint64 length = piece.size();
        // Cut short by the bound rather than by a newline: read past the rest of it.
        const bool tooLong = !piece.endsWith('\n') && !report.atEnd();
        const QByteArray text = tooLong ? QByteArray() : piece.chopped(1);
        while (!piece.endsWith('\n') && !report.atEnd() && at + length - from < maxBytes) {
            piece = report.readLine(MaxLineBytes + 1);
            length += piece.size();
        }
        // A line still being written (no newline yet) is not a record yet.
        if (!piece.endsWith('\n')) break;
        at += length;
        lines.append({text, at});
    }
    return lines;
}

// The cursor: the file's first line.
std::optional<qint64> readCursor(QIODevice &file) {
    bool number = false;
    const qint64 cursor = file.readLine(64).trimmed().toLongLong(&number);
    if (!number || cursor < 0) return std::nullopt;
    return cursor;
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
    fileName = ackedPathOf(reportPath);
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
    const std::optional<qint64> kept = readCursor(file);
    if (!kept) {
        error = QStringLiteral("\"%1\" is not a list of acknowledged ends").arg(fileName);
        return false;
    }
    cursor = *kept;
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

std::optional<qint64> AckedEnds::cursorOf(const QString &ackedPath) {
    QFile file(ackedPath);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return readCursor(file);
}

QList<QByteArray> AckedEnds::owed(qint64 maxBytes) {
    std::lock_guard<std::mutex> lock(mutex);
    QList<QByteArray> records;
    if (reportName.isEmpty()) return records;
    for (const ReportLine &line : linesFrom(reportName, cursor, maxBytes))
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
