#pragma once

#include "jobs/job_request.h"
#include "protocol/result.h"
#include "station/station_options.h"

#include <QString>
#include <QStringList>

// What every board of the station gets: the operation and its images, read once and locked until
// the operator changes the recipe.
struct Recipe {
    QString operation;  // update-all, ...
    JobRequest request; // the job, its images, its choices and the gate
    // The models the recipe is for; empty: any (unsigned images name none).
    QStringList models;
};

// Reads the images the options name; a failure says why the recipe cannot be used.
Result<Recipe> Load_Recipe(const StationOptions &options);
// Limits the recipe to `models` (once): its gate refuses a board of any other before anything is
// written on it ("this board is a KQ580: wrong recipe").
void Limit_RecipeModels(Recipe &recipe, const QStringList &models);
// What the recipe panel shows, one fact a line.
QStringList Recipe_Lines(const Recipe &recipe);
// The reason the gate gives a board whose model the recipe does not list.
QString Wrong_RecipeReason(const QString &model);
