// 95% limits of Fs, Fs' and Ne by a jackknife over loci on the log scale of the raw Fs, with a
// t quantile for the number of loci. The report's limits, mean -/+ 1.96 SE of the leave-one-out
// Fs' values, cover the true drift less often than 95%, the more so with few loci, and miss it
// mostly below: the leave-one-out Fs values are skewed, their logarithms much less so, and with
// m loci the jackknife SE has about m - 1 degrees of freedom, not infinitely many.
#pragma once

#include "drift_statistic.h"
#include "leave_one_out.h"

struct CalibratedLimits {
    bool defined = false; // false: every limit below is not a number
    double lower_Fs = 0.0;
    double upper_Fs = 0.0;
    double lower_corrected = 0.0; // Fs'
    double upper_corrected = 0.0;
    double lower_Ne = 0.0; // from the upper Fs' limit; infinite when that is at or below 0
    double upper_Ne = 0.0; // from the lower Fs' limit; the same
};

// The limits for the interval of `sets`, whose all-loci row has the sums `all_loci`, over the m
// loci that use an allele there. Each of them is left out once, giving the raw Fs_i of the others,
// exactly as the jackknife computes it; with v_i = ln Fs_i, v their mean and SE = sqrt(((m - 1)/m)
// times the sum of (v_i - v)^2), the Fs limits are exp(v -/+ q SE), q the 0.975 quantile of
// Student's t with m - 1 degrees of freedom. Each is corrected for sampling as the all-loci row
// corrects its Fs, and each Ne limit is the all-loci row's t over twice the opposite Fs' limit. Not
// defined with fewer than two such loci, or when an Fs_i is not above 0 or not finite. Over
// more than PlainSumLoci loci the sums are compensated.
CalibratedLimits CalibratedLimitsOf(const DriftSums& all_loci, const LeaveOneOut& sets);
