#include "jobs/board_data.h"

#include "jobs/board_run.h"

JobResult Run_OnBoardWithData(const QString &port, const JobRequest &request, Observer &observer) {
    Failure refusal = Fail(FailureKind::InputUnusable, QString());
    const std::shared_ptr<BoardData> data = request.boardData->take(port, refusal);
    if (!data) {
        observer.logLine(refusal.reason);
        JobResult result;
        result.failure = refusal;
        return result;
    }
    JobRequest board = request;
    board.boardData = nullptr;
    board.flashImage = data->flashImage();
    // After every other gate: values are marked as perhaps written only when writing follows.
    board.gates.push_back([data](const GateFacts &) { return data->beforeWrite(); });
    JobResult result = Run_OnBoard(port, board, observer);
    result.unitValues = data->recordValues();
    const Result<> settled = data->settle(result);
    if (!settled.ok()) {
        observer.logLine(settled.failure().reason);
        result.failure = settled.failure();
    }
    return result;
}
