#include "jobs/board_run.h"

#include "jobs/board_data.h"
#include "jobs/job.h"
#include "protocol/chip_table.h"
#include "protocol/handshake.h"
#include "serial/serial_link.h"

#include <QElapsedTimer>

namespace {

// An image file of the request by its absolute path (a record outlives the working directory),
// with what the job read of it (`crc` and `length` 0: not read).
std::optional<BoardImage> recorded(const ImageSnapshot &file, uint32_t crc, int32_t length) {
    if (!file || file->path.isEmpty()) return std::nullopt;
    return BoardImage{file->absolutePath, crc, length, file->sha256};
}

// `flashImage`: the one the board was given (its own, with values of its own in it).
void recordImages(const JobRequest &r, const ImageSnapshot &flashImage, JobResult &result) {
    const McuImageFacts mcu = result.mcuFacts.value_or(McuImageFacts());
    const FlashImageFacts flash = result.flashFacts.value_or(FlashImageFacts());
    result.mcuImage = recorded(r.mcuImage, mcu.mcuCrc, mcu.mcuLen);
    result.flashImage = recorded(flashImage, flash.flashCodeCrc, flash.flashCodeLen);
}

} // namespace

Result<> Identify_Board(DeviceSession &s, JobResult &result) {
    const Result<ChipIdentity> probe = Probe_Model(s);
    result.chip = s.identity; // a chip of no known model too: the port opened
    if (!probe.ok()) return probe.failure();
    return Done{};
}

JobResult Run_OnBoard(const QString &port, const JobRequest &request, Observer &observer) {
    QElapsedTimer clock;
    clock.start();
    JobResult result;
    SerialLink link;
    link.waitTime = request.waitTime;
    link.observer = request.trace;
    link.deadline = request.deadline;
    DeviceSession session(link, observer);
    ImageSnapshot flashImage = request.flashImage;
    if (!link.Open(port)) {
        observer.message(QStringLiteral("Open fail"));
        result.failure = Fail(FailureKind::SystemError, link.openFailure(port));
    } else if (const Result<> identified = Identify_Board(session, result); !identified.ok()) {
        result.failure = identified.failure();
    } else if (request.boardData) {
        flashImage = Run_JobWithData(session, request, result);
    } else {
        Run_Job(session, request, result);
    }
    recordImages(request, flashImage, result);
    result.outOfTime = link.outOfTime();
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    return result;
}
