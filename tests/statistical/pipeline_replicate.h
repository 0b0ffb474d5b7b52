// One simulated population taken through the whole pipeline: the GenePop file written to a
// folder, converted by the real converter, and estimated by the real estimator under a
// chosen sampling plan.
#pragma once

#include "drift_settings.h"

#include <filesystem>
#include <string>

namespace statistical {

// The all-loci estimate of the first sample interval and its 95% limits of Fs'.
struct AllLociEstimate {
    bool read = false; // false when the report holds no all-loci row with a jackknife block
    double fs = 0;
    double fs_prime = 0;
    double lower_fs_prime = 0; // the report's jackknife limits, mean -/+ 1.96 SE
    double upper_fs_prime = 0;
    // The table's log-scale limits: not a number where they are not defined.
    double calibrated_lower_fs_prime = 0;
    double calibrated_upper_fs_prime = 0;
    // The table's classical statistics, each with its chi-square limits, and the row's sizes.
    struct Classical {
        double F = 0;
        double lower = 0;
        double upper = 0;
    };
    Classical fc;
    Classical fk;
    double s1 = 0;
    double s2 = 0;
};

// Finds the first all-loci row of a report and the limits of its jackknife block.
AllLociEstimate ReadAllLociEstimate(const std::string& report);

// Adds the log-scale limits, Fc and Fk with their chi-square limits, and S1 and S2 of the first
// all-loci row of a table to `estimate`; false when the table holds no such row or its cells are
// no numbers.
bool ReadCalibratedLimits(const std::string& table, AllLociEstimate& estimate);

// Writes the population's samples as "drift.gen" in `folder` and converts them to
// "pelkin.out" there. Returns a description of what went wrong, empty on success.
std::string SimulateAndConvert(const drift::DriftSettings& settings,
                               const std::filesystem::path& folder);

// Estimates from "pelkin.out" in `folder` under `plan` (with `census` as N for plan 1) into a
// fresh report and table; `fault` is set when the estimator fails.
AllLociEstimate Estimate(const std::filesystem::path& folder, int plan, int census,
                         std::string& fault);

} // namespace statistical
