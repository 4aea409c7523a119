#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// What goes into a bundle is checked as an update checks what it writes, so that a bundle never
// carries an image that its chips would refuse.

// Why the MCU update of `model` would refuse `image` (in image order, without a packaged
// image's trailer); empty when it would write it.
QString Mcu_ImageRefusal(const QByteArray &image, uint32_t model);
// Why a flash image cannot go into a bundle; empty when it can.
QString Flash_ImageRefusal(const QByteArray &image);

// Reads an MCU image file as the update reads it: a ".bin" file as it is, any other name as a
// packaged image, put in order and its trailer checked and removed.
bool Read_BundleMcuImage(const QString &path, QByteArray &image, QString &reason);
// Reads a flash image file (raw bytes).
bool Read_BundleFlashImage(const QString &path, QByteArray &image, QString &reason);
