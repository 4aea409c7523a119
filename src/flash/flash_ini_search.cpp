#include "flash/flash_ini_search.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString FileName = QStringLiteral("Flash.ini");

QString inFolder(const QString &dir) {
    return dir.isEmpty() ? QString() : dir + QLatin1Char('/') + FileName;
}

} // namespace

QStringList Flash_IniCandidates(const FlashIniPlaces &places) {
    QStringList candidates;
    for (const QString &path :
         {places.chosen, inFolder(places.currentDir), inFolder(places.userDir),
          inFolder(places.systemDir), inFolder(places.programDir)})
        if (!path.isEmpty()) candidates.append(path);
    return candidates;
}

QString Flash_IniPath(const FlashIniPlaces &places) {
    for (const QString &path : Flash_IniCandidates(places))
        if (QFileInfo::exists(path)) return path;
    return QString();
}

QString User_ConfigDir(const QString &xdgConfigHome, const QString &home) {
    // A relative XDG_CONFIG_HOME is invalid and to be ignored.
    if (QDir::isAbsolutePath(xdgConfigHome)) return xdgConfigHome + QStringLiteral("/tessara");
    if (!home.isEmpty()) return home + QStringLiteral("/.config/tessara");
    return QString();
}

FlashIniPlaces FlashIni_Places(const QString &chosen) {
    FlashIniPlaces places;
    places.chosen = chosen;
    places.currentDir = QDir::currentPath();
#ifdef Q_OS_WIN
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!config.isEmpty()) places.userDir = config + QStringLiteral("/tessara");
#else
    places.userDir =
        User_ConfigDir(qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME"));
    places.systemDir = QStringLiteral(TESSARA_SYSTEM_CONFIG_DIR);
#endif
    places.programDir = QCoreApplication::applicationDirPath();
    return places;
}

bool FlashIni_Open(QFile &file, QString &reason) {
    const QFileInfo info(file.fileName());
    // A device or a pipe could be read forever.
    if (info.isDir())
        reason = QStringLiteral("it is a directory");
    else if (!info.isFile())
        reason = QStringLiteral("it is not a regular file");
    else if (info.size() > FlashIniMaxBytes)
        reason = QStringLiteral("it is larger than %1 bytes").arg(FlashIniMaxBytes);
    else if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        return true;
    else
        reason = file.errorString();
    return false;
}

QString FlashIni_Unreadable(const QString &path, const QString &reason) {
    return QStringLiteral("Cannot read Flash.ini \"%1\": %2").arg(path, reason);
}

QString FlashIni_SearchOrder() {
#ifdef Q_OS_WIN
    const char *user = "tessara\\Flash.ini in the user's local application data folder,\n";
    const char *system = "";
#else
    const char *user =
        "$XDG_CONFIG_HOME/tessara/Flash.ini (default ~/.config/tessara/Flash.ini),\n";
    const char *system = TESSARA_SYSTEM_CONFIG_DIR "/Flash.ini, ";
#endif
    return QStringLiteral(
               "Flash.ini, the list of flash parts, is read afresh from the first of these that\n"
               "exists: the file named by --flash-ini, Flash.ini in the current directory,\n") +
           QLatin1String(user) + QLatin1String(system) +
           QStringLiteral("Flash.ini beside the program.\n");
}
