#include "station/station_window.h"

#include "serial/port_info.h"
#include "serial/port_map.h"
#include "serial/port_open_failure.h"
#include "station/refusal_words.h"
#include "station/scan_bar.h"
#include "station/supervisor_password.h"
#include "station/tile_grid.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// "flash write 45 %": the phase's words, then its percent.
QString progressText(ProgressPhase phase, int percent) {
    return StationWindow::tr("%1 %2 %").arg(Phase_Words(phase)).arg(percent);
}

// Every text of a running board's phase at its widest: its tile keeps room for them.
QStringList widestProgress() {
    QStringList texts;
    for (ProgressPhase phase :
         {ProgressPhase::LoaderDownload, ProgressPhase::McuErase, ProgressPhase::McuWrite,
          ProgressPhase::McuCrcCheck, ProgressPhase::FlashErase, ProgressPhase::FlashWrite,
          ProgressPhase::FlashCrcCheck})
        texts.append(progressText(phase, 100));
    return texts;
}

// How often a tile shows a running board's progress at most.
constexpr int ProgressShownMs = 250;

QString clockText(qint64 ms) {
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QStringList chipPorts() {
    return Chip_PortNames(Read_SerialCommMap());
}

// A line that hears the boards and tells no one.
std::unique_ptr<LineStation> lineOfNone(const QString &command) {
    LineStation::Settings settings;
    settings.command = command;
    return std::make_unique<LineStation>(settings);
}

} // namespace

