#include "interval_estimate.h"

#include "data_tables.h"
#include "leave_one_out.h"

IntervalEstimate EstimateInterval(int first_sample, bool with_calibrated) {
    IntervalEstimate estimate;
    const LeaveOneOut sets(first_sample);
    estimate.all_loci = RowOf(sets.AllLoci());
    estimate.estimated = estimate.all_loci.sums.Kl >= 1;
    if (!estimate.estimated) {
        return estimate;
    }
    estimate.jackknife = Jackknife(sets);
    if (with_calibrated) {
        estimate.calibrated = CalibratedLimitsOf(estimate.all_loci.sums, sets);
    }
    return estimate;
}
