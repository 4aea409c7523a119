#include "line/earlier_reports.h"

#include "line/acked_ends.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {

bool plainFile(const QFileInfo &info) {
    return info.isFile() && !info.isSymLink();
}

} // namespace

QStringList Earlier_OwingReports(const QString &current, int limit, int scanLimit) {
    const QFileInfo currentInfo(current);
    const QString currentPath = currentInfo.absoluteFilePath();
    const QString currentTarget = currentInfo.canonicalFilePath();
    const QString suffix = AckedEnds::ackedPathOf(QString());
    std::vector<QFileInfo> owing;
    QDirIterator entries(currentInfo.absolutePath(), {QLatin1Char('*') + suffix},
                         QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (int seen = 0; entries.hasNext() && seen < scanLimit; ++seen) {
        const QFileInfo acked(entries.next());
        const QFileInfo report(acked.absoluteFilePath().chopped(suffix.size()));
        if (!plainFile(acked) || !plainFile(report) || report.absoluteFilePath() == currentPath ||
            report.canonicalFilePath() == currentTarget)
            continue;
        const std::optional<qint64> cursor = AckedEnds::cursorOf(acked.absoluteFilePath());
        if (cursor && report.size() > *cursor) owing.push_back(report);
    }
    std::sort(owing.begin(), owing.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const QDateTime ma = a.lastModified(), mb = b.lastModified();
        return ma != mb ? ma < mb : a.fileName() < b.fileName();
    });
    QStringList paths;
    for (const QFileInfo &report : owing) {
        if (paths.size() >= limit) break;
        paths.append(report.absoluteFilePath());
    }
    return paths;
}
