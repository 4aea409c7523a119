#pragma once

#include "protocol/frontend.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A Frontend for operation tests: records what the operator would have been shown and answers
// the operator's choices from its public fields.
class RecordingFrontend : public Frontend {
  public:
    // Recorded output.
    QStringList log;             // every logLine, in order; clearLog() empties it
    QStringList messages;        // every showMessage text
    QList<int> progress;         // every setProgress value
    QList<ProgressPhase> phases; // every setProgressPhase value
    QList<bool> buttonStates;    // every setButtonsEnabled argument
    QList<bool> updateAllStates;
    QString modelName;
    QString flashId, flashSize, flashName;
    QString mcuLabel, flashLabel;
    int clears = 0;

    // The operator's choices.
    bool eraseWhole = false;
    bool nandFlash = false;
    QString mcuPath;
    QString flashPath;
    bool exitFlag = false;
    // Called on every showMessage, e.g. to press Exit from inside an operation.
    std::function<void(const QString &)> onMessage;

    void logLine(const QString &text) override { log.append(text); }
    void clearLog() override {
        log.clear();
        ++clears;
    }
    void showMessage(const QString &text) override {
        messages.append(text);
        if (onMessage) onMessage(text);
    }
    void setProgress(int percent) override { progress.append(percent); }
    void setProgressPhase(ProgressPhase phase) override { phases.append(phase); }
    void setButtonsEnabled(bool enable) override { buttonStates.append(enable); }
    void setUpdateAllEnabled(bool enable) override { updateAllStates.append(enable); }
    void showModelName(const QString &name) override { modelName = name; }
    void showFlashPart(const QString &id, const QString &size, const QString &name) override {
        flashId = id;
        flashSize = size;
        flashName = name;
    }
    void showMcuImageLabel(const QString &text) override { mcuLabel = text; }
    void showFlashImageLabel(const QString &text) override { flashLabel = text; }
    bool eraseWholeChecked() const override { return eraseWhole; }
    bool nandFlashChecked() const override { return nandFlash; }
    QString mcuImagePath() const override { return mcuPath; }
    QString flashImagePath() const override { return flashPath; }
    bool exitRequested() const override { return exitFlag; }
};
