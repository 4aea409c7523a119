#pragma once

#include <QString>

// Several boards at once through the gang: one tessara-sim process per board and one tessara-cli
// running update-all on all of them, as on a production bench.
struct GangCost {
    double seconds = 0;
    double hostCpu = 0; // tessara-cli, all its threads
    double simCpu = 0;  // every simulator process
};

// Runs update-all of `mcuImage` and `flashImage` (files in `dir`, with the Flash.ini that lists
// the simulators' flash part) on `boards` boards. Empty string on success, else why it failed.
QString Run_GangBench(int boards, const QString &dir, const QString &mcuImage,
                      const QString &flashImage, GangCost *cost);
