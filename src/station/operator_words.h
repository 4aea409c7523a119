#pragma once

#include "jobs/job_result.h"
#include "protocol/observer.h"

#include <QString>

// What a failed board means to the operator at the fixture, and what to do about it.
struct OperatorWords {
    QString reason; // "the board did not answer"
    QString hint;   // "re-seat the board"
};

// `accessDenied`: the port exists but this user may not open it. `wrongRecipe`: the board is of
// a model the recipe does not list (its gate refused it).
OperatorWords Operator_Words(const JobResult &result, bool accessDenied, bool wrongRecipe);
// The phase as a tile names it ("MCU write").
QString Phase_Words(ProgressPhase phase);