StationWindow::StationWindow(Setup s, QWidget *parent)
    : QMainWindow(parent), setup(std::move(s)),
      ownLine(setup.line ? nullptr : lineOfNone(setup.recipe.operation)),
      lineStation(setup.line ? *setup.line : *ownLine),
      lifecycle(lineStation, setup.report ? *setup.report : noReport, setup.recipe.operation, {},
                [this](const QString &) { reportFailed(); }),
      watch(lineStation.gated(setup.recipe.request), setup.ports ? setup.ports : chipPorts) {
    setWindowTitle(tr("Tessara station"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    // Every pixel of height is the tiles': 24 of them fit a 1920x1080 screen.
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);

    recipeLabel = new QLabel(central);
    recipeLabel->setAccessibleName(tr("recipe"));
    recipeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    recipeLabel->setStyleSheet(QStringLiteral("QLabel{background:#f4f1e0;padding:6px;}"));
    // Read from a metre away, in a few lines that leave the tiles their room.
    recipeLabel->setWordWrap(true);
    QFont recipeFont = recipeLabel->font();
    recipeFont.setPointSize(13);
    recipeLabel->setFont(recipeFont);
    layout->addWidget(recipeLabel);

    auto *bar = new QHBoxLayout;
    startButton = new QPushButton(tr("Start (space)"), central);
    startButton->setObjectName(QStringLiteral("start"));
    stopButton = new QPushButton(tr("Stop (Esc)"), central);
    stopButton->setObjectName(QStringLiteral("stop"));
    auto *acknowledgeButton = new QPushButton(tr("Acknowledge all (Ctrl+Enter)"), central);
    acknowledgeButton->setObjectName(QStringLiteral("acknowledge all"));
    auto *resetButton = new QPushButton(tr("Reset counters"), central);
    for (QPushButton *b : {startButton, stopButton, acknowledgeButton, resetButton}) {
        QFont font = b->font();
        font.setPointSize(14);
        b->setFont(font);
        b->setFocusPolicy(Qt::NoFocus); // the space bar is Start's, wherever the focus is
        bar->addWidget(b);
    }
    shiftLabel = new QLabel(central);
    shiftLabel->setAccessibleName(tr("shift"));
    shiftLabel->setTextFormat(Qt::PlainText);
    countersLabel = new QLabel(central);
    countersLabel->setAccessibleName(tr("counters"));
    // On one line beside the buttons they would hold the window wider than a 1280 px screen.
    countersLabel->setWordWrap(true);
    QFont big = countersLabel->font();
    big.setPointSize(14);
    countersLabel->setFont(big);
    shiftLabel->setFont(big);
    bar->addWidget(shiftLabel);
    bar->addSpacing(24);
    bar->addWidget(countersLabel, 1);
    layout->addLayout(bar);
    if (setup.scan != ScanPolicy::Off) {
        scanBar = new ScanBar(central);
        layout->addWidget(scanBar);
        connect(scanBar, &ScanBar::scanned, this, &StationWindow::scanned);
        connect(scanBar, &ScanBar::left, this, [this] { select(selectedKey); });
        connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, scanBar,
                &ScanBar::focusField);
    }

    problemLabel = new QLabel(central);
    problemLabel->setStyleSheet(
        QStringLiteral("QLabel{color:white;background:#c0261f;padding:4px;}"));
    problemLabel->hide();
    layout->addWidget(problemLabel);

    gridView = new QScrollArea(central);
    gridView->setFrameShape(QFrame::NoFrame);
    gridView->setWidgetResizable(true);
    gridView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid = new TileGrid(gridView);
    gridView->setWidget(grid);
    gridView->viewport()->installEventFilter(this);
    layout->addWidget(gridView, 1);
    setCentralWidget(central);

    QMenu *recipeMenu = menuBar()->addMenu(tr("&Recipe"));
    recipeMenu->addAction(tr("&Open recipe..."), this, &StationWindow::openRecipe)
        ->setObjectName(QStringLiteral("open recipe"));
    recipeMenu->addAction(tr("&Change recipe..."), this, &StationWindow::changeRecipe)
        ->setObjectName(QStringLiteral("change recipe"));
    QMenu *shiftMenu = menuBar()->addMenu(tr("S&hift"));
    shiftMenu->addAction(tr("&New shift..."), this, &StationWindow::newShift)
        ->setObjectName(QStringLiteral("new shift"));

    connect(startButton, &QPushButton::clicked, this, &StationWindow::startWaiting);
    connect(stopButton, &QPushButton::clicked, this, &StationWindow::stopBoards);
    connect(resetButton, &QPushButton::clicked, this, &StationWindow::resetCounters);
    connect(acknowledgeButton, &QPushButton::clicked, this, &StationWindow::acknowledgeAll);
    // Keys that work wherever the focus is (a foot pedal sends one of them).
    const std::pair<QKeySequence, void (StationWindow::*)()> keys[] = {
        {QKeySequence(Qt::Key_Space), &StationWindow::startWaiting},
        {QKeySequence(Qt::Key_Escape), &StationWindow::stopBoards},
        {QKeySequence(Qt::CTRL + Qt::Key_Return), &StationWindow::acknowledgeAll},
        {QKeySequence(Qt::CTRL + Qt::Key_Enter), &StationWindow::acknowledgeAll},
    };
    for (const auto &[sequence, action] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, action);

    connect(&watch, &BoardWatch::boardArrived, this, &StationWindow::arrived);
    connect(&watch, &BoardWatch::boardStarted, this, &StationWindow::started);
    connect(&watch, &BoardWatch::boardEnded, this, &StationWindow::ended);
    connect(&watch, &BoardWatch::boardGone, this, &StationWindow::gone);
    connect(&watch, &BoardWatch::stopped, this, [this] {
        if (closing) close();
    });
    // The running tiles' times and the pace, once a second.
    connect(&clock, &QTimer::timeout, this, [this] {
        for (auto &[key, slot] : places)
            if (slot.state == SlotState::Running) showSlot(slot);
        showCounters();
    });
    clock.start(1000);
    // Progress comes as often as a board's percent moves (24 boards: hundreds a second); a tile
    // shows it a few times a second, all tiles at once.
    progressShown.setSingleShot(true);
    progressShown.setInterval(ProgressShownMs);
    connect(&progressShown, &QTimer::timeout, this, [this] {
        for (auto &[key, slot] : places)
            if (slot.showPending) showSlot(slot);
    });

    for (const SlotId &id : setup.names.named())
        addSlot(id);
    held = setup.manual;
    watch.setHeld(held);
    watch.setMaxRunning(setup.maxParallel);
    showRecipe();
    showCounters();
    updateButtons();
    if (setup.audit) setup.audit->setStation(setup.station);
    if (setup.report) {
        StationHistory history = readHistory();
        if (history.counted > 0) counters = history.counters;
        stationRecords = history.records;
        runBefore = history.lastRuns;
        passedSerials = history.passedSerials;
        showCounters();
    }
    bool audited = audit(QStringLiteral("start"), operatorName(),
                         {{QStringLiteral("recipe"), Recipe_Summary(setup.recipe)}});
    // The line lead's page shows the station's own counters: boards, not runs.
    lineStation.countWith([this] {
        const BoardCounts c = counters.all();
        return LineStation::Counters{QJsonObject{{"boards", c.total},
                                                 {"ok", c.passed},
                                                 {"failed", c.failed},
                                                 {"interrupted", 0},
                                                 {"first_pass_boards", c.total},
                                                 {"first_pass_ok", c.firstPass}},
                                     counters.start()};
    });
    if (setup.shift.complete()) audited = startShift(setup.shift) && audited;
    checkRecords(audited);
    if (!order.isEmpty()) select(order.first());
    watch.start();
    // After the watch's first look (queued before this): boards seated later are new.
    QTimer::singleShot(0, this, [this] { firstLook = false; });
}

StationWindow::~StationWindow() {
    // Nothing may still write on a board when the window goes: each run is asked to stop, and the
    // watch's board threads wait for their jobs' ends (an MCU write is never cut).
    for (auto &[port, board] : runningBoards)
        board->requestStop();
}

