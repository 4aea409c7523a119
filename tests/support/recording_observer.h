#pragma once

#include "protocol/observer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// An observer for operation tests: records what the operator would have been shown (the facts
// as the window's fields would show them) and stops when told to.
class RecordingObserver : public Observer {
  public:
    // Recorded output.
    QStringList log;             // every logLine, in order; clearLog() empties it
    QStringList messages;        // every message text
    QList<int> percents;         // every progress value
    QList<ProgressPhase> phases; // every phaseStarted value
    QString modelName;
    QString flashId, flashSize, flashName; // as the window's fields show the part last read
    QString mcuLabel, flashLabel;          // as the window's labels show the images last read
    int clears = 0;

    // The stop token: set, or asked of `stopWhen` at every look.
    bool exitFlag = false;
    std::function<bool()> stopWhen;
    // Called on every message, e.g. to ask for a stop from inside an operation.
    std::function<void(const QString &)> onMessage;

    void logLine(const QString &text) override { log.append(text); }
    void clearLog() override {
        log.clear();
        ++clears;
    }
    void message(const QString &text) override {
        messages.append(text);
        if (onMessage) onMessage(text);
    }
    void progress(int percent) override { percents.append(percent); }
    void phaseStarted(ProgressPhase phase) override { phases.append(phase); }
    bool stopRequested() const override { return exitFlag || (stopWhen && stopWhen()); }
    void chipIdentified(const QString &name) override { modelName = name; }
    void flashPartRead(const FlashPartFacts &part) override;
    void imageRead(ImageRole role, uint32_t crc, int32_t length) override;
};
