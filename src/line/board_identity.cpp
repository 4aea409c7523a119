#include "line/board_identity.h"

QString Boot_VersionText(const BoardIdentity &board) {
    return board.bootVersion ? QStringLiteral("0x") + QString::number(*board.bootVersion, 16)
                             : QString();
}

QList<ReportField> Board_IdentityFields(const BoardIdentity &board) {
    return {ReportField{"usb_serial", board.usbSerial.isEmpty()
                                          ? std::nullopt
                                          : std::optional<QString>(board.usbSerial)}};
}

void Take_BundleFields(BoardIdentity &board, const QList<ReportField> &recordFields) {
    for (const ReportField &field : recordFields) {
        if (field.name == "bundle_sha256") board.bundleSha256 = field.text.value_or(QString());
        if (field.name == "version") board.bundleVersion = field.text.value_or(QString());
    }
}
