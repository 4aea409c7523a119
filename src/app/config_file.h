#pragma once

#include <QString>

// config.ini in the current directory (not beside the executable).
QString Config_Path();

// Reads the file's text in the locale's encoding. False when it cannot be opened.
bool Read_ConfigText(const QString &path, QString *text);

// Replaces the file with `text` in the locale's encoding. The text goes to a temporary file
// first, so a write that fails part-way leaves the old file as it was. False on any failure.
bool Write_ConfigText(const QString &path, const QString &text);
