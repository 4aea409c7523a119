#pragma once

#include "bundle/bundle_reader.h"
#include "jobs/board_report.h"
#include "jobs/job_request.h"
#include "protocol/result.h"
#include "station/station_ledger.h"
#include "station/station_options.h"

#include <QString>
#include <QStringList>
#include <optional>

// What every board of the station gets: the operation and its images, read once and locked until
// the operator changes the recipe.
struct Recipe {
    QString operation;  // update-all, ...
    JobRequest request; // the job, its images, its choices and the gate
    // The models the recipe is for; empty: any (unsigned images name none).
    QStringList models;
    // The release bundle the images come from; none for unsigned images.
    std::optional<Bundle> bundle;
    QString bundleWarning;           // what the operator must know of it (unsigned)
    QList<ReportField> recordFields; // what each record adds (the bundle's)
};

// Reads the images or the bundle the options name (a bundle only once its checks accept it and
// it holds the operation's images; its chip check is then the recipe's model gate); a failure
// says why the recipe cannot be used. A bundle that gives each board values of its own takes
// them from `ledger`; without one it is refused.
Result<Recipe> Load_Recipe(const StationOptions &options, StationLedger *ledger = nullptr);
// Limits the recipe to `models` (once): its gate refuses a board of any other before anything is
// written on it ("this board is a KQ580: wrong recipe").
void Limit_RecipeModels(Recipe &recipe, const QStringList &models);
// The recipe in one line, for the audit log: the bundle (file, version, SHA-256) or the images
// (file, CRC-32) and the models.
QString Recipe_Summary(const Recipe &recipe);
// A short fingerprint of the recipe (its summary's SHA-256, 16 hex digits), in every record, by
// which a restart knows the boards that passed with it.
QString Recipe_Id(const Recipe &recipe);
// What the recipe panel shows, one fact a line.
QStringList Recipe_Lines(const Recipe &recipe);
// The reason the gate gives a board whose model the recipe does not list.
QString Wrong_RecipeReason(const QString &model);
// Whether `chip`, a known model, is one the recipe does not list.
bool Recipe_Excludes(const Recipe &recipe, const std::optional<ChipIdentity> &chip);