StationWindow::Slot &StationWindow::addSlot(const SlotId &id) {
    Slot &slot = places[id.key];
    slot.id = id;
    slot.tile = new SlotTile(grid);
    slot.tile->setPhaseRoom(widestProgress());
    grid->addTile(slot.tile);
    order.append(id.key);
    const QString key = id.key;
    connect(slot.tile, &SlotTile::focused, this, [this, key] { select(key); });
    connect(slot.tile, &SlotTile::stepped, this, [this, key](int k) { step(key, k); });
    connect(slot.tile, &SlotTile::typed, this,
            [this, key](const QString &text) { typedOn(key, text); });
    connect(slot.tile, &SlotTile::clicked, this, [this, key] { showLog(places[key]); });
    connect(slot.tile, &SlotTile::acknowledged, this,
            [this, key] { acknowledge(places[key].id.name); });
    connect(slot.tile, &SlotTile::forceCleared, this,
            [this, key] { forceClear(places[key].id.name); });
    showSlot(slot);
    return slot;
}

StationWindow::Slot &StationWindow::slotOf(const QString &port) {
    if (Slot *slot = slotWithPort(port)) return *slot;
    const SlotId id = setup.names.slotOf(port);
    auto found = places.find(id.key);
    return found != places.end() ? found->second : addSlot(id);
}

StationWindow::Slot *StationWindow::slotWithPort(const QString &port) {
    for (auto &[key, slot] : places)
        if (slot.port == port) return &slot;
    return nullptr;
}

QString StationWindow::usbSerialOf(const QString &port) {
    if (setup.usbSerialOf) return setup.usbSerialOf(port);
    // Boards seated together (a fixture switched on) arrive in one pass of the event loop: one
    // listing of the system's ports serves them all, instead of one listing each.
    if (!portListing) {
        portListing = System_PortIdentities();
        QTimer::singleShot(0, this, [this] { portListing.reset(); });
    }
    const PortIdentity *identity = Find_PortIdentity(*portListing, port);
    return identity ? identity->serialNumber : QString();
}

void StationWindow::clearShown(Slot &slot) {
    slot.latched = false;
    slot.restored = false;
    slot.unrecorded = false;
    slot.notice.clear();
    slot.spent = false;
    slot.state = SlotState::Waiting;
    slot.model.clear();
    slot.phase.clear();
    slot.values.clear();
    slot.seconds = -1;
    slot.words = {};
}

void StationWindow::newBoard(Slot &slot, const QString &boardId) {
    clearShown(slot);
    slot.boardId = boardId;
    slot.attempt = 0;
    slot.lastPassed = false;
    slot.counted = false;
}

void StationWindow::arrived(const QString &port) {
    Slot &slot = slotOf(port);
    slot.port = port;
    slot.started = false;
    slot.kept = false;
    slot.notice.clear();
    slot.onSerial = Slot::OnSerial::Nothing;
    const QString who = usbSerialOf(port);
    const auto before = runBefore.constFind(Board_Key(who, port, slot.id.name));
    if (firstLook && before != runBefore.cend()) {
        // Seated through a restart, and run with this recipe: its result stands, and it is not
        // run again unasked.
        newBoard(slot, who);
        slot.state = before->passed ? SlotState::Pass : SlotState::Fail;
        slot.attempt = before->attempt;
        slot.lastPassed = before->passed;
        slot.counted = before->counted;
        // Its serial only if it is known to be the same board.
        if (!who.isEmpty()) slot.serial = before->boardSerial;
        slot.latched = slot.restored = slot.kept = true;
        if (!before->passed) slot.words = {tr("failed before the restart"), QString()};
        watch.keep(port);
        appendLog(slot, tr("%1: ran before the restart; not run again unasked").arg(slot.id.name));
        showSlot(slot);
        return;
    }
    const bool another = !who.isEmpty() && !slot.boardId.isEmpty() && who != slot.boardId;
    if (!slot.latched || another) {
        if (another) slot.serial.clear(); // the last board's; one scanned before seating stays
        newBoard(slot, who);
    } else if (!slot.lastPassed && setup.retry == RetryPolicy::Auto) {
        clearShown(slot); // the failed board is back: its next attempt
        // One that cannot be told from another board gets no serial it may not have.
        if (who.isEmpty()) slot.serial.clear();
        appendLog(slot,
                  tr("%1: the board is back, attempt %2").arg(slot.id.name).arg(slot.attempt + 1));
    } else {
        // The same board back (a loose socket, a power blip), or one that cannot be told from it:
        // its result stays, and it waits for the operator.
        watch.keep(port);
        slot.kept = true;
        appendLog(slot, tr("%1: a board is back before its result was acknowledged; it waits")
                            .arg(slot.id.name));
    }
    if (!slot.kept) heldForSerial(slot, Slot::OnSerial::Release);
    showSlot(slot);
}

