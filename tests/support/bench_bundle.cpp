#include "support/bench_bundle.h"

#include "bundle/bundle_maker.h"

#include <QtGlobal>

QByteArray Bench_McuBundle(const BenchRig &bench, const QString &product, const QString &version,
                           const MinisignSecretKey *key, const QStringList &models) {
    BundleRecipe r;
    r.product = product;
    r.version = version;
    r.constraints.models = models;
    r.mcu = bench.mcu;
    QByteArray archive;
    QString reason;
    if (!Make_Bundle(r, key, archive, reason)) qFatal("fixture: %s", qPrintable(reason));
    return archive;
}
