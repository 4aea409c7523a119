#pragma once

#include "jobs/board_report.h"
#include "jobs/board_watch.h"
#include "line/board_lifecycle.h"
#include "line/line_station.h"
#include "serial/port_info.h"
#include "station/operator_words.h"
#include "station/recipe.h"
#include "station/scanned_text.h"
#include "station/shift_dialog.h"
#include "station/slot_names.h"
#include "station/slot_tile.h"
#include "station/station_audit.h"
#include "station/station_history.h"
#include "station/yield_counters.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <map>
#include <memory>

class QScrollArea;
class ScanBar;
class TileGrid;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The operator's station: one tile per place of the fixture, every board updated with the locked
// recipe on a board thread of its own (the watch of tessara-cli), a record of the report for
// each, and the counters.
class StationWindow : public QMainWindow {
    Q_OBJECT

  public:
    struct Setup {
        Recipe recipe;
        SlotNames names;
        bool manual = false; // boards wait for Start
        int maxParallel = 0; // 0: all
        // The report's records (opened by the caller); every board ends in one.
        BoardReport *report = nullptr;
        QStringList trust; // the keys a bundle opened in the window may be signed with
        ReleasePin pin;    // the product and lowest release a recipe may be
        // The models the station takes (--model); a bundle opened in the window is limited to
        // them too. None: a bundle's own.
        QStringList models;
        // The ports to watch as they are now; default: every chip port of the serial-port map.
        std::function<QStringList()> ports;
        RetryPolicy retry = RetryPolicy::Ask;
        // The USB serial number of the port's device, which tells one board from the next;
        // default: the system's port listing. Empty: none or not known.
        std::function<QString(const QString &port)> usbSerialOf;
        // The supervisor's password hash (station.conf); empty: none is set, and what needs the
        // supervisor is refused.
        QString supervisorHash;
        // Asks for the supervisor's password, saying what for; none: cancelled. Default: a
        // password dialog.
        std::function<std::optional<QString>(const QString &what)> askSupervisor;
        // Asks for a file to open, by its title; empty: cancelled. Default: a file dialog.
        std::function<QString(const QString &title)> chooseFile;
        // This station's name in its records; the report's records of it are its history.
        QString station;
        // Where what is done at the station is recorded; none: nowhere.
        StationAudit *audit = nullptr;
        // What the production line hears of the boards (events, hooks, the broker), started by
        // the caller, and outliving the window (its overview asks the window's counters); none:
        // nothing.
        LineStation *line = nullptr;
        // Who works the station and on what (every record carries it); the counters are the
        // lot's.
        Shift shift;
        ScanPolicy scan = ScanPolicy::Off;
        // The ledger the boards of a bundle take their own values from (serial numbers, keys);
        // none: such a bundle is refused as a recipe.
        StationLedger *ledger = nullptr;
        // Asks for the next shift, the one now filled in; none: cancelled. Default: a dialog.
        std::function<std::optional<Shift>(const Shift &now)> askShift;
    };
    explicit StationWindow(Setup setup, QWidget *parent = nullptr);
    ~StationWindow() override;

    // Runs every waiting board (manual mode, or after Stop).
    void startWaiting();
    // Stops the boards running as Ctrl-C does (an MCU write ends first); none starts until Start.
    void stopBoards();
    // Stops the boards running safely and closes once they have ended, without asking (a
    // shutdown, a signal).
    void stopAndClose();
    // The operator has seen the result of the slot named `name`: a PASS is cleared; a FAIL whose
    // board is in the slot is run again (unless the retry policy is never), else cleared.
    void acknowledge(const QString &name);
    void acknowledgeAll();
    // Clears the FAIL of the slot named `name` without running its board again: the supervisor's.
    void forceClear(const QString &name);
    // Sets the counters to zero, once confirmed, by the supervisor.
    void resetCounters();
    // Changes the recipe; refused (false) while a board runs.
    bool setRecipe(const Recipe &recipe);
    int running() const { return watch.running(); }
    // Asks for the next shift (refused while boards run) and starts it.
    void newShift();

  protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Slot {
        SlotId id;
        SlotTile *tile = nullptr;
        QString port; // the port of the board in it; empty: none
        SlotState state = SlotState::Waiting;
        bool started = false; // Start was pressed for the board waiting in it
        // A PASS or FAIL stays until the operator acknowledges it or the next board is seated.
        bool latched = false;
        bool kept = false; // the board in it waits for the acknowledgement (BoardWatch::keep)
        QString boardId;   // the USB serial of the board the tile is of; empty: not known
        int attempt = 0;   // runs of that board
        bool lastPassed = false;
        bool counted = false;    // the board is in the counters (since their last reset)
        bool spent = false;      // the board in it has had its run; only the next board runs
        bool restored = false;   // its result is from the report, before a restart
        bool unrecorded = false; // the record of its run could not be written
        QString notice;          // why the operator's last key did nothing
        // The serial scanned for the board in it, or for the next one seated; empty: none.
        QString serial;
        // What waits for the serial (--scan required): nothing, the board seated to start,
        // or the failed board in it to run again.
        enum class OnSerial { Nothing, Release, RunAgain } onSerial = OnSerial::Nothing;
        std::optional<ProgressPhase> lastPhase;
        QString model, phase;
        bool showPending = false; // its progress moved on since the tile last showed it
        QString values;           // the board's own values (never a secret), once taken
        QElapsedTimer clock;      // of the run
        double seconds = -1;      // of the run that ended
        OperatorWords words;
        QStringList log;
        QPointer<QPlainTextEdit> logView;
    };