void StationWindow::started(BoardThread *board) {
    const QString port = board->port();
    Slot &slot = slotOf(port);
    clearShown(slot);
    slot.kept = false;
    slot.attempt += 1;
    slot.lastPhase.reset();
    slot.state = SlotState::Running;
    slot.clock.start();
    slot.log.clear();
    if (slot.logView) slot.logView->clear();
    appendLog(slot, tr("%1: %2 on %3").arg(slot.id.name, setup.recipe.operation, port));
    runningBoards[port] = board;
    lifecycle.begin(board, this, identityOf(slot, port), recordFields(slot, false));
    const auto inSlot = [this, port](auto show) {
        return [this, port, show](auto... values) {
            if (Slot *s = slotWithPort(port)) show(*s, values...);
        };
    };
    connect(board, &BoardThread::logLine, this,
            inSlot([this](Slot &s, const QString &line) { appendLog(s, line); }));
    connect(board, &BoardThread::message, this,
            inSlot([this](Slot &s, const QString &text) { appendLog(s, text); }));
    connect(board, &BoardThread::chipIdentified, this,
            inSlot([this](Slot &s, const QString &model) {
                s.model = model;
                showSlot(s);
            }));
    connect(board, &BoardThread::unitValuesTaken, this,
            inSlot([this](Slot &s, const QList<QPair<QString, QString>> &values) {
                s.values = shownValues(values);
                showSlot(s);
            }));
    connect(board, &BoardThread::phaseStarted, this, inSlot([this](Slot &s, ProgressPhase phase) {
                s.phase = Phase_Words(phase);
                s.lastPhase = phase;
                showSlot(s);
            }));
    connect(board, &BoardThread::progress, this, inSlot([this](Slot &s, int percent) {
                if (!s.lastPhase) return;
                s.phase = progressText(*s.lastPhase, percent);
                showSoon(s);
            }));
    showSlot(slot);
    updateButtons();
}

void StationWindow::ended(BoardThread *board, const JobResult &r) {
    const QString port = board->port();
    runningBoards.erase(port);
    Slot &slot = slotOf(port);
    if (r.chip && r.chip->known())
        slot.model = tr("%1, boot 0x%2").arg(r.chip->name()).arg(r.chip->bootVersion, 0, 16);
    slot.seconds = r.seconds;
    slot.phase.clear();
    slot.values = shownValues(r.unitValues);
    QString group;
    const bool denied = !r.ok() && !r.chip && Port_AccessDenied(port, &group);
    slot.words = Operator_Words(
        r, FailureScene{denied, Recipe_Excludes(setup.recipe, r.chip), slot.lastPhase});
    slot.state = r.ok() ? SlotState::Pass : SlotState::Fail;
    slot.latched = true;
    // A stopped board is not a passed one: it counts as failed until a run of it passes.
    // A board not counted yet (new, or run before the counters were reset) counts as new.
    counters.count(slot.id.name, slot.counted ? slot.attempt : 1, slot.lastPassed, r.ok());
    if (!slot.serial.isEmpty()) {
        if (r.ok())
            passedSerials.insert(slot.serial);
        else
            passedSerials.remove(slot.serial);
    }
    slot.counted = true;
    slot.lastPassed = r.ok();
    appendLog(slot, r.ok() ? tr("PASS in %1 s").arg(r.seconds, 0, 'f', 1)
                           : tr("FAIL: %1").arg(r.reason()));
    const int lostBefore = setup.report ? setup.report->lostRecords() : 0;
    lifecycle.end(port, r, recordFields(slot, r.ok()));
    if (setup.report && setup.report->lostRecords() == lostBefore) stationRecords += 1;
    slot.unrecorded = setup.report && setup.report->lostRecords() != lostBefore;
    if (r.valuesExhausted) valuesRanOut(slot, r);
    showSlot(slot);
    showCounters();
    updateButtons();
}

void StationWindow::valuesRanOut(const Slot &slot, const JobResult &r) {
    held = true;
    watch.setHeld(true);
    for (auto &[key, other] : places)
        other.started = false;
    if (!valuesOut)
        audit(QStringLiteral("pool empty"), operatorName(),
              {{QStringLiteral("slot"), slot.id.name}, {QStringLiteral("reason"), r.reason()}});
    valuesOut = true;
    // The records' trouble is said first: it matters more.
    if (!recordsLost()) {
        problemLabel->setText(tr("pool empty: %1 (slot %2). No new board is started until a "
                                 "supervisor has added values to the ledger and pressed Start, "
                                 "or changed the recipe.")
                                  .arg(Station_RefusalWords(r.reason()), slot.id.name));
        problemLabel->show();
    }
    for (auto &[key, other] : places)
        if (other.state == SlotState::Waiting) showSlot(other);
}

