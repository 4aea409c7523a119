#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// Where the station's translations are looked for: beside the program (a build tree), then where
// the package puts them.
QStringList Station_TranslationDirs();
// Installs the station's translation for `locale` from the first of `dirs` that has one (and Qt's
// own, for the buttons of its boxes). English, the texts of the source, otherwise. True when the
// station's own was found.
bool Install_StationTranslation(QCoreApplication &app, const QLocale &locale,
                                const QStringList &dirs = Station_TranslationDirs());
