#include "jobs/job_result.h"

StepState Step_State(const Result<> &r) {
    if (r.ok()) return StepState::Ok;
    return r.kind() == FailureKind::Stopped ? StepState::Interrupted : StepState::Failed;
}
