#pragma once

#include "protocol/frontend.h"

#include <QCoreApplication>

// A front end that answers every question with "no" and forgets what it is shown.
class SilentFrontend : public Frontend {
  public:
    QString mcuPath, flashPath;
    void logLine(const QString &) override {}
    void clearLog() override {}
    void showMessage(const QString &) override {}
    void setProgress(int) override {}
    void setButtonsEnabled(bool) override {}
    void setUpdateAllEnabled(bool) override {}
    void showModelName(const QString &) override {}
    void showFlashPart(const QString &, const QString &, const QString &) override {}
    void showMcuImageLabel(const QString &) override {}
    void showFlashImageLabel(const QString &) override {}
    bool eraseWholeChecked() const override { return false; }
    bool nandFlashChecked() const override { return false; }
    QString mcuImagePath() const override { return mcuPath; }
    QString flashImagePath() const override { return flashPath; }
    bool exitRequested() const override { return false; }
};

// The operations process events while they wait; they need an application object.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}
