// Standard errors and 95% confidence limits of Fs and Fs' by a delete-one jackknife over loci,
// the loci taken as independent, and Ne from the mean Fs' and from its two limits.
#pragma once

#include <cstdint>

struct JackknifeResult {
    std::int32_t m = 0; // loci, each left out once
    double mean_Fs = 0.0;
    double mean_Fs_corrected = 0.0;
    double se_Fs = 0.0;
    double se_Fs_corrected = 0.0;
    double t_span = 0.0; // as the last leave-one-out set gave it
};

// The jackknife over all loci for the interval from `first_sample` to the next sample.
JackknifeResult Jackknife(int first_sample);

// Writes the jackknife block to the report, after the all-loci row.
void WriteJackknife(const JackknifeResult& result);
