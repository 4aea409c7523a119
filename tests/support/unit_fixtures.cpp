#include "support/unit_fixtures.h"

#include "ledger/sql_ledger.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>

QByteArray Edid_Block(bool serialDescriptor) {
    QByteArray block(128, '\0');
    const char header[] = "\x00\xFF\xFF\xFF\xFF\xFF\xFF\x00";
    block.replace(0, 8, QByteArray(header, 8));
    block[8] = 0x10; // a maker ID and product code, anything but zero
    block[10] = 0x34;
    block[12] = 0x11; // an old ID serial
    if (serialDescriptor) {
        block[108 + 3] = char(0xFF);
        block.replace(108 + 5, 13, QByteArray("OLD\n         "));
    }
    uint8_t sum = 0;
    for (int i = 0; i < 127; ++i)
        sum = uint8_t(sum + uint8_t(block.at(i)));
    block[127] = char(uint8_t(0x100 - sum));
    return block;
}

QByteArray Unit_Image(int size, int64_t edidAt) {
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + 3) & 0xFF);
    if (edidAt >= 0) image.replace(int(edidAt), 128, Edid_Block());
    return image;
}

QString Usual_UnitData() {
    return QStringLiteral(
        R"([{"name":"serial","kind":"counter","offset":"0x7F00","width":4,"encoding":"u32le",)"
        R"("start":1000,"step":1},{"name":"edid","kind":"edid-serial","offset":"0x7E00",)"
        R"("from":"serial"},{"name":"hdcp","kind":"pool","pool":"hdcp","offset":"0x7D00",)"
        R"("length":16,"secret":true}])");
}

UnitFields Unit_Fields(const QString &json) {
    UnitFields fields;
    QString reason;
    if (!Parse_UnitFields(QJsonDocument::fromJson(json.toUtf8()).array(), fields, reason))
        qWarning("unit_data: %s", qPrintable(reason));
    return fields;
}

LedgerCount Ledger_CountOf(Ledger &ledger, const QString &source) {
    QList<LedgerCount> counts;
    QString reason;
    if (!ledger.status(counts, reason)) qFatal("%s", qPrintable(reason));
    for (const LedgerCount &c : counts)
        if (c.source == source) return c;
    return LedgerCount{source, QString()};
}

bool Ledger_TakenByADeadRun(const QString &path) {
    QProcess gone;
    gone.start(QStringLiteral("true"), QStringList());
    if (!gone.waitForFinished()) return false;
    const QString name = QStringLiteral("dead run");
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery q(db);
        done = db.open() && q.prepare(QStringLiteral("UPDATE unit_values SET owner = ?"));
        q.addBindValue(Ledger_Owner(gone.processId()));
        done = done && q.exec();
        if (!done) qWarning("%s: %s", qPrintable(path), qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}
