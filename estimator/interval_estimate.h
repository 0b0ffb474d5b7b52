// What an interval's all-loci row carries, each part computed once for the report and the table
// alike: the row over all loci, the jackknife over loci and the log-scale limits.
#pragma once

#include "calibrated_limits.h"
#include "drift_statistic.h"
#include "jackknife.h"

struct IntervalEstimate {
    RowValues all_loci;
    // Whether the row uses an allele; only then do the jackknife and the limits follow it.
    bool estimated = false;
    JackknifeResult jackknife;
    CalibratedLimits calibrated; // only when asked for
};

// The estimate over all loci of the interval from `first_sample` to the next sample, with the
// log-scale limits when `with_calibrated` is true. The leave-one-out sets are worked out once
// and serve both the jackknife and the limits.
IntervalEstimate EstimateInterval(int first_sample, bool with_calibrated);
