#pragma once

#include "bundle/minisign.h"
#include "support/bench_rig.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A release bundle of the bench's MCU image, product `product` version `version`, for `models`,
// signed by `key` (none: unsigned): the archive's bytes. One that cannot be made stops the test.
QByteArray Bench_McuBundle(const BenchRig &bench, const QString &product, const QString &version,
                           const MinisignSecretKey *key = nullptr,
                           const QStringList &models = {QStringLiteral("KQ31B")});
