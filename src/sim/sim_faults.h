#pragma once

#include "sim/sim_boot_loader.h"
#include "sim/sim_config.h"

#include <map>
#include <vector>

// The faults injected into the loader's answers, by command letter and occurrence.
class SimFaults {
  public:
    void add(const SimFault &fault) { faults.push_back(fault); }
    void add(const SimPowerCut &cut) { powerCuts.push_back(cut); }
    void clear() {
        faults.clear();
        powerCuts.clear();
    }
    // The power cut due at the frame `bytes` about to be handled (its occurrence not counted
    // yet); null when none.
    const SimPowerCut *powerCutAt(const QByteArray &bytes) const;
    // Counts `frame` as one occurrence of its letter and applies the faults due to it, in the
    // order they were added.
    void apply(const SimFrame &frame, SimResponse &response);

  private:
    static void applyOne(const SimFault &fault, const SimFrame &frame, SimResponse &response);

    std::vector<SimFault> faults;
    std::vector<SimPowerCut> powerCuts;
    std::map<uint8_t, int> seen;
};
