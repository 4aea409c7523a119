#pragma once

#include "protocol/frontend.h"

#include <QStringList>

// A silent operator: keeps the log (to tell success from failure) and the messages.
class BenchFrontend : public Frontend {
  public:
    QStringList log, messages;
    QString mcuPath, flashPath;

    void logLine(const QString &text) override { log.append(text); }
    void clearLog() override { log.clear(); }
    void showMessage(const QString &text) override { messages.append(text); }
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
