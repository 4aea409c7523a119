#include "ledger/pool_file.h"

namespace {

// A pool value is at most a key or certificate (the fields' own limit).
constexpr int ValueMax = 4096;

bool hexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace

bool Parse_PoolFile(const QByteArray &bytes, int recordSize, QList<QByteArray> &values,
                    QString &reason) {
    values.clear();
    if (bytes.size() > PoolFileMax) {
        reason = QStringLiteral("the pool file is larger than %1 bytes").arg(PoolFileMax);
        return false;
    }
    if (recordSize > 0) {
        if (recordSize > ValueMax || bytes.isEmpty() || bytes.size() % recordSize != 0) {
            reason = QStringLiteral("the pool file is not a whole number of %1-byte records (it "
                                    "is %2 bytes; a record is at most %3)")
                         .arg(recordSize)
                         .arg(bytes.size())
                         .arg(ValueMax);
            return false;
        }
        for (int at = 0; at < bytes.size(); at += recordSize)
            values.append(bytes.mid(at, recordSize));
        return true;
    }
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty()) continue;
        bool hex = line.size() % 2 == 0 && line.size() <= 2 * ValueMax;
        for (int c = 0; hex && c < line.size(); ++c)
            hex = hexDigit(line.at(c));
        if (!hex) {
            values.clear();
            reason = QStringLiteral("line %1 is not a value in hex digits (an even number of them, "
                                    "at most %2)")
                         .arg(i + 1)
                         .arg(2 * ValueMax);
            return false;
        }
        values.append(QByteArray::fromHex(line));
    }
    if (values.isEmpty()) {
        reason = QStringLiteral("the pool file holds no value");
        return false;
    }
    return true;
}
