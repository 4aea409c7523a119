#include "ledger/ledger.h"

#include "ledger/ledger_kinds.h"

#include <QStandardPaths>

std::unique_ptr<Ledger> Open_Ledger(const QString &where, QString &reason) {
    if (where.startsWith(QLatin1String("postgresql://")) ||
        where.startsWith(QLatin1String("postgres://")))
        return Open_PostgresLedger(where, reason);
    if (where.isEmpty()) {
        reason = QStringLiteral("no ledger named");
        return nullptr;
    }
    return Open_SqliteLedger(where, reason);
}

QString Ledger_DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tessara/ledger.sqlite");
}
