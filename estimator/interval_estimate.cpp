#include "interval_estimate.h"

#include "data_tables.h"
#include "leave_one_out.h"

IntervalEstimate EstimateInterval(int first_sample, bool with_calibrated) {
    IntervalEstimate estimate;
    estimate.all_loci = EvaluateRow(1, n_loci, first_sample);
    estimate.estimated = estimate.all_loci.sums.Kl >= 1;
    if (!estimate.estimated) {
        return estimate;
    }
    const LeaveOneOut sets(first_sample);
    estimate.jackknife = Jackknife(sets);
    if (with_calibrated) {
        estimate.calibrated = CalibratedLimitsOf(estimate.all_loci.sums, sets);
    }
    return estimate;
}
