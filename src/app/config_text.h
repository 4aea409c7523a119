#pragma once

#include <QString>

// The operator's settings as config.ini holds them: six positional lines, the keys before the
// values are written but never read.
struct ConfigValues {
    bool eraseWhole = false;
    bool nandFlash = false;
    QString mcuFilePath;
    QString flashCodePath;
    int blSet = 0;
    int waitIndex = 0;
};

// What a config.ini text sets. A short file sets only its first `linesRead` settings; the
// paths are trimmed, while the line edits show the lines as they were.
struct ConfigRead {
    int linesRead = 0; // 0..6
    ConfigValues values;
    QString mcuPathLine;
    QString flashPathLine;
};

ConfigRead Parse_Config(const QString &text);
QString Format_Config(const ConfigValues &values);
