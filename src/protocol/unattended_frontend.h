#pragma once

#include "protocol/frontend.h"

#include <QStringList>

// A front end with nobody in front of it, for scripted runs (the benchmark, the fuzz targets):
// keeps the log and the messages so the caller can tell the outcome, shows nothing, answers
// "no" to every choice and takes the image paths from its fields.
class UnattendedFrontend : public Frontend {
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
