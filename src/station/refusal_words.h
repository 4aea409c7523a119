#pragma once

#include <QString>
#include <QStringList>

// The refusals of the layers below the station that tessara-cli shares (the line's options, its
// hooks and broker, station.conf, a release pin, a bundle and its check of the chip, Flash.ini),
// written in English there, in the operator's
// language: a refusal the station knows is said again in its own words, a part that is itself a
// refusal too (the reason after "--before-board CMD:"); one it does not know stays as it is.
QString Station_RefusalWords(const QString &refusal);
// The English wordings known, in the order they are tried.
QStringList Station_RefusalWordings();