    Slot &slotOf(const QString &port);
    Slot *slotWithPort(const QString &port);
    Slot &addSlot(const SlotId &id);
    void arrived(const QString &port);
    void started(BoardThread *board);
    void ended(BoardThread *board, const JobResult &result);
    void gone(const QString &port);
    void newBoard(Slot &slot, const QString &boardId);
    void clearShown(Slot &slot);
    Slot *slotNamed(const QString &name);
    QString usbSerialOf(const QString &port);
    void appendLog(Slot &slot, const QString &line);
    void showSlot(Slot &slot);
    // Shows the slot's progress with the next batch: a percent a screen can follow, not every one.
    void showSoon(Slot &slot);
    void showCounters();
    void showRecipe();
    void showLog(Slot &slot);
    bool mayChangeRecipe();
    bool supervisorAllows(const QString &what);
    // false when the audit log did not take the line (the banner says so).
    bool audit(const QString &event, const QString &who, const QJsonObject &details = {});
    StationOptions recipeOptions() const;
    // What each record of the board in `slot` adds to the run's own; `passed`: how its run ended.
    QList<ReportField> recordFields(const Slot &slot, bool passed) const;
    BoardIdentity identityOf(const Slot &slot, const QString &port) const;
    void reportFailed();
    // Before the first board, and whenever the recipe or the shift changes: no board starts
    // while its record could not be kept. `audited`: the audit log took the line of the moment.
    void checkRecords(bool audited);
    // A board was refused because a counter or pool has no value left: no board starts until
    // the recipe changes or the supervisor lets them (once more values are imported).
    void valuesRanOut(const Slot &slot, const JobResult &result);
    // What the tile shows of the board's own values: the fields that are not secret.
    QString shownValues(const QList<QPair<QString, QString>> &values) const;
    void takeRecipe(const StationOptions &options);
    QString chooseFile(const QString &title, const QString &filter);
    void openRecipe();
    void changeRecipe();
    void updateButtons();
    // The record's fields of who did what to which board.
    QList<ReportField> boardFields(const Slot &slot) const;
    // The operator's ID in the audit log ("operator" when none was given).
    QString operatorName() const;
    // false when the audit log did not take the shift's start.
    bool startShift(const Shift &shift);
    StationHistory readHistory() const;
    // --scan required and no serial yet: keeps the board from running until one is scanned,
    // then does `then`; false when it may run now.
    bool heldForSerial(Slot &slot, Slot::OnSerial then);
    void letRun(Slot &slot, Slot::OnSerial how);
    void scanned(const QString &line);
    void refuseScan(Slot *slot, const QString &why);
    Slot *selectedSlot();
    void select(const QString &key);
    void selectNextWithoutSerial();
    void step(const QString &from, int key);
    void typedOn(const QString &key, const QString &text);

    Setup setup;
    std::unique_ptr<LineStation> ownLine; // when the caller gave none
    LineStation &lineStation;
    BoardReport noReport; // when the caller gave none: nothing is written
    BoardLifecycle lifecycle;
    BoardWatch watch;
    std::map<QString, Slot> places;                 // by key
    QStringList order;                              // the slots' keys as the grid shows them
    QString selectedKey;                            // the slot a scanned serial goes to
    QSet<QString> passedSerials;                    // passed with the recipe of now
    std::map<QString, BoardThread *> runningBoards; // by port
    // How the boards ran with this recipe before a restart; looked at on the first look only.
    QHash<QString, LastRun> runBefore;
    bool firstLook = true;
    int stationRecords = 0; // this station's records in the report
    YieldCounters counters;
    TileGrid *grid = nullptr;
    QScrollArea *gridView = nullptr;
    QLabel *recipeLabel = nullptr, *countersLabel = nullptr, *problemLabel = nullptr;
    QPushButton *startButton = nullptr, *stopButton = nullptr;
    QLabel *shiftLabel = nullptr;
    ScanBar *scanBar = nullptr; // none: --scan off
    QTimer clock;
    QTimer progressShown;                           // the batch of tiles whose progress moved on
    std::optional<QList<PortIdentity>> portListing; // the system's, in this pass of the event loop
    bool held = false;                              // boards wait for Start
    bool closing = false; // the window closes once the boards have stopped
    // A record could not be written: no board starts again in this run of the station.
    bool reportLost = false;
    bool auditLost = false; // so for the audit log, found when the station or a shift started
    bool recordsLost() const { return reportLost || auditLost; }
    // A counter or pool of the recipe ran out: no board starts until it is dealt with.
    bool valuesOut = false;
};
