#include "serial/port_info.h"

#include <QSerialPortInfo>

namespace {

constexpr int MaxShownText = 64;

// A device text as it may be shown: printable, without quotes, bounded.
QString shown(const QString &text) {
    QString clean = text.left(MaxShownText);
    for (QChar &c : clean)
        if (!c.isPrint() || c == QLatin1Char('"')) c = QLatin1Char('?');
    if (text.size() > MaxShownText) clean += QStringLiteral("...");
    return clean;
}

} // namespace

QList<PortIdentity> System_PortIdentities() {
    QList<PortIdentity> identities;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        PortIdentity id;
        id.portName = info.portName();
        id.location = info.systemLocation();
        id.hasUsbIds = info.hasVendorIdentifier() && info.hasProductIdentifier();
        id.vendorId = info.vendorIdentifier();
        id.productId = info.productIdentifier();
        id.serialNumber = info.serialNumber();
        id.manufacturer = info.manufacturer();
        id.product = info.description();
        identities.append(id);
    }
    return identities;
}

const PortIdentity *Find_PortIdentity(const QList<PortIdentity> &identities,
                                      const QString &portName) {
    for (const PortIdentity &id : identities)
        if (id.portName == portName || id.location == portName) return &id;
    return nullptr;
}

QString Describe_UsbIdentity(const PortIdentity &id) {
    QStringList parts;
    if (id.hasUsbIds)
        parts << QString::asprintf("usb=%04x:%04x", unsigned(id.vendorId), unsigned(id.productId));
    const struct {
        const char *key;
        const QString &text;
    } texts[] = {
        {"serial", id.serialNumber}, {"manufacturer", id.manufacturer}, {"product", id.product}};
    for (const auto &t : texts)
        if (!t.text.isEmpty())
            parts << QStringLiteral("%1=\"%2\"").arg(QLatin1String(t.key), shown(t.text));
    return parts.join(QLatin1Char(' '));
}
