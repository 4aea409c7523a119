#include "support/mcu_rig.h"

#include "mcu/mcu_update.h"
#include "protocol/bytes.h"
#include "protocol/crc32.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

uint32_t imageCrc(const QByteArray &bytes) {
    return crc32_calc(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

QByteArray mcuImage(int length, uint32_t runAddress, quint32 seed) {
    QRandomGenerator rng(seed + quint32(length));
    QByteArray b(length, '\0');
    for (char &c : b)
        c = char(rng.generate());
    if (runAddress && length >= 8) Put_Le32(reinterpret_cast<uint8_t *>(b.data()) + 4, runAddress);
    return b;
}

QByteArray packagedImage(const QByteArray &image, uint32_t trailer) {
    QByteArray ordered = image;
    ordered.resize(image.size() + 4);
    Put_Le32(reinterpret_cast<uint8_t *>(ordered.data()) + image.size(), trailer);
    if (ordered.size() <= 23552) return ordered;
    return ordered.left(800) + ordered.mid(1312) + ordered.mid(800, 512);
}

QStringList comparableLog(const QStringList &log) {
    static const QRegularExpression time(QStringLiteral("^Timer:\\d+:\\d+:\\d+$"));
    QStringList out;
    for (const QString &line : log)
        out << (time.match(line).hasMatch()      ? QStringLiteral("Timer")
                : line.contains("Boot_Version:") ? QStringLiteral("Version")
                                                 : line);
    return out;
}

McuRig::McuRig(const QString &model) : chip(model) {
    chip.identify();
}

void McuRig::useImage(const QByteArray &bytes, const QString &name) {
    path = dir.write(name, bytes);
}

Result<> McuRig::update() {
    return Update_Mcu(chip.session, *Read_McuImageFile(path), blSet, facts);
}

void McuRig::verifyEnding(bool ok) const {
    const QStringList &log = chip.ui.log;
    QVERIFY(log.size() >= 2);
    QCOMPARE(log.mid(log.size() - 2),
             (QStringList{QString(), ok ? "Update MCU is OK!!!!!!" : "Update MCU is fail....."}));
}
