// The sums of ComputeF for every set of all loci but one, for one interval, without a pass over
// all other loci for each locus left out.
#pragma once

#include <vector>

#include "drift_statistic.h"

class LeaveOneOut {
  public:
    // The sets of the interval from `first_sample` to the next sample. Up to PlainSumLoci loci
    // every set is worked out side by side in one pass, bit for bit as ComputeF adds it; over
    // more, a set is the compensated sum of all loci less the locus's own terms, so that the
    // cost grows with the loci times their alleles.
    explicit LeaveOneOut(int first_sample);

    // The sums of the set without locus L (1..n_loci).
    DriftSums Without(int L) const;

    // The sums of all loci, as ComputeF gives them.
    DriftSums AllLoci() const;

  private:
    int first_sample_;
    std::vector<DriftSums> plain_sets_;      // by locus left out, up to PlainSumLoci loci
    RunningSums<CompensatedSum> all_loci_{}; // over more loci
};
