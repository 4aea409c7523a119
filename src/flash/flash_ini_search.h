#pragma once

#include <QString>
#include <QStringList>

class QFile;

// The folders Flash.ini is looked for in, most particular first. An empty entry is skipped.
struct FlashIniPlaces {
    QString chosen;     // a file the operator named (tessara-cli --flash-ini)
    QString currentDir; // where the window has always looked
    QString userDir;    // the user's configuration folder for Tessara
    QString systemDir;  // the system-wide one (/etc/tessara)
    QString programDir; // beside the program: a build tree, or Windows
};

// Every file the search considers, in order.
QStringList Flash_IniCandidates(const FlashIniPlaces &places);

// The first candidate that exists, file or not: something in the way of a readable Flash.ini is
// reported, never passed over. Empty when none exists.
QString Flash_IniPath(const FlashIniPlaces &places);

// Tessara's folder in the user's configuration folder: $XDG_CONFIG_HOME/tessara when that is an
// absolute path, else $HOME/.config/tessara; empty when neither is known.
QString User_ConfigDir(const QString &xdgConfigHome, const QString &home);

// This process's places: its working directory, environment and program folder.
FlashIniPlaces FlashIni_Places(const QString &chosen);

// A list of flash parts is a few kilobytes; anything this large is something else.
constexpr qint64 FlashIniMaxBytes = 1024 * 1024;

// Opens `file` for reading text; false, with the reason in words, when it is not a regular file
// of at most FlashIniMaxBytes or cannot be read.
bool FlashIni_Open(QFile &file, QString &reason);

// The log line for a Flash.ini that exists but cannot be read.
QString FlashIni_Unreadable(const QString &path, const QString &reason);

// The search order in words, for help texts.
QString FlashIni_SearchOrder();
