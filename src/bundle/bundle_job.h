#pragma once

#include "bundle/bundle_reader.h"
#include "jobs/board_report.h"
#include "jobs/job_request.h"

#include <QList>
#include <QString>
#include <optional>

// A release bundle in a run, for every front end (the terminal, the window, a station): load it
// with Load_Bundle before any port is opened, and use it only when it was accepted.

// Why `job` cannot be run from `bundle` (an update or check of a memory whose image the bundle
// does not hold; a flash update of a bundle whose boards get values of their own, unless the
// front end gives each board its values from a ledger: `perBoardValues`); empty when it can.
QString Bundle_JobRefusal(const Bundle &bundle, Job job, bool perBoardValues = false);

// Makes `request` run from `bundle`: its images become the run's snapshot (every board is
// written from and checked against these bytes, no file is read again), its boot setting, when
// it names one, replaces the operator's, and its chip check becomes the first gate; Update All
// then reads the flash part before the MCU update when the check needs it.
void Bundle_IntoJob(JobRequest &request, const Bundle &bundle);

// The gate that refuses a chip the bundle is not for, with both sides in the reason ("bundle for
// KQ31B, KQ31C; this chip is KQ580").
Gate Bundle_Gate(const Bundle &bundle);

// The gate that refuses a chip of any model but `models` (the operator's list of the models the
// images are for), with both sides in the reason ("images for KQ31B; this chip is KQ580").
Gate Models_Gate(const QStringList &models);

// The first of `models` (the operator's --model) that `bundle` is not for; none when each is one
// of its models. With a bundle, --model may only narrow the models it names.
std::optional<QString> Model_OutsideBundle(const Bundle &bundle, const QStringList &models);

// What each record of a run made with `bundle` adds: bundle (the file), bundle_sha256, product,
// version and key_id (the signing key's ID; null when unsigned).
QList<ReportField> Bundle_ReportFields(const Bundle &bundle);
