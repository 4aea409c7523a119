#include "station/station_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QStringList Station_TranslationDirs() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.filePath(QStringLiteral("../share/tessara/translations"))};
}

bool Install_StationTranslation(QCoreApplication &app, const QLocale &locale,
                                const QStringList &dirs) {
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    for (const QString &dir : dirs) {
        auto *own = new QTranslator(&app);
        if (own->load(locale, QStringLiteral("tessara-station"), QStringLiteral("_"), dir)) {
            app.installTranslator(own);
            return true;
        }
        delete own;
    }
    return false;
}
