// Sets the estimator's data tables directly, for tests of the statistic and the jackknife.
#pragma once

#include <vector>

#include "data_tables.h"

struct LocusData {
    std::vector<double> first;  // frequencies in the earlier sample
    std::vector<double> second; // and in the later one
    double genes_first = 100.0;
    double genes_second = 100.0;
};

// One interval, samples 1 and 2 taken in generations 0 and `span`, under the given plan.
inline void SetInterval(const std::vector<LocusData>& loci, int span, int plan, int N = 0) {
    n_samples = 2;
    n_loci = static_cast<int>(loci.size());
    for (int L = 1; L <= n_loci; ++L) {
        const LocusData& data = loci[L - 1];
        K[L] = static_cast<int>(data.first.size());
        for (int k = 0; k < K[L]; ++k) {
            x[k][1][L] = data.first[k];
            x[k][2][L] = data.second[k];
        }
        S[1][L] = data.genes_first;
        S[2][L] = data.genes_second;
    }
    t[1] = 0;
    t[2] = span;
    sample_plan = plan;
    census_size = N;
}

// The loci of the worked two-locus example: a strong shift at locus 1, a weak one at locus 2.
inline const std::vector<LocusData> worked_loci{{{0.6, 0.4}, {0.4, 0.6}}, {{0.6, 0.4}, {0.5, 0.5}}};
