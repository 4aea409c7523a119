#pragma once

#include "jobs/job_result.h"
#include "protocol/observer.h"

#include <QString>
#include <optional>

// What a failed board means to the operator at the fixture, and what to do about it.
struct OperatorWords {
    QString reason; // "the board did not answer"
    QString hint;   // "re-seat the board"
};

// Where a board was when its run failed, beyond what its result holds.
struct FailureScene {
    bool accessDenied = false; // the port exists but this user may not open it
    bool wrongRecipe = false;  // a model the recipe does not list (its gate refused it)
    std::optional<ProgressPhase> lastPhase; // the phase the run was in; none: before any
};

OperatorWords Operator_Words(const JobResult &result, const FailureScene &scene);
// The phase as a tile names it ("MCU write").
QString Phase_Words(ProgressPhase phase);