QString StationWindow::shownValues(const QList<QPair<QString, QString>> &values) const {
    QStringList shown;
    for (const auto &[name, text] : values) {
        bool secret = true; // a field the recipe does not declare is not shown
        if (setup.recipe.bundle)
            for (const UnitField &f : setup.recipe.bundle->manifest.unitData)
                if (f.name == name) secret = f.secret;
        if (!secret) shown.append(tr("%1: %2").arg(name, text));
    }
    return shown.join(QStringLiteral(" · "));
}

QList<ReportField> StationWindow::recordFields(const Slot &slot, bool passed) const {
    QList<ReportField> fields = setup.recipe.recordFields;
    fields.append(ReportField{"station", setup.station});
    fields.append(ReportField{"recipe", Recipe_Id(setup.recipe)});
    fields.append(ReportField{"slot", slot.id.name});
    fields.append(ReportField{"usb_serial", slot.boardId.isEmpty()
                                                ? std::nullopt
                                                : std::optional<QString>(slot.boardId)});
    fields.append(ReportField{"attempt", QString::number(slot.attempt)});
    fields.append(ReportField{"first_pass", passed && slot.attempt == 1 ? QStringLiteral("yes")
                                                                        : QStringLiteral("no")});
    fields += boardFields(slot);
    return fields;
}

BoardIdentity StationWindow::identityOf(const Slot &slot, const QString &port) const {
    BoardIdentity board;
    board.port = port;
    board.slot = slot.id.name;
    board.usbSerial = slot.boardId;
    Take_BundleFields(board, setup.recipe.recordFields);
    return board;
}

// A board run without its record is worse than one not run: the boards running finish (their
// records are tried), and no other starts until the station is started again.
void StationWindow::reportFailed() {
    watch.startNoMore();
    const QString path = setup.report->path(), why = setup.report->errorString();
    if (!reportLost) {
        reportLost = true;
        audit(QStringLiteral("report unwritable"), operatorName(),
              {{QStringLiteral("report"), path},
               {QStringLiteral("reason"), why},
               {QStringLiteral("running"), watch.running()}});
    }
    // Said last: it matters more than an audit log that could not be written either.
    problemLabel->setText(
        tr("The report %1 cannot be written: %2. No new board is started. Stop and call the "
           "engineer.")
            .arg(path, why));
    problemLabel->show();
    for (auto &[key, slot] : places)
        if (slot.state == SlotState::Waiting) showSlot(slot);
    updateButtons();
}

void StationWindow::checkRecords(bool audited) {
    if (!audited && setup.audit && !auditLost) {
        auditLost = true;
        watch.startNoMore();
        problemLabel->setText(tr("The audit log %1 cannot be written: %2. No new board is started. "
                                 "Stop and call the engineer.")
                                  .arg(setup.audit->path(), setup.audit->errorString()));
        problemLabel->show();
        for (auto &[key, slot] : places)
            if (slot.state == SlotState::Waiting) showSlot(slot);
        updateButtons();
    }
    // A full disk is found here, not by the first board's record after the board was written.
    if (setup.report && !reportLost && !setup.report->tryAppend()) reportFailed();
}

void StationWindow::gone(const QString &port) {
    Slot *slot = slotWithPort(port);
    if (!slot) return;
    // A serial scanned for the board pulled before its run goes with it; one scanned for the
    // next board (after this one's result was acknowledged) stays.
    if (!slot->latched && !slot->spent) slot->serial.clear();
    slot->port.clear();
    slot->kept = false;
    slot->spent = false;
    slot->notice.clear();
    slot->onSerial = Slot::OnSerial::Nothing;
    // A result stays on the tile when its board is pulled (or lost): only the operator or the
    // next board clears it.
    if (!slot->latched) newBoard(*slot, QString());
    showSlot(*slot);
}

StationWindow::Slot *StationWindow::slotNamed(const QString &name) {
    for (auto &[key, slot] : places)
        if (slot.id.name == name) return &slot;
    return nullptr;
}

