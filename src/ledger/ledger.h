#pragma once

#include "ledger/field_codec.h"
#include "ledger/unit_fields.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

// The ledger: which per-board value went to which board. A value is leased to a board before
// anything is written to it, marked writing just before the first write, written once the flash
// check of the board's image passed, released when nothing was written, and spoiled when it was
// written to a board that failed and did not come back. Every change is committed before the
// step it allows; no value is ever leased twice.

// The states of a value, as the database holds them.
namespace LedgerState {
constexpr char Free[] = "free";
constexpr char Leased[] = "leased";   // taken for a board, nothing written yet
constexpr char Writing[] = "writing"; // the board's writes may have begun
constexpr char Written[] = "written"; // on the board, checked
constexpr char Failed[] = "failed";   // written to a board that failed: its again if it returns
constexpr char Spoiled[] = "spoiled"; // lost with a failed board
// Not a state but a change in a board's history: the board came back holding its values and
// was given them again.
constexpr char Returned[] = "returned";
} // namespace LedgerState

// Where a board is, and who it is when that is known.
struct BoardPlace {
    QString station; // the machine (host name)
    QString port;
    // The board's own identity (a scanned serial): a board that failed after its values were
    // written gets the same values again when it returns with it. Empty: not known.
    QString board;
    // The held lease (Ledger::held) whose values the board's flash was found to hold: the board
    // that failed with them came back, and gets them again. Empty: the board holds none of
    // them, so the values held for a board of unknown identity at this station and port are
    // spoiled: that board did not come back there.
    QString returning = QString();
};

// One board's values, taken together.
struct BoardLease {
    QString id;         // unique
    UnitValues values;  // one per counter and pool field
    bool again = false; // the values this board had before it failed
    QString serial;     // the first counter's text: how a board is found again in the ledger
    // Set when lease() refused because a counter or pool has no value left: every board after
    // this one would be refused too.
    bool exhausted = false;
};

// Per pool and counter: how many values are in each state (a counter's free ones include those
// it has not yet reached).
struct LedgerCount {
    QString source;
    QString kind; // "pool" or "counter"
    qint64 free = 0, leased = 0, writing = 0, written = 0, failed = 0, spoiled = 0;
};

// One change of one value, for a board's history.
struct LedgerEntry {
    QDateTime time;
    QString source;
    QString kind;
    qint64 index = 0;
    QString value; // a counter's number; a pool value's "sha256 1a2b3c4d", never the value
    QString state;
    QString station, port, board, lease;
};

class Ledger {
  public:
    virtual ~Ledger() = default;

    // Adds `values` to `pool`, all or none: a value already in the pool, given twice, or of
    // another length than the pool's others is refused. `added` counts them.
    virtual bool importPool(const QString &pool, const QList<QByteArray> &values,
                            QString &reason) = 0;
    // Takes a value for each counter and pool field of `fields`, all or none: a counter at its
    // end or an empty pool refuses the board ("pool empty: hdcp").
    virtual bool lease(const UnitFields &fields, const BoardPlace &place, BoardLease &lease,
                       QString &reason) = 0;
    // The lease's values from here on may be on the board.
    virtual bool markWriting(const BoardLease &lease, QString &reason) = 0;
    // The board holds them, checked.
    virtual bool markWritten(const BoardLease &lease, QString &reason) = 0;
    // Nothing was written (leased, or writing that never reached the flash): they go back, to
    // be taken again.
    virtual bool release(const BoardLease &lease, QString &reason) = 0;
    // The board failed after its values may have been written: held for it, to be given to it
    // again when it comes back (known by its identity, or by its flash holding them).
    virtual bool markFailed(const BoardLease &lease, QString &reason) = 0;
    // The leases held for boards of `station` that failed, with their values: what a board that
    // comes back may hold. An empty `station`: those of every station.
    virtual bool held(const QString &station, QList<BoardLease> &leases, QString &reason) = 0;
    // Whether the stations of a line share this ledger, so that a failed board taken to another
    // station is known there too and its values move with it; a file is one station's.
    virtual bool sharedByStations() const { return false; }
    // Settles the leases of this station's runs that ended without settling them (a power cut,
    // a kill): those never written are released, those perhaps written are held as failed.
    virtual bool recover(QString &reason) = 0;

    virtual bool status(QList<LedgerCount> &counts, QString &reason) = 0;
    // What the board of serial `serial` got, every change in order.
    virtual bool history(const QString &serial, QList<LedgerEntry> &entries, QString &reason) = 0;
};

// Opens the ledger `where` names: "postgresql://..." (or "postgres://..."), else a SQLite file
// (created owner-only, with its folder, when it does not exist). Null, with the reason, when it
// cannot be opened.
std::unique_ptr<Ledger> Open_Ledger(const QString &where, QString &reason);

// The default ledger: $XDG_DATA_HOME/tessara/ledger.sqlite (the service's is in /var/lib/tessara).
QString Ledger_DefaultPath();
