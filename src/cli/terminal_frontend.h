#pragma once

#include "cli/journal_stream.h"
#include "protocol/frontend.h"

#include <QSet>
#include <QString>
#include <cstdio>
#include <optional>

// Writes `text` and a line end to `stream` at once, in the locale's encoding; when the stream is
// the systemd journal's, with its priority in front.
void Print_Line(FILE *stream, const QString &text,
                LinePriority priority = LinePriority::Information);

// The operations' front end on a terminal: log lines on stdout exactly as the window's log panel
// shows them, message-box texts on stderr, and a progress bar on stderr when it is a terminal.
// The bar names its phase and stays on the bottom line only while nothing else is printed: a
// line erases it, so that no bar is left among the lines or after the last one.
// The check boxes and image paths come from the command line; Exit is an interrupt (Ctrl-C,
// cli/interrupt.h).
class TerminalFrontend : public Frontend {
  public:
    struct Choices {
        bool quiet = false;
        bool eraseWhole = false;
        bool nandFlash = false;
        QString mcuImage;
        QString flashImage;
        bool eachLineOnce = false; // a log line already printed is not printed again
    };

    TerminalFrontend(const Choices &choices, FILE *out, FILE *err, bool progressBar);
    ~TerminalFrontend() override;

    void logLine(const QString &text) override;
    void clearLog() override {}
    void showMessage(const QString &text) override;
    void setProgress(int percent) override;
    void setProgressPhase(ProgressPhase phase) override;
    void setButtonsEnabled(bool) override {}
    void setUpdateAllEnabled(bool) override {}

    void showModelName(const QString &name) override;
    void showFlashPart(const QString &id, const QString &size, const QString &name) override;
    void showMcuImageLabel(const QString &text) override;
    void showFlashImageLabel(const QString &text) override;

    bool eraseWholeChecked() const override { return choices.eraseWhole; }
    bool nandFlashChecked() const override { return choices.nandFlash; }
    QString mcuImagePath() const override { return choices.mcuImage; }
    QString flashImagePath() const override { return choices.flashImage; }
    bool exitRequested() const override;

    // The last model name the identification showed (empty before any).
    QString modelName() const { return lastModelName; }
    // The run is over: the bar, if shown, is erased (the destructor does it too).
    void endProgress();

  protected:
    // Where the lines go: a log line (unless quiet) and a message-box text.
    virtual void printLog(const QString &text);
    virtual void printMessage(const QString &text);

  private:
    void print(FILE *stream, const QString &text, LinePriority priority);
    void drawBar();

    Choices choices;
    FILE *out;
    FILE *err;
    bool progressBar;
    std::optional<ProgressPhase> phase; // the last one named
    int percent = 0;
    bool barShown = false;
    QString lastModelName;
    QSet<QString> printed; // with eachLineOnce
};
