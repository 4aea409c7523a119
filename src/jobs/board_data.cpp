#include "jobs/board_data.h"

#include "flash/flash_crc.h"
#include "flash/flash_update.h"
#include "jobs/job.h"

ImageSnapshot Run_JobWithData(DeviceSession &s, const JobRequest &request, JobResult &result) {
    // The board's flash is asked only when the source wants to know it, after the flash
    // update's own handshake, made once.
    bool flashReady = false;
    const BoardFlashCrc onBoard = [&](uint32_t start, int32_t length) -> Result<uint32_t> {
        if (!flashReady) {
            const Result<FlashPartFacts> part = Read_FlashPart(s, request.flashIniPath);
            if (!part.ok()) return part.failure();
            flashReady = true;
        }
        return Request_FlashCrc(s, start, length, 0, false);
    };
    DataRefusal refusal;
    const std::shared_ptr<BoardData> data =
        request.boardData->take(s.link.openedName(), onBoard, refusal);
    if (!data) {
        s.ui.logLine(refusal.failure.reason);
        result.failure = refusal.failure;
        result.valuesExhausted = refusal.exhausted;
        return request.flashImage;
    }
    if (!data->takenNote().isEmpty()) s.ui.logLine(data->takenNote());
    s.ui.unitValuesTaken(data->recordValues());
    JobRequest board = request;
    board.boardData = nullptr;
    board.flashImage = data->flashImage();
    // After every other gate: values are marked as perhaps written only when writing follows.
    board.gates.push_back([data](const GateFacts &) { return data->beforeWrite(); });
    Run_Job(s, board, result);
    result.unitValues = data->recordValues();
    const Result<> settled = data->settle(result);
    if (!settled.ok()) {
        s.ui.logLine(settled.failure().reason);
        result.failure = settled.failure();
    }
    return board.flashImage;
}
