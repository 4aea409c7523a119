#pragma once

#include "protocol/frontend.h"
#include "serial/serial_link.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// One connected chip as the operations see it: the link, the operator's front end, the
// identified chip, the images and the flash part. The window and tessara-cli each own one.
struct DeviceSession {
    DeviceSession(SerialLink &serialLink, Frontend &frontend) : link(serialLink), ui(frontend) {}

    SerialLink &link;
    Frontend &ui;

    // The chip, as the last handshake or device-information request identified it.
    uint32_t modelCode = 0;
    uint32_t bootVersion = 0;
    int bootKind = 0; // 1 ordinary boot loader, 2 boot-update loader, -1 not yet known
    int bootType = 0; // KQ580: 1 MCU-update boot loader, otherwise flash-update boot loader
    int packetDelayUs = 125;

    // Operator settings.
    int blSet = 0;
    QString flashIniPath; // a Flash.ini the operator named; searched first, used when it exists
    // The flash update writes only the blocks whose CRC on the device differs from the image.
    bool onlyChanged = false;
    // The flash check also names the address ranges that differ from the image.
    bool listDifferences = false;

    // MCU image: as the last Input or update left it.
    QString mcuFilePath = QStringLiteral("./");
    int32_t mcuLen = 0;
    uint32_t mcuCrc = 0;
    uint32_t enterAddr = 0;

    // Flash image.
    QString flashCodePath = QStringLiteral("./");
    int32_t flashCodeLen = 0;
    uint32_t flashCodeCrc = 0;

    // The image being written; held only for the duration of one update.
    QByteArray imageBuf;

    // External flash part.
    uint32_t flashId = 0;
    int32_t flashSize = 0;
    QString flashName;
    int flashAddrMode = 0;

    // An operation or port scan is running; hot-plug handling waits while it is set.
    int busy = 0;

    // Why the operation failed, in words, for reports and summaries; empty when nobody said.
    // The first reason recorded stands: it comes from where the failure was found. Whoever
    // wants an operation's reason clears it before starting the operation.
    QString failure;
    // Records `why` unless a reason stands already; returns `result`.
    int fail(int result, const QString &why) {
        if (failure.isEmpty()) failure = why;
        return result;
    }

    bool exitRequested() const { return ui.exitRequested(); }
};
