#include "flash_rig.h"

#include "protocol/crc32.h"

#include <QFile>

namespace {

SimConfig flashConfig(const QString &model, qint64 flashSize, uint32_t id) {
    SimConfig config;
    SimConfig::forModel(model, &config);
    config.flashSize = flashSize;
    config.flashIdAnswers[0].id = id;
    config.flashIdAnswers[1].id = id;
    config.flashEraseMs = 0;
    return config;
}

} // namespace

QByteArray flashIniLine(uint32_t id, qint64 capacity, const QString &name) {
    return QStringLiteral("0x%1,4096,%2,%3,\n")
        .arg(id, 0, 16)
        .arg(capacity / 4096)
        .arg(name)
        .toLatin1();
}

QString lastLogLine(const RecordingObserver &ui) {
    return ui.log.isEmpty() ? QString() : ui.log.last();
}

FlashRig::FlashRig(const QString &model, qint64 flashSize, uint32_t id)
    : s(flashConfig(model, flashSize, id)) {
    dir.write(QStringLiteral("Flash.ini"), "[FLASH]\n" + flashIniLine(id, flashSize, "SimPart"));
    s.identify();
}

QByteArray FlashRig::useImage(int length, int seed) {
    QByteArray image(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        image[i] = char((i * 131 + seed + i / 4093) & 0xFF);
    path = dir.write(QStringLiteral("flash.bin"), image);
    facts = {length, crc32_calc(reinterpret_cast<const uint8_t *>(image.constData()),
                                size_t(image.size()))};
    return image;
}

Result<> FlashRig::update() {
    record = FlashUpdateRecord();
    return UpdateFlash(s.session, *Read_FlashImageFile(path, QString()), request, record);
}

void FlashRig::listPart(uint32_t id, qint64 capacity, const QString &name) {
    QFile file(dir.filePath(QStringLiteral("Flash.ini")));
    if (file.open(QIODevice::Append)) file.write(flashIniLine(id, capacity, name));
}

QStringList FlashRig::names() const {
    QStringList list;
    for (const SimFrame &f : s.sim.received())
        list << f.name;
    return list;
}

QVector<SimFrame> FlashRig::frames(const QString &name) const {
    QVector<SimFrame> list;
    for (const SimFrame &f : s.sim.received())
        if (f.name == name) list << f;
    return list;
}
