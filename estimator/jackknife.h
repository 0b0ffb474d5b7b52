// Standard errors of Fs and Fs' by a delete-one jackknife over loci, the loci taken as
// independent.
#pragma once

#include <cstdint>

#include "leave_one_out.h"

struct JackknifeResult {
    std::int32_t m = 0; // loci, each left out once
    double mean_Fs = 0.0;
    double mean_Fs_corrected = 0.0;
    double se_Fs = 0.0;
    double se_Fs_corrected = 0.0;
    double t_span = 0.0; // as the set without the last locus gave it
};

// The jackknife over all loci for the interval of `sets`. Each leave-one-out Fs' takes its
// corrected numerator, not its Fs, in the first factor of the divisor; a set without a used
// allele gives values that are not a number, and they are kept. Up to PlainSumLoci loci the
// SEs come from the sums of the values and of their squares, added in the order of the loci,
// as they always did; over more, from the compensated sum of the squared deviations about the
// mean, which keeps its digits however many loci there are.
JackknifeResult Jackknife(const LeaveOneOut& sets);

// What the report prints from the jackknife besides its means and SEs: the Ne of the mean Fs',
// and the 95% limits, mean -/+ 1.96 SE, of Fs and Fs' and the Ne they give. Ne falls as Fs'
// rises, so each Ne limit comes from the opposite limit of Fs'.
struct JackknifeLimits {
    double Ne_of_mean = 0.0;
    double lower_Fs = 0.0;
    double upper_Fs = 0.0;
    double lower_corrected = 0.0;
    double upper_corrected = 0.0;
    double lower_Ne = 0.0;
    double upper_Ne = 0.0;
};
JackknifeLimits LimitsOf(const JackknifeResult& result);
