#pragma once

#include "protocol/observer.h"

#include <QCoreApplication>

// The link and Qt's file access want an application object.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}