void StationWindow::acknowledge(const QString &name) {
    Slot *slot = slotNamed(name);
    if (!slot || !slot->latched) return;
    const bool present = !slot->port.isEmpty();
    const QString who = present ? usbSerialOf(slot->port) : QString();
    // A board seated after the result that cannot be told to be the same one: the operator's
    // acknowledgement says it is the next board.
    const bool next = present && slot->kept && (who.isEmpty() || who != slot->boardId);
    const bool failed = !slot->lastPassed;
    if (failed && present && !next && valuesOut) {
        // Run again now, it would only be refused again: the pool is dealt with first.
        slot->notice = tr("pool empty: the supervisor presses Start first");
        showSlot(*slot);
        return;
    }
    if (failed && present && !next && setup.retry == RetryPolicy::Never) {
        // The failed board is in the slot: it goes to the rejects before its FAIL goes.
        slot->notice = tr("take the failed board out first");
        showSlot(*slot);
        return;
    }
    appendLog(*slot,
              tr("%1: %2 acknowledged").arg(slot->id.name, SlotTile::stateWord(slot->state)));
    audit(QStringLiteral("acknowledge"), operatorName(),
          {{QStringLiteral("slot"), slot->id.name},
           {QStringLiteral("result"), failed ? QStringLiteral("fail") : QStringLiteral("ok")},
           {QStringLiteral("attempt"), slot->attempt}});
    if (failed && present && setup.retry != RetryPolicy::Never) {
        clearShown(*slot); // runs again: the board's next attempt, with its serial
        const Slot::OnSerial then = slot->kept ? Slot::OnSerial::Release : Slot::OnSerial::RunAgain;
        slot->kept = false;
        if (!heldForSerial(*slot, then)) letRun(*slot, then);
    } else if (next) {
        newBoard(*slot, who);
        slot->serial.clear();
        slot->kept = false;
        if (!heldForSerial(*slot, Slot::OnSerial::Release)) letRun(*slot, Slot::OnSerial::Release);
    } else {
        clearShown(*slot);
        slot->serial.clear();
        slot->spent = present; // the board in it is not run again; the next one is
    }
    showSlot(*slot);
}

void StationWindow::forceClear(const QString &name) {
    Slot *slot = slotNamed(name);
    if (!slot || !slot->latched || slot->state != SlotState::Fail) return;
    if (!supervisorAllows(tr("clearing the FAIL of slot %1").arg(name))) return;
    const QString reason = slot->words.reason;
    clearShown(*slot);
    slot->serial.clear();
    slot->spent = !slot->port.isEmpty(); // cleared, not passed: the board is not run again
    appendLog(*slot, tr("%1: FAIL cleared by the supervisor").arg(name));
    audit(QStringLiteral("forced clear"), QStringLiteral("supervisor"),
          {{QStringLiteral("slot"), name}, {QStringLiteral("reason"), reason}});
    showSlot(*slot);
}

void StationWindow::resetCounters() {
    const BoardCounts before = counters.all();
    if (QMessageBox::question(this, tr("Reset counters"),
                              tr("Set every counter to zero? The report keeps its records.")) !=
        QMessageBox::Yes)
        return;
    if (!supervisorAllows(tr("resetting the counters"))) return;
    counters.reset(QDateTime::currentDateTime());
    for (auto &[key, slot] : places)
        slot.counted = false;
    lineStation.countersChanged();
    audit(QStringLiteral("counters reset"), QStringLiteral("supervisor"),
          {{QStringLiteral("records_before"), stationRecords},
           {QStringLiteral("total"), before.total},
           {QStringLiteral("passed"), before.passed},
           {QStringLiteral("failed"), before.failed}});
    showCounters();
    for (auto &[key, slot] : places)
        showSlot(slot);
}

bool StationWindow::supervisorAllows(const QString &what) {
    if (setup.supervisorHash.isEmpty()) {
        QMessageBox::warning(this, tr("Supervisor"),
                             tr("No supervisor password is set, so %1 is not allowed. Set one "
                                "with tessara-station --set-supervisor-password.")
                                 .arg(what));
        return false;
    }
    const auto ask = [this](const QString &forWhat) -> std::optional<QString> {
        bool ok = false;
        const QString password = QInputDialog::getText(
            this, tr("Supervisor"), tr("Supervisor password for %1:").arg(forWhat),
            QLineEdit::Password, QString(), &ok);
        return ok ? std::optional<QString>(password) : std::nullopt;
    };
    const std::optional<QString> password =
        setup.askSupervisor ? setup.askSupervisor(what) : ask(what);
    if (!password) return false;
    if (Supervisor_PasswordMatches(setup.supervisorHash, *password)) return true;
    audit(QStringLiteral("supervisor refused"), operatorName(), {{QStringLiteral("for"), what}});
    QMessageBox::warning(this, tr("Supervisor"),
                         tr("Wrong password: %1 is not allowed.").arg(what));
    return false;
}

bool StationWindow::audit(const QString &event, const QString &who, const QJsonObject &details) {
    if (!setup.audit || setup.audit->record(event, who, details)) return true;
    problemLabel->setText(tr("The audit log %1 cannot be written: %2. Stop and call the engineer.")
                              .arg(setup.audit->path(), setup.audit->errorString()));
    problemLabel->show();
    return false;
}

void StationWindow::acknowledgeAll() {
    QStringList names;
    for (const auto &[key, slot] : places)
        if (slot.latched) names.append(slot.id.name);
    for (const QString &name : names)
        acknowledge(name);
}

