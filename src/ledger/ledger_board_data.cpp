#include "ledger/ledger_board_data.h"

#include "ledger/returning_board.h"
#include "protocol/crc32.h"

#include <QCryptographicHash>

namespace {

class LeasedBoard : public BoardData {
  public:
    LeasedBoard(std::shared_ptr<Ledger> from, BoardLease taken, ImageSnapshot patched,
                QList<QPair<QString, QString>> values)
        : ledger(std::move(from)), lease(std::move(taken)), image(std::move(patched)),
          shown(std::move(values)) {}

    ImageSnapshot flashImage() const override { return image; }
    QList<QPair<QString, QString>> recordValues() const override { return shown; }
    QString takenNote() const override { return note; }

    Result<> beforeWrite() override {
        QString reason;
        if (!ledger->markWriting(lease, reason))
            return Fail(FailureKind::SystemError,
                        QStringLiteral("the ledger could not record the board's values before "
                                       "writing them, nothing written: %1")
                            .arg(reason));
        writing = true;
        return Done{};
    }

    Result<> settle(const JobResult &result) override {
        QString reason;
        bool done = false;
        const char *what = "";
        if (!writing || result.flashBlocksWritten == 0) {
            // Nothing reached the flash: the values go back (a returning board's stay its own).
            done = ledger->release(lease, reason);
            what = "released";
        } else if (result.flash == StepState::Ok) {
            done = ledger->markWritten(lease, reason);
            what = "written";
        } else {
            done = ledger->markFailed(lease, reason);
            what = "failed";
        }
        if (done) return Done{};
        return Fail(FailureKind::SystemError,
                    QStringLiteral("the ledger could not record the board's values as %1 (%2); "
                                   "the next run settles them")
                        .arg(QLatin1String(what), reason));
    }

    QString note;

  private:
    std::shared_ptr<Ledger> ledger;
    BoardLease lease;
    ImageSnapshot image;
    QList<QPair<QString, QString>> shown;
    bool writing = false;
};

} // namespace

LedgerBoardData::LedgerBoardData(std::shared_ptr<Ledger> from, const UnitFields &declared,
                                 const ImageSnapshot &image, const QString &name)
    : ledger(std::move(from)), fields(declared), runImage(image), station(name) {}

std::shared_ptr<BoardData> LedgerBoardData::take(const QString &port, const BoardFlashCrc &onBoard,
                                                 DataRefusal &refused) {
    Failure &refusal = refused.failure;
    BoardLease lease;
    QString reason;
    if (!runImage || !runImage->read) {
        refusal = Fail(FailureKind::ImageUnusable,
                       QStringLiteral("no flash image to put the board's values into"));
        return nullptr;
    }
    // A board that failed here after its values were written may be back: its flash tells. A
    // line's shared ledger knows the boards that failed at its other stations too.
    QList<BoardLease> held;
    if (!ledger->held(ledger->sharedByStations() ? QString() : station, held, reason)) {
        refusal = Fail(FailureKind::InputUnusable,
                       QStringLiteral("board refused, nothing written: %1").arg(reason));
        return nullptr;
    }
    const Result<QString> returning = Find_ReturningLease(runImage->bytes, fields, held, onBoard);
    if (!returning.ok()) {
        refusal = Step_Failure(returning.failure(),
                               QStringLiteral("board refused, nothing written: its flash could "
                                              "not be compared with the values held for failed "
                                              "boards: %1")
                                   .arg(returning.reason()));
        return nullptr;
    }
    if (!ledger->lease(fields, BoardPlace{station, port, QString(), returning.value()}, lease,
                       reason)) {
        refused.exhausted = lease.exhausted;
        refusal = Fail(FailureKind::InputUnusable,
                       QStringLiteral("board refused, nothing written: %1").arg(reason));
        return nullptr;
    }
    QByteArray patched;
    if (!Apply_UnitValues(runImage->bytes, fields, lease.values, patched, reason)) {
        QString why;
        ledger->release(lease, why);
        refusal = Fail(FailureKind::ImageUnusable,
                       QStringLiteral("board refused, nothing written: %1").arg(reason));
        return nullptr;
    }
    auto image = std::make_shared<ImageFile>(*runImage);
    image->bytes = patched;
    image->crc =
        crc32_calc(reinterpret_cast<const uint8_t *>(patched.constData()), size_t(patched.size()));
    image->sha256 = QCryptographicHash::hash(patched, QCryptographicHash::Sha256);
    QList<QPair<QString, QString>> shown;
    for (const UnitField &f : fields)
        for (const UnitValue &v : lease.values)
            if (v.field == f.name) shown.append({f.name, UnitValue_Text(f, v)});
    auto board = std::make_shared<LeasedBoard>(ledger, lease, image, shown);
    if (lease.again && !lease.serial.isEmpty())
        board->note = QStringLiteral("The board of serial %1 came back: it gets its values again")
                          .arg(lease.serial);
    return board;
}

std::vector<std::pair<uint32_t, uint32_t>> LedgerBoardData::hiddenRanges() const {
    std::vector<std::pair<uint32_t, uint32_t>> ranges;
    for (const auto &range : UnitField_Ranges(fields))
        ranges.emplace_back(range.first, range.second);
    return ranges;
}
