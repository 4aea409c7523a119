#pragma once

#include "jobs/board_data.h"
#include "ledger/ledger.h"

#include <QString>
#include <memory>

// A run's boards given their values from a ledger: each board, once identified, leases one value
// per field (the same ones again when it is a board that failed and came back with them on its
// flash), gets the run's flash image with them applied, marks them as perhaps written just
// before its first write, and settles them by how its run ended: written when the flash update
// (its CRC check included) passed, released when nothing was sent to the flash, failed (held for
// the board) otherwise.
class LedgerBoardData : public BoardDataSource {
  public:
    LedgerBoardData(std::shared_ptr<Ledger> ledger, const UnitFields &fields,
                    const ImageSnapshot &runImage, const QString &station);

    std::shared_ptr<BoardData> take(const QString &port, const BoardFlashCrc &onBoard,
                                    DataRefusal &refusal) override;
    std::vector<std::pair<uint32_t, uint32_t>> hiddenRanges() const override;

  private:
    std::shared_ptr<Ledger> ledger;
    UnitFields fields;
    ImageSnapshot runImage;
    QString station;
};
