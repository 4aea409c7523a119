#include "bundle/release_pin.h"

namespace {

constexpr int MaxParts = 8;
constexpr int MaxDigits = 9; // below 2^32 whatever the digits

// What this station takes, in words: "product Y from version 2.4".
QString takes(const ReleasePin &pin) {
    QStringList parts;
    if (!pin.product.isEmpty()) parts.append(QStringLiteral("product %1").arg(pin.product));
    if (pin.minVersion) parts.append(QStringLiteral("from version %1").arg(pin.minVersionText));
    return parts.join(QLatin1Char(' '));
}

} // namespace

bool Read_DottedVersion(const QString &text, DottedVersion &version, QString &reason) {
    version.clear();
    const QStringList parts = text.split(QLatin1Char('.'));
    bool digitsOnly = parts.size() <= MaxParts;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > MaxDigits) digitsOnly = false;
        for (const QChar c : part)
            if (c < u'0' || c > u'9') digitsOnly = false;
        if (!digitsOnly) break;
        version.append(part.toUInt());
    }
    if (digitsOnly) return true;
    version.clear();
    reason = QStringLiteral("\"%1\" is not a version of dotted numbers such as 2.4 or 2.10.1")
                 .arg(text.left(40));
    return false;
}

int Compare_Versions(const DottedVersion &a, const DottedVersion &b) {
    for (int i = 0; i < qMax(a.size(), b.size()); ++i) {
        const quint32 x = a.value(i, 0), y = b.value(i, 0);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

bool Read_MinVersion(const QString &text, ReleasePin &pin, QString &reason) {
    DottedVersion version;
    if (!Read_DottedVersion(text, version, reason)) {
        reason = QStringLiteral("--min-version: ") + reason;
        return false;
    }
    pin.minVersion = version;
    pin.minVersionText = text;
    return true;
}

QString Release_PinRefusal(const BundleManifest &m, const ReleasePin &pin) {
    bool refused = !pin.product.isEmpty() && m.product != pin.product;
    QString why;
    if (pin.minVersion) {
        DottedVersion version;
        if (!Read_DottedVersion(m.version, version, why))
            refused = true;
        else if (Compare_Versions(version, *pin.minVersion) < 0)
            refused = true;
    }
    if (!refused) return QString();
    const QString sides = QStringLiteral("bundle is product %1 version %2; this station takes %3")
                              .arg(m.product, m.version, takes(pin));
    return why.isEmpty() ? sides : QStringLiteral("%1 (its version: %2)").arg(sides, why);
}

QString Release_PinRefusesImages(const ReleasePin &pin) {
    if (!pin.isSet()) return QString();
    return QStringLiteral("this station takes %1: only a bundle says its product and version, "
                          "image files say neither")
        .arg(takes(pin));
}
