#pragma once

#include "sim/sim_device.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>

// How many frames named one of `names` the board received ("J": an MCU write, ...).
int Frames_Named(const SimDevice &board, const QStringList &names);

// A production bench for the gang and watch tests: simulated KQ31Bs plugged in on links
// dir/kq<i>, and a directory with Flash.ini (listing their W25Q128JV), an MCU image (run address
// 0x0800A000), a flash image and the report.
class BenchRig {
  public:
    BenchRig();

    // Plugs board `i` in: a new chip on link(i), its configuration adjusted by `tune`. Null when
    // it could not start.
    SimDevice *plug(int i, const std::function<void(SimConfig &)> &tune = {});
    SimDevice &board(int i) { return *boards.at(i); }
    // How many frames named `name` ("h", "K", ...) board `i` has received so far.
    int framesReceived(int i, const QString &name) const;
    QString link(int i) const;
    // TESSARA_SERIALCOMM: chip ports for boards 0..count-1 and a port that is no chip's.
    QString map(int count) const;

    QString path(const QString &name) const { return dir.filePath(name); }
    QString reportPath() const { return path(QStringLiteral("report.jsonl")); }
    // The report's records, in order; a line that is not a JSON object fails the test.
    QList<QJsonObject> report() const;
    int reportLines() const;

    QTemporaryDir dir;
    QByteArray mcu, flash;
    QString mcuPath, flashPath;

  private:
    std::map<int, std::unique_ptr<SimDevice>> boards;
};
