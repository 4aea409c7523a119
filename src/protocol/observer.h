#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>

// The stages of an operation that a progress bar measures, in the order a run goes through them.
enum class ProgressPhase {
    LoaderDownload, // the KQ580 flash-mode loader
    McuErase,
    McuWrite,
    McuCrcCheck,
    FlashErase, // the whole chip
    FlashWrite,
    FlashCrcCheck,
};

// The external flash part as it was read: its ID, and its capacity and name as Flash.ini lists
// them (0 and empty when it does not).
struct FlashPartFacts {
    uint32_t id = 0;
    bool listed = false;   // a line of Flash.ini names it
    uint64_t capacity = 0; // the product of the two Flash.ini factors, not bounded to 32 bits
    QString name;
};

enum class ImageRole { Mcu, Flash };

// How an operation reaches whoever started it: a window, a terminal, a test recorder. It is all
// the operations know of them: they never ask for a path or a choice and never touch a widget.
// Called on the thread the operation runs on.
class Observer {
  public:
    virtual ~Observer() = default;

    // The log: one line per call (an empty text is an empty line), and clearing it.
    virtual void logLine(const QString &text) = 0;
    virtual void clearLog() {}
    // The progress that follows measures `phase`, from 0 %; then how far it is, 0..100.
    virtual void phaseStarted(ProgressPhase phase) { (void)phase; }
    virtual void progress(int percent) { (void)percent; }
    // A message the operator must see ("Time over!"); returns once it has been seen, so that a
    // window's box holds the operation until it is answered.
    virtual void message(const QString &text) = 0;
    // The stop token: true once the operator asked the operation to stop.
    virtual bool stopRequested() const = 0;

    // Facts as values, at the moment the operation establishes them (a window shows them in its
    // fields, a terminal as lines among the log's). The operations return them as well.
    virtual void chipIdentified(const QString &modelName) { (void)modelName; }
    virtual void flashPartRead(const FlashPartFacts &part) { (void)part; }
    // The board's own values as its record will show them, field by field (never a secret),
    // once they are taken for it.
    virtual void unitValuesTaken(const QList<QPair<QString, QString>> &values) { (void)values; }
    // An image as read for a job (0 and 0: refused, so forgotten).
    virtual void imageRead(ImageRole role, uint32_t crc, int32_t length) {
        (void)role;
        (void)crc;
        (void)length;
    }
};

// An observer with nobody in front of it, for scripted runs (the benchmark, the fuzz targets):
// keeps the log and the messages so the caller can tell the outcome, and never stops.
class UnattendedObserver : public Observer {
  public:
    void logLine(const QString &text) override { log.append(text); }
    void clearLog() override { log = QStringList(); }
    void message(const QString &text) override { messages.append(text); }
    bool stopRequested() const override { return false; }

    QStringList log, messages;
};
