#pragma once

#include "ledger/ledger.h"

#include <QString>
#include <memory>

// The two databases a ledger lives in, as Open_Ledger picks them.
std::unique_ptr<Ledger> Open_SqliteLedger(const QString &path, QString &reason);
std::unique_ptr<Ledger> Open_PostgresLedger(const QString &url, QString &reason);
