#include "cli/cli_flash_ini.h"

#include "flash/flash_ini_search.h"

#include <QFile>

QString Announce_FlashIni(const QString &chosen, Frontend &ui) {
    const FlashIniPlaces places = FlashIni_Places(chosen);
    const QString path = Flash_IniPath(places);
    QString line = path.isEmpty() ? QStringLiteral("Flash.ini: none found in ") +
                                        Flash_IniCandidates(places).join(QStringLiteral(", "))
                                  : QStringLiteral("Flash.ini: ") + path;
    if (!chosen.isEmpty() && path != chosen)
        line += QStringLiteral(" (--flash-ini \"%1\" does not exist)").arg(chosen);
    ui.logLine(line);

    QFile file(path);
    QString reason;
    if (path.isEmpty() || FlashIni_Open(file, reason)) return QString();
    return FlashIni_Unreadable(path, reason);
}
