// The warnings of a run whose numbers cannot be right, or say less than they seem to: each is one
// line on the standard error stream, and the run goes on to its report with its status as it
// would be without them.
#pragma once

#include "interval_estimate.h"

// After the data are read: a data set of fewer than two samples, which has no interval, and
// under plan 1 a census size N below the largest sample, which no population can have.
void WarnOfData();

// For the interval from `first_sample` to the next sample: samples out of order (a negative t),
// an all-loci Fs' above 1, and fewer than two loci that use an allele (no jackknife limits).
void WarnOfInterval(int first_sample, const IntervalEstimate& estimate);
