#pragma once

#include "protocol/unattended_frontend.h"

#include <QCoreApplication>

// The operations process events while they wait; they need an application object.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}
