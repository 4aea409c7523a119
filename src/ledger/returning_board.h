#pragma once

#include "jobs/board_data.h"
#include "ledger/field_codec.h"
#include "ledger/ledger.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

// Knowing a board that failed after its values were written when it comes back: its flash still
// holds them where the fields go. Values are unique, so a field range holding one of a held
// lease's values is that lease's board; a blank range, or one holding what every board's image
// holds there, tells nothing.

// A held lease's values given to the fields that take them (by counter or pool), in the fields'
// order. False when the fields do not take exactly what the lease holds (another release's).
bool Assign_HeldValues(const UnitFields &fields, const UnitValues &held, UnitValues &values);

// Whether a board whose field ranges have the CRC-32s `onBoard` (one per field, in order) holds
// at least one of `values`, in a range where a board without them could not hold the same bytes.
bool Board_HoldsValues(const QByteArray &runImage, const UnitFields &fields,
                       const UnitValues &values, const QList<uint32_t> &onBoard);

// The lease among `held` whose values the board holds (its id), empty when none: asks the board
// for the CRC of each field range once. A failure to ask is the board's failure.
Result<QString> Find_ReturningLease(const QByteArray &runImage, const UnitFields &fields,
                                    const QList<BoardLease> &held, const BoardFlashCrc &ask);
