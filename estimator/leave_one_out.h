// The sums of ComputeF for every set of all loci but one, worked out side by side in one pass
// over the loci instead of one pass for each locus left out.
#pragma once

#include <array>

#include "data_tables.h"
#include "drift_statistic.h"

// Per left-out locus L (1..n_loci, index 0 unused), for the interval from `first_sample` to the
// next sample: the same sums, bit for bit, as ComputeF(1, n_loci, first_sample, L) gives.
std::array<DriftSums, MaxLoci + 1> LeaveOneOutSums(int first_sample);