void StationWindow::appendLog(Slot &slot, const QString &line) {
    // A board's log is bounded: a fixture runs for days.
    constexpr int MaxLines = 5000;
    slot.log.append(line);
    if (slot.log.size() > MaxLines) slot.log.removeFirst();
    if (slot.logView) slot.logView->appendPlainText(line);
}

void StationWindow::showSoon(Slot &slot) {
    slot.showPending = true;
    if (!progressShown.isActive()) progressShown.start();
}

void StationWindow::showSlot(Slot &slot) {
    slot.showPending = false;
    SlotView v;
    v.name = slot.id.name;
    v.state = slot.state;
    const QString serial = Breakable_Serial(slot.serial);
    v.model = serial.isEmpty()       ? slot.model
              : slot.model.isEmpty() ? tr("serial %1").arg(serial)
                                     : tr("serial %1 · %2").arg(serial, slot.model);
    if (!slot.values.isEmpty())
        v.model = v.model.isEmpty() ? slot.values : v.model + QStringLiteral(" · ") + slot.values;
    v.phase = slot.phase;
    if (slot.state == SlotState::Running) v.time = clockText(slot.clock.elapsed());
    if (slot.attempt > 0 && slot.state != SlotState::Waiting) {
        const BoardCounts c = counters.ofSlot(slot.id.name);
        v.counts =
            tr("attempt %1 · slot: %2 of %3 passed").arg(slot.attempt).arg(c.passed).arg(c.total);
    }
    if (slot.unrecorded)
        v.note = tr("its record was not written");
    else if (!slot.notice.isEmpty())
        v.note = slot.notice;
    else if (slot.kept && slot.latched)
        v.note = !slot.lastPassed && setup.retry != RetryPolicy::Never
                     ? tr("board back: Enter runs it again")
                     : tr("board back: Enter, then seat the next board");
    if (slot.state == SlotState::Waiting && reportLost && !slot.port.isEmpty())
        v.reason = tr("not started: the report cannot be written");
    else if (slot.state == SlotState::Waiting && auditLost && !slot.port.isEmpty())
        v.reason = tr("not started: the audit log cannot be written");
    else if (slot.state == SlotState::Waiting && valuesOut && !slot.port.isEmpty())
        v.reason = tr("not started: pool empty");
    else if (slot.state == SlotState::Waiting && slot.onSerial != Slot::OnSerial::Nothing)
        v.reason = tr("scan its board serial to run it");
    else if (slot.state == SlotState::Waiting)
        v.reason = slot.port.isEmpty()     ? tr("no board")
                   : slot.spent            ? tr("seat the next board")
                   : held && !slot.started ? tr("press Start")
                                           : tr("waiting for its turn");
    else if (slot.state == SlotState::Pass)
        v.reason = slot.restored ? tr("passed before the restart")
                                 : tr("done in %1 s").arg(slot.seconds, 0, 'f', 1);
    else if (slot.state == SlotState::Fail) {
        v.time = tr("after %1 s").arg(slot.seconds, 0, 'f', 1);
        v.reason = slot.words.reason;
        v.hint = slot.words.hint;
    }
    slot.tile->display(v);
}

void StationWindow::showCounters() {
    const QString text = counters.text(QDateTime::currentDateTime());
    countersLabel->setText(text);
    countersLabel->setAccessibleDescription(text);
}

void StationWindow::showRecipe() {
    const QStringList lines = Recipe_Lines(setup.recipe);
    recipeLabel->setText(lines.join(QStringLiteral("  ·  ")));
    recipeLabel->setAccessibleDescription(lines.join(QStringLiteral("; ")));
}

void StationWindow::showLog(Slot &slot) {
    if (slot.logView) {
        slot.logView->window()->raise();
        return;
    }
    auto *dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Log of slot %1").arg(slot.id.name));
    auto *view = new QPlainTextEdit(dialog);
    view->setReadOnly(true);
    view->setAccessibleName(tr("log of slot %1").arg(slot.id.name));
    view->setPlainText(slot.log.join(QLatin1Char('\n')));
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(view);
    dialog->resize(700, 400);
    slot.logView = view;
    dialog->show();
}

void StationWindow::startWaiting() {
    if (closing || recordsLost()) return;
    if (valuesOut) {
        // Only once more values were imported would the next board get any.
        if (!supervisorAllows(tr("starting boards again after the pool ran empty"))) return;
        valuesOut = false;
        problemLabel->hide();
        audit(QStringLiteral("pool empty cleared"), QStringLiteral("supervisor"));
    }
    held = setup.manual;
    watch.setHeld(held);
    for (auto &[key, slot] : places)
        slot.started = slot.state == SlotState::Waiting && !slot.port.isEmpty();
    watch.startWaiting();
    for (auto &[key, slot] : places)
        if (slot.state == SlotState::Waiting) showSlot(slot);
    updateButtons();
}

