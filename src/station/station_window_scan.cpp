// The station's shift and its board serials: who works it on which lot, the serial scanned for
// each slot's board, and the slot selected with the arrow keys that a scan goes to.
#include "station/scan_bar.h"
#include "station/station_window.h"
#include "station/tile_grid.h"

#include <QLabel>
#include <QMessageBox>

QString StationWindow::operatorName() const {
    return setup.shift.operatorId.isEmpty() ? QStringLiteral("operator") : setup.shift.operatorId;
}

QList<ReportField> StationWindow::boardFields(const Slot &slot) const {
    const auto orNone = [](const QString &text) {
        return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
    };
    return {{"operator", orNone(setup.shift.operatorId)},
            {"lot", orNone(setup.shift.lot)},
            {"board_serial", orNone(slot.serial)}};
}

StationHistory StationWindow::readHistory() const {
    const int uncounted = setup.audit ? Records_BeforeReset(setup.audit->path(), setup.station) : 0;
    return Read_StationHistory(setup.report->path(), setup.station, Recipe_Id(setup.recipe),
                               setup.shift.lot, uncounted);
}

void StationWindow::newShift() {
    // A board's record is of the shift it ran in.
    const auto refusedWhileRunning = [this] {
        if (watch.running() == 0) return false;
        QMessageBox::warning(this, tr("New shift"),
                             tr("Boards are running. Start the new shift when they have ended."));
        return true;
    };
    if (refusedWhileRunning()) return;
    const std::optional<Shift> next =
        setup.askShift ? setup.askShift(setup.shift) : ShiftDialog::ask(setup.shift, this);
    // Boards may have started while the dialog was open.
    if (!next || refusedWhileRunning()) return;
    if (const QString why = Shift_Problem(*next); !why.isEmpty()) {
        QMessageBox::warning(this, tr("New shift"), why);
        return;
    }
    checkRecords(startShift(*next));
}

bool StationWindow::startShift(const Shift &shift) {
    const bool newLot = shift.lot != setup.shift.lot;
    setup.shift = shift;
    shiftLabel->setText(tr("Operator %1 · Lot %2").arg(shift.operatorId, shift.lot));
    shiftLabel->setAccessibleDescription(shiftLabel->text());
    const bool audited =
        audit(QStringLiteral("shift start"), shift.operatorId,
              {{QStringLiteral("operator"), shift.operatorId}, {QStringLiteral("lot"), shift.lot}});
    // The counters are the lot's: those of its records in the report.
    if (newLot) {
        counters = YieldCounters();
        if (setup.report) {
            const StationHistory history = readHistory();
            if (history.counted > 0) counters = history.counters;
        }
        for (auto &[key, slot] : places) {
            slot.counted = false;
            showSlot(slot);
        }
    }
    showCounters();
    return audited;
}

bool StationWindow::heldForSerial(Slot &slot, Slot::OnSerial then) {
    if (setup.scan != ScanPolicy::Required || !slot.serial.isEmpty() || slot.port.isEmpty())
        return false;
    if (then == Slot::OnSerial::Release) watch.keep(slot.port);
    slot.onSerial = then;
    appendLog(slot, tr("%1: waits for its board serial").arg(slot.id.name));
    return true;
}

void StationWindow::letRun(Slot &slot, Slot::OnSerial how) {
    slot.onSerial = Slot::OnSerial::Nothing;
    if (how == Slot::OnSerial::Release) watch.release(slot.port);
    if (how == Slot::OnSerial::RunAgain) watch.runAgain(slot.port);
}

StationWindow::Slot *StationWindow::selectedSlot() {
    const auto found = places.find(selectedKey);
    return found == places.end() ? nullptr : &found->second;
}

void StationWindow::select(const QString &key) {
    const auto found = places.find(key);
    if (found == places.end()) return;
    selectedKey = key;
    if (scanBar) scanBar->setTarget(found->second.id.name);
    if (!found->second.tile->hasFocus()) found->second.tile->setFocus();
}

void StationWindow::step(const QString &from, int key) {
    const int at = order.indexOf(from);
    const int columns = std::max(1, grid->columns());
    const int to = key == Qt::Key_Left    ? at - 1
                   : key == Qt::Key_Right ? at + 1
                   : key == Qt::Key_Up    ? at - columns
                                          : at + columns;
    if (at >= 0 && to >= 0 && to < order.size()) select(order[to]);
}

void StationWindow::typedOn(const QString &key, const QString &text) {
    if (scanBar) {
        select(key);
        scanBar->begin(text); // the rest of the line follows into the field
    } else if (text.compare(QLatin1String("l"), Qt::CaseInsensitive) == 0) {
        showLog(places[key]);
    }
}

// After a serial is taken, the next slot in order that has none and waits: a line of scans
// fills the slots in order.
void StationWindow::selectNextWithoutSerial() {
    const int at = std::max(0, int(order.indexOf(selectedKey)));
    for (int i = 1; i <= order.size(); ++i) {
        const Slot &next = places[order[(at + i) % order.size()]];
        if (next.serial.isEmpty() && next.state == SlotState::Waiting && !next.latched) {
            select(next.id.key);
            return;
        }
    }
    select(selectedKey);
}

void StationWindow::refuseScan(Slot *slot, const QString &why) {
    scanBar->showOutcome(why, true);
    if (slot) {
        slot->notice = why;
        appendLog(*slot, why);
        showSlot(*slot);
    }
    select(selectedKey);
}

void StationWindow::scanned(const QString &line) {
    Slot *slot = selectedSlot();
    if (!slot) return refuseScan(nullptr, tr("Serial refused: no slot is selected"));
    const QString name = slot->id.name;
    if (const QString why = Scanned_TextProblem(line); !why.isEmpty())
        return refuseScan(slot, tr("Serial for %1 refused: %2").arg(name, why));
    const auto refuse = [&](const QString &why) {
        refuseScan(slot, tr("Serial %1 for %2 refused: %3").arg(line, name, why));
    };
    if (slot->state == SlotState::Running) return refuse(tr("its board is running"));
    if (slot->latched) return refuse(tr("acknowledge its result first"));
    for (const auto &[key, other] : places)
        if (&other != slot && other.serial == line)
            return refuse(tr("already scanned for %1").arg(other.id.name));
    if (passedSerials.contains(line) && slot->serial != line) {
        if (!supervisorAllows(
                tr("running board %1 again, which already passed with this recipe").arg(line)))
            return refuse(tr("already passed with this recipe"));
        audit(QStringLiteral("serial override"), QStringLiteral("supervisor"),
              {{QStringLiteral("slot"), name}, {QStringLiteral("board_serial"), line}});
    }
    slot->serial = line;
    slot->notice.clear();
    appendLog(*slot, tr("%1: board serial %2").arg(name, line));
    scanBar->showOutcome(tr("%1: %2").arg(name, line), false);
    if (slot->onSerial != Slot::OnSerial::Nothing) letRun(*slot, slot->onSerial);
    showSlot(*slot);
    selectNextWithoutSerial();
}
