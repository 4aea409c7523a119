#include "protocol/busy_mark.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QList>
#include <QSaveFile>

namespace {

// A mark is one short line; anything longer is not one of ours.
constexpr qint64 MarkTextLimit = 128;

QString markPath(const QString &portName) {
    // One file per port; the name is hashed so that any port name makes a plain file name.
    const QByteArray key = QCryptographicHash::hash(portName.toUtf8(), QCryptographicHash::Sha1);
    return BusyMark_Directory() + QStringLiteral("/") + QString::fromLatin1(key.toHex());
}

} // namespace

QString BusyMark_Directory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return (runtime.isEmpty() ? QDir::tempPath() : runtime) + QStringLiteral("/tessara-busy");
}

QByteArray BusyMark_Text(const BusyMark &mark) {
    return QByteArray::number(mark.letter) + ' ' + QByteArray::number(mark.modelCode) + ' ' +
           QByteArray::number(mark.untilMs) + '\n';
}

std::optional<BusyMark> Parse_BusyMark(const QByteArray &text) {
    if (text.size() > MarkTextLimit || !text.endsWith('\n')) return std::nullopt;
    const QList<QByteArray> fields = text.trimmed().split(' ');
    if (fields.size() != 3) return std::nullopt;
    bool letterOk = false, codeOk = false, untilOk = false;
    const uint letter = fields[0].toUInt(&letterOk);
    const uint code = fields[1].toUInt(&codeOk);
    const qint64 until = fields[2].toLongLong(&untilOk);
    if (!letterOk || !codeOk || !untilOk || letter == 0 || letter > 0xFF || until <= 0)
        return std::nullopt;
    return BusyMark{uint8_t(letter), code, until};
}

void Save_BusyMark(const QString &portName, const BusyMark &mark) {
    if (!QDir().mkpath(BusyMark_Directory())) return;
    QSaveFile file(markPath(portName));
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(BusyMark_Text(mark));
    file.commit();
}

std::optional<BusyMark> Read_BusyMark(const QString &portName) {
    QFile file(markPath(portName));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return Parse_BusyMark(file.read(MarkTextLimit + 1));
}

void Clear_BusyMark(const QString &portName) {
    QFile::remove(markPath(portName));
}
