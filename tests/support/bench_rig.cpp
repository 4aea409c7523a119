#include "support/bench_rig.h"

#include "support/flash_rig.h"
#include "support/mcu_rig.h"

#include <QFile>
#include <QJsonDocument>
#include <QtTest>

namespace {
bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int Frames_Named(const SimDevice &board, const QStringList &names) {
    int n = 0;
    for (const SimFrame &f : board.received())
        n += names.contains(f.name);
    return n;
}

BenchRig::BenchRig()
    : mcu(mcuImage(6000, 0x0800A000)), flash(mcuImage(70000, 0, 9)),
      // A quote and a backslash in a name must come through the report as they are.
      mcuPath(path(QStringLiteral("app \"v2\\rc\".bin"))), flashPath(path("flash.bin")) {
    const bool written =
        writeFile(mcuPath, mcu) && writeFile(flashPath, flash) &&
        writeFile(path("Flash.ini"), "[FLASH]\n" + flashIniLine(0xEF4018, 16 << 20, "W25Q128JV"));
    if (!written) qWarning("BenchRig: cannot write its files in %s", qPrintable(dir.path()));
}

SimDevice *BenchRig::plug(int i, const std::function<void(SimConfig &)> &tune) {
    SimConfig config; // a KQ31B with a 16 MiB W25Q128 (0xEF4018)
    config.linkPath = link(i);
    if (tune) tune(config);
    auto sim = std::make_unique<SimDevice>(config);
    if (!sim->start()) {
        qWarning("BenchRig: board %d: %s", i, qPrintable(sim->errorString()));
        return nullptr;
    }
    boards[i] = std::move(sim);
    return boards[i].get();
}

int BenchRig::framesReceived(int i, const QString &name) const {
    int n = 0;
    for (const SimFrame &f : boards.at(i)->received())
        n += f.name == name;
    return n;
}

QString BenchRig::link(int i) const {
    return path(QStringLiteral("kq%1").arg(i));
}

QString BenchRig::map(int count) const {
    QString map = QStringLiteral("\\Device\\Serial0=/dev/null");
    for (int i = 0; i < count; ++i)
        map +=
            QStringLiteral(";\\Device\\USBSER%1=%2").arg(i, 3, 10, QLatin1Char('0')).arg(link(i));
    return map;
}

QList<QJsonObject> BenchRig::report() const {
    QList<QJsonObject> records;
    QFile file(reportPath());
    if (!file.open(QIODevice::ReadOnly)) return records;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty()) continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        if (!doc.isObject())
            QTest::qFail(qPrintable("not a JSON object: " + line), __FILE__, __LINE__);
        records.append(doc.object());
    }
    return records;
}

int BenchRig::reportLines() const {
    QFile file(reportPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
}
