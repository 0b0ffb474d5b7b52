// One simulated population taken through the whole pipeline: the GenePop file written to a
// folder, converted by the real converter, and estimated by the real estimator under a
// chosen sampling plan.
#pragma once

#include "drift_settings.h"

#include <filesystem>
#include <string>

namespace statistical {

// The all-loci estimate of the first sample interval and its jackknife limits.
struct AllLociEstimate {
    bool read = false; // false when the report holds no all-loci row with a jackknife block
    double fs = 0;
    double fs_prime = 0;
    double lower_fs_prime = 0; // jackknife 95% limits of Fs'
    double upper_fs_prime = 0;
};

// Finds the first all-loci row of a report and the limits of its jackknife block.
AllLociEstimate ReadAllLociEstimate(const std::string& report);

// Writes the population's samples as "drift.gen" in `folder` and converts them to
// "pelkin.out" there. Returns a description of what went wrong, empty on success.
std::string SimulateAndConvert(const drift::DriftSettings& settings,
                               const std::filesystem::path& folder);

// Estimates from "pelkin.out" in `folder` under `plan` (with `census` as N for plan 1) into a
// fresh report; `fault` is set when the estimator fails.
AllLociEstimate Estimate(const std::filesystem::path& folder, int plan, int census,
                         std::string& fault);

} // namespace statistical
