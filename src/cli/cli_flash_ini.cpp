#include "cli/cli_flash_ini.h"

#include "flash/flash_ini_search.h"

#include <QFile>

QString FlashIni_LogLine(const QString &chosen) {
    const FlashIniPlaces places = FlashIni_Places(chosen);
    const QString path = Flash_IniPath(places);
    QString line = path.isEmpty() ? QStringLiteral("Flash.ini: none found in ") +
                                        Flash_IniCandidates(places).join(QStringLiteral(", "))
                                  : QStringLiteral("Flash.ini: ") + path;
    if (!chosen.isEmpty() && path != chosen)
        line += QStringLiteral(" (--flash-ini \"%1\" does not exist)").arg(chosen);
    return line;
}

QString FlashIni_Problem(const QString &chosen) {
    const QString path = Flash_IniPath(FlashIni_Places(chosen));
    QFile file(path);
    QString reason;
    if (path.isEmpty() || FlashIni_Open(file, reason)) return QString();
    return FlashIni_Unreadable(path, reason);
}
