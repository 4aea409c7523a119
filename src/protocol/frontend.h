#pragma once

#include <QString>

// The stages of an operation that the progress bar measures, in the order a run goes through
// them.
enum class ProgressPhase {
    LoaderDownload, // the KQ580 flash-mode loader
    McuErase,
    McuWrite,
    McuCrcCheck,
    FlashErase, // the whole chip
    FlashWrite,
    FlashCrcCheck,
};

// What the device operations need from whoever drives them: the operator's window, the terminal
// front end or a test recorder. The operations know nothing of widgets; this is their only way to
// the operator.
class Frontend {
  public:
    virtual ~Frontend() = default;

    // The log panel: one line per call (an empty text is an empty line), and clearing it.
    virtual void logLine(const QString &text) = 0;
    virtual void clearLog() = 0;
    // A modal "Message" box with the text; returns when the operator has answered it.
    virtual void showMessage(const QString &text) = 0;
    virtual void setProgress(int percent) = 0;
    // The progress that follows measures `phase`, from 0 %. Named where the phase starts, after
    // its opening log lines; a front end may show it or ignore it (the window's bar does).
    virtual void setProgressPhase(ProgressPhase phase) { (void)phase; }
    // The action buttons as a group (the window applies the KQ580 boot-type rules).
    virtual void setButtonsEnabled(bool enable) = 0;
    // "Update All" alone, around a combined update.
    virtual void setUpdateAllEnabled(bool enable) = 0;

    // What the identification and image reading show.
    virtual void showModelName(const QString &name) = 0;
    virtual void showFlashPart(const QString &id, const QString &size, const QString &name) = 0;
    virtual void showMcuImageLabel(const QString &text) = 0;
    virtual void showFlashImageLabel(const QString &text) = 0;

    // The operator's choices.
    virtual bool eraseWholeChecked() const = 0;
    virtual bool nandFlashChecked() const = 0;
    virtual QString mcuImagePath() const = 0;
    virtual QString flashImagePath() const = 0;
    virtual bool exitRequested() const = 0;
};