void StationWindow::stopBoards() {
    if (!closing && (!runningBoards.empty() || !held))
        audit(QStringLiteral("stop"), operatorName(),
              {{QStringLiteral("running"), watch.running()}});
    held = true;
    watch.setHeld(true);
    for (auto &[key, slot] : places)
        slot.started = false;
    for (auto &[port, board] : runningBoards)
        board->requestStop();
    for (auto &[key, slot] : places)
        if (slot.state == SlotState::Waiting) showSlot(slot);
    updateButtons();
}

bool StationWindow::setRecipe(const Recipe &recipe) {
    if (watch.running() > 0) return false;
    setup.recipe = recipe;
    watch.setRequest(lineStation.gated(recipe.request)); // the line approves after the recipe
    if (valuesOut && !recordsLost()) problemLabel->hide();
    valuesOut = false; // the new recipe's values are its own
    // "Already passed" is of this recipe.
    passedSerials = setup.report ? readHistory().passedSerials : QSet<QString>();
    showRecipe();
    return true;
}

bool StationWindow::mayChangeRecipe() {
    if (watch.running() > 0) {
        QMessageBox::warning(this, tr("Change recipe"),
                             tr("Boards are running. Change the recipe when they have ended."));
        return false;
    }
    return supervisorAllows(tr("changing the recipe"));
}

void StationWindow::takeRecipe(const StationOptions &o) {
    const Result<Recipe> recipe = Load_Recipe(o, setup.ledger);
    if (!recipe.ok()) {
        QMessageBox::warning(this, tr("Change recipe"), recipe.reason());
        return;
    }
    // Boards may have started while the dialogs were open.
    const QString before = Recipe_Summary(setup.recipe);
    if (!setRecipe(recipe.value())) {
        QMessageBox::warning(this, tr("Change recipe"),
                             tr("Boards are running. Change the recipe when they have ended."));
        return;
    }
    checkRecords(audit(
        QStringLiteral("recipe"), QStringLiteral("supervisor"),
        {{QStringLiteral("old"), before}, {QStringLiteral("new"), Recipe_Summary(setup.recipe)}}));
}

// The options of the recipe now, without its images.
StationOptions StationWindow::recipeOptions() const {
    StationOptions o;
    o.job = setup.recipe.request.job;
    o.operation = setup.recipe.operation;
    o.onlyChanged = setup.recipe.request.onlyChanged;
    o.flashIniPath = setup.recipe.request.flashIniPath;
    o.trust = setup.trust;
    o.pin = setup.pin;              // a recipe chosen here moves forward too
    o.models = setup.recipe.models; // raw images for a bundle's models keep its limit
    return o;
}

QString StationWindow::chooseFile(const QString &title, const QString &filter) {
    if (setup.chooseFile) return setup.chooseFile(title);
    return QFileDialog::getOpenFileName(this, title, QString(), filter);
}

void StationWindow::openRecipe() {
    if (!mayChangeRecipe()) return;
    StationOptions o = recipeOptions();
    o.models = setup.models; // not the last bundle's own
    o.bundlePath = chooseFile(tr("Release bundle"), tr("Release bundles (*.kqb)"));
    if (!o.bundlePath.isEmpty()) takeRecipe(o);
}

void StationWindow::changeRecipe() {
    if (!mayChangeRecipe()) return;
    StationOptions o = recipeOptions();
    if (setup.recipe.request.mcuImage) {
        o.mcuPath = chooseFile(tr("MCU image"), QString());
        if (o.mcuPath.isEmpty()) return;
    }
    if (setup.recipe.request.flashImage) {
        o.flashPath = chooseFile(tr("Flash image"), QString());
        if (o.flashPath.isEmpty()) return;
    }
    takeRecipe(o);
}

void StationWindow::updateButtons() {
    startButton->setEnabled(held && !closing && !recordsLost());
    stopButton->setEnabled(!runningBoards.empty() || !held);
}

bool StationWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == gridView->viewport() && event->type() == QEvent::Resize)
        grid->fitTo(gridView->viewport()->size());
    return QMainWindow::eventFilter(watched, event);
}

void StationWindow::closeEvent(QCloseEvent *event) {
    if (watch.running() == 0) {
        event->accept();
        return;
    }
    event->ignore();
    if (closing) return;
    const auto answer = QMessageBox::question(
        this, tr("Close the station"),
        tr("%n board(s) are running. Stop them safely and close?", nullptr, watch.running()));
    if (answer == QMessageBox::Yes && supervisorAllows(tr("closing while boards run")))
        stopAndClose();
}

void StationWindow::stopAndClose() {
    if (closing) return;
    closing = true;
    audit(QStringLiteral("close"), operatorName(), {{QStringLiteral("running"), watch.running()}});
    stopBoards();
    watch.stop(); // stopped() closes the window
}
