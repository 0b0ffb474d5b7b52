// Standard errors of Fs and Fs' by a delete-one jackknife over loci, the loci taken as
// independent.
#pragma once

#include <cstdint>

struct JackknifeResult {
    std::int32_t m = 0; // loci, each left out once
    double mean_Fs = 0.0;
    double mean_Fs_corrected = 0.0;
    double se_Fs = 0.0;
    double se_Fs_corrected = 0.0;
    double t_span = 0.0; // as the set without the last locus gave it
};

// The jackknife over all loci for the interval from `first_sample` to the next sample. Each
// leave-one-out Fs' takes its corrected numerator, not its Fs, in the first factor of the
// divisor; a set without a used allele gives values that are not a number, and they are kept.
JackknifeResult Jackknife(int first_sample);
